// frmMain: the commands that change the Messenger service's state, each
// waiting in the service wait box, and the test message.
#include <vector>

#include "platform/dialogs.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/scope_exit.h"
#include "svcstop/frm_main.h"
#include "svcstop/frm_sc_msg_box.h"
#include "svcstop/frm_startup.h"
#include "svcstop/mod_ip.h"
#include "svcstop/mod_service_code.h"
#include "svcstop/net_send.h"

namespace nightjar {

namespace {

namespace svc = platform::svc;
using Request = long (*)(const std::string& machine, const std::string& serviceName);

// The hourglass over the window while a state change runs, on every way out.
class Hourglass {
public:
    explicit Hourglass(forms::Form& form) : form_(form) { form_.setMousePointer(forms::kPointerHourglass); }
    ~Hourglass() { form_.setMousePointer(forms::kPointerDefault); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    forms::Form& form_;
};

// What a request asks of the service, as the refusal names it.
struct Action {
    Request request;
    const char* verb;
};
constexpr Action kStart{modServiceCode::StartServiceByName, "start"};
constexpr Action kStop{modServiceCode::StopServiceByName, "stop"};
constexpr Action kPause{modServiceCode::PauseServiceByName, "pause"};
constexpr Action kContinue{modServiceCode::ContinueServiceByName, "continue"};

// The display name of the service where its record has one.
std::string NameOf(const std::string& key) {
    const CServices* record = colServices.Item(key);
    return record && !record->DisplayName.empty() ? record->DisplayName : key;
}

// Sends the request and waits in the wait box until the service reached the
// target state or the box gave up. A request the manager refused is told at
// once with the system's reason, and nothing is waited for: the service
// will not move. False then.
bool RequestAndWait(const Action& action, const std::string& requestName, const std::string& text,
                    const std::string& service, std::int32_t target) {
    if (const long error = action.request("", requestName)) {
        const std::string reason = platform::SystemErrorText(error);
        platform::MessageBox("Unable to " + std::string(action.verb) + " the " + NameOf(service) + " service.\r\n\r\n" +
                                 "Error " + std::to_string(error) + (reason.empty() ? "." : ": " + reason),
                             platform::kMbOk | platform::kMbIconError);
        // The record takes the state the service is really in.
        CServices* record = colServices.Item(service);
        const svc::ServiceStatus now = modServiceCode::GetServiceStatus("", service);
        if (record && now.currentState != 0) TakeStatus(*record, now);
        return false;
    }
    SCMsgText = text;
    SCMsgInterval = 3000;
    SCMsgTitle = "Service Control";
    SCMsgMachine = "";
    SCMsgService = service;
    SCMsgTargetState = target;
    forms::The<frmSCMsgBox>().Show(forms::ShowMode::Modal);
    return true;
}

// The state the record says, or for a service without one what the
// service reports now; no empty record is made for it.
std::int32_t KnownState(const std::string& key) {
    if (const CServices* record = colServices.Item(key)) return record->CurrentStatus;
    return static_cast<std::int32_t>(modServiceCode::GetServiceStatus("", key).currentState);
}

}  // namespace

template <class Command>
void frmMain::OneChangeAtATime(Command&& command) {
    if (changing_) return;
    changing_ = true;
    const platform::ScopeExit done([this] { changing_ = false; });
    command();
}

// ---- the four state changes ------------------------------------------------------

void frmMain::StartServiceByKey(const std::string& key) {
    CServices* record = colServices.Item(key);
    if (!record || record->Running()) return;
    Hourglass hourglass(*this);
    RequestAndWait(kStart, record->ServiceName, "Enabling Windows Popup Messages", record->ServiceName, svc::kRunning);
    // The record takes the state the service is really in, so a start that
    // failed does not read as running.
    const svc::ServiceStatus now = modServiceCode::GetServiceStatus("", record->ServiceName);
    if (now.currentState != 0) TakeStatus(*record, now);
    UpdateServiceControls(key);
}

bool frmMain::StopServiceByKey(const std::string& key) {
    if (KnownState(key) == svc::kStopped) return true;
    Hourglass hourglass(*this);
    const bool taken = RequestAndWait(kStop, key, "Disabling Windows Popup Messages", key, svc::kStopped);
    UpdateServiceControls(key);
    return taken;
}

void frmMain::PauseServiceByKey(const std::string& key) {
    const CServices* record = colServices.Item(key);
    if (!record || record->CurrentStatus != svc::kRunning) return;
    Hourglass hourglass(*this);
    RequestAndWait(kPause, key, "Attempting to pause the " + record->DisplayName + " service.", key, svc::kPaused);
    UpdateServiceControls(key);
    lvServices.setFocus();
}

void frmMain::ContinueServiceByKey(const std::string& key) {
    const CServices* record = colServices.Item(key);
    if (!record || record->CurrentStatus != svc::kPaused) return;
    Hourglass hourglass(*this);
    RequestAndWait(kContinue, key, "Attempting to continue the " + record->DisplayName + " service.", key,
                   svc::kRunning);
    UpdateServiceControls(key);
    lvServices.setFocus();
}

// ---- the commands --------------------------------------------------------------------

// The record of the selected row; null without one.
static const CServices* SelectedRecord(const forms::ListView& list) {
    const forms::ListItem* row = list.selectedItem();
    return row ? colServices.Item(row->key()) : nullptr;
}

void frmMain::cmdStart_Click() {
    OneChangeAtATime([this] {
        if (const CServices* record = SelectedRecord(lvServices)) StartServiceByKey(ServiceKey(record->ServiceName));
    });
}

void frmMain::cmdStop_Click() {
    OneChangeAtATime([this] {
        const CServices* record = SelectedRecord(lvServices);
        if (!record) return;
        const std::string name = record->ServiceName;
        if (modServiceCode::EnumDependentServices("", name)) {
            std::string question =
                name + " has the following dependent service(s) that also need to be stopped:  \r\n\r\n";
            std::vector<std::string> dependents;
            for (const auto& dependent : colDependents) {
                question += dependent->DisplayName + "\r\n";
                dependents.push_back(ServiceKey(dependent->ServiceName));
            }
            question += "\r\nAre you sure you wish to stop all the above services?";
            if (platform::MessageBox(question, platform::kMbYesNo | platform::kMbIconQuestion, "Stopping") !=
                platform::kIdYes)
                return;
            // A dependent that refused to stop keeps the service from stopping:
            // the refusal was told, and the service is not asked.
            for (const std::string& key : dependents)
                if (KnownState(key) == svc::kRunning && !StopServiceByKey(key)) return;
        }
        StopServiceByKey(ServiceKey(name));
    });
}

void frmMain::cmdPause_Click() {
    OneChangeAtATime([this] {
        const CServices* record = SelectedRecord(lvServices);
        if (!record) return;
        const std::string question = "Are you sure you want to pause the " + record->ServiceName + " service?";
        if (platform::MessageBox(question, platform::kMbYesNo, "Services") == platform::kIdYes)
            PauseServiceByKey(ServiceKey(record->ServiceName));
    });
}

void frmMain::cmdContinue_Click() {
    OneChangeAtATime([this] {
        if (const forms::ListItem* row = lvServices.selectedItem()) ContinueServiceByKey(row->key());
    });
}

void frmMain::cmdStartup_Click() {
    if (!SelectedRecord(lvServices)) return;
    forms::The<frmStartup>().Show(forms::ShowMode::Modal);
    // The list is never shown, so it cannot take the focus: it stays where it was.
    lvServices.setFocus();
}

void frmMain::Command1_Click() {
    const std::string address = modIP::GetLocalIPAddress();
    platform::MessageBox(
        "You are about to be sent a test message.  If a popup message appears on your screen, Microsoft Popup "
        "Messages are enabled, otherwise, they are disabled.\r\n\r\nPress OK to send the test message",
        platform::kMbOk);
    // The system's own net.exe, named in full: a program of that name in the
    // program's folder or the current folder is never run in its place.
    const std::string system = platform::files::SystemFolder();
    const long error = system.empty()
                           ? platform::kErrorPathNotFound
                           : platform::process::StartHidden(system + "\\net.exe", NetSendCommandLine(address));
    if (error != 0)
        platform::MessageBox(
            "The test message could not be sent: the system's \"net send\" command could not be "
            "started (error " +
                std::to_string(error) + ").",
            platform::kMbOk | platform::kMbIconError);
}

}  // namespace nightjar
