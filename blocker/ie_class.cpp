// The event sink of one shell window: its last status text and the decision on each new window.
#include "blocker/ie_class.h"

#include <cstdint>
#include <exception>
#include <limits>

#include "blocker/form1.h"
#include "blocker/form3.h"
#include "blocker/mod_play_sound.h"
#include "blocker/shared_state.h"
#include "frame/text_compare.h"
#include "platform/files.h"
#include "platform/program.h"
#include "platform/text_fold.h"

namespace windhover {

namespace {

void RemoveEvery(std::string& text, const std::string& part) {
    for (std::size_t at = 0; (at = FindNoCase(text, part, at)) != std::string::npos;) text.erase(at, part.size());
}

bool BeginsWithScheme(const std::string& text) {
    const std::string start = platform::Folded(text.substr(0, 8));
    return start.rfind("http://", 0) == 0 || start.rfind("https://", 0) == 0;
}

// The user's answer from the setup-mode prompt. A decision that arrives
// while another waits shares its prompt and its answer.
bool Ask(const std::string& site) {
    PromptAnswered = false;
    PromptAllowed = false;
    PromptSite = site;
    forms::The<Form3>().Show();
    while (!PromptAnswered) platform::DoEvents();
    return PromptAllowed;
}

void Block(bool& Cancel) {
    // The count stays at its largest value rather than overflow.
    if (PopupsBlocked < std::numeric_limits<std::int32_t>::max()) ++PopupsBlocked;
    // Only what is waiting: the browser holds the popup until this returns.
    platform::PumpWaitingMessages();
    if (forms::The<Form1>().Check5.value() == 1)
        modPlaySound::PlaySoundFile(platform::files::ProgramFolder() + "\\sounds\\pop.wav");
    Cancel = true;
}

}  // namespace

std::string OpenerSite(const std::string& address) {
    std::string site = address;
    RemoveEvery(site, "http://");
    RemoveEvery(site, "https://");
    const auto slash = site.find('/');
    if (slash != std::string::npos) site.erase(slash + 1);
    std::erase(site, '/');
    return site;
}

bool OnSiteList(const std::string& listText, const std::string& site) { return ContainsNoCase(listText, site); }

std::shared_ptr<IE_Class> IE_Class::Create() { return std::shared_ptr<IE_Class>(new IE_Class()); }

IE_Class::~IE_Class() { Class_Terminate(); }

void IE_Class::IEctl(std::shared_ptr<platform::browser::Browser> IncomeIE) {
    connection_.reset();
    IE = std::move(IncomeIE);
    if (!IE) return;
    try {
        connection_ = platform::browser::Connect(*IE, Events());
    } catch (const std::exception&) {
        // a browser that takes no sink raises no popups here
    }
}

void IE_Class::Class_Terminate() {
    connection_.reset();
    IE.reset();
}

platform::browser::BrowserEvents IE_Class::Events() {
    std::weak_ptr<IE_Class> sink = weak_from_this();
    return {
        [sink](bool& Cancel) {
            if (auto self = sink.lock()) self->IE_NewWindow2(Cancel);
        },
        [sink](const std::string& Text) {
            if (auto self = sink.lock()) self->IE_StatusTextChange(Text);
        },
    };
}

void IE_Class::IE_StatusTextChange(const std::string& Text) { LastStatusText = Text; }

void IE_Class::IE_NewWindow2(bool& Cancel) {
    auto& main = forms::The<Form1>();
    try {
        if (main.Check6.value() == 1 && LastStatusText.size() > 7 && BeginsWithScheme(LastStatusText))
            AllowNextPopup = true;
        if (!IE) return;
        const std::string site = OpenerSite(IE->LocationURL());
        if (main.Check1.value() != 1) return;
        if (AllowNextPopup) {
            AllowNextPopup = false;
            Cancel = false;
            return;
        }
        if (OnSiteList(AllowedSites, site)) {
            Cancel = false;
            return;
        }
        if (main.Check2.value() == 1 && !OnSiteList(DisallowedSites, site) && Ask(site)) {
            Cancel = false;
            return;
        }
        Block(Cancel);
    } catch (const std::exception&) {
        // The popup keeps the answer it had when the failure came.
    }
}

}  // namespace windhover
