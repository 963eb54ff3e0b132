// The modal box that waits for a service to reach the state a command asked for.
#include "svcstop/frm_sc_msg_box.h"

#include <algorithm>

#include "frame/mod_skin.h"
#include "frame/product_info.h"
#include "platform/dialogs.h"
#include "platform/forms/design.h"
#include "platform/process_globals.h"
#include "platform/program.h"
#include "platform/scope_exit.h"
#include "svcstop/frm_main.h"
#include "svcstop/mod_general.h"
#include "svcstop/mod_service_code.h"

namespace nightjar {

std::string SCMsgText;
std::int32_t SCMsgInterval = 0;
std::string SCMsgTitle;
std::string SCMsgService;
std::string SCMsgMachine;
std::int32_t SCMsgTargetState = 0;

namespace {

const platform::ResetAtStart resetParameters([] {
    SCMsgText.clear();
    SCMsgInterval = 0;
    SCMsgTitle.clear();
    SCMsgService.clear();
    SCMsgMachine.clear();
    SCMsgTargetState = 0;
});

namespace svc = platform::svc;

// What the list row of a service shows for the state it reached.
constexpr RowLook kRowLooks[] = {
    {svc::kStopped, "", kRowRed},
    {svc::kRunning, "Started", kRowBlack},
    {svc::kPaused, "Paused", kRowGreen},
};

}  // namespace

frmSCMsgBox::frmSCMsgBox()
    : Form("frmSCMsgBox"),
      Frame1(*this, "Frame1", forms::Verdana({.left = 60, .top = 30, .width = 4890, .height = 1200}, "STATUS REPORT")),
      SkinLabel2(*this, "SkinLabel2",
                 forms::Verdana({.left = 240, .top = 330, .width = 4530, .height = 285}, "Please Wait...")),
      lblMessage(
          *this, "lblMessage",
          forms::Verdana({.left = 240, .top = 690, .width = 4530, .height = 285}, "Disabling Windows Popup Messages")) {
    design("", 5010, 1290, forms::BorderStyle::None);
    setButtons(false, false);
    setCentred(true);
    onLoad = [this] { Form_Load(); };
    tmrMain.onTimer = [this] { tmrMain_Timer(); };
}

void frmSCMsgBox::Form_Load() {
    if (ProductInfo.SkinsEnabled) modSkin::ApplySkinRetry(*this);
    modGeneral::MakeWindowTopMost(hwnd());
    tmrMain.setTimerEnabled(true);
    tmrMain.setInterval(std::clamp(SCMsgInterval, std::int32_t{1}, kLongestPollMs));
    lblMessage.setCaption(SCMsgText);
    setCaption(SCMsgTitle);
    lngLastCheckPoint = 0;
    telling_ = false;
    polled_ = false;
    startedAt_ = platform::TickCount();
    stillSince_ = startedAt_;
    lastWaitHint_ = 0;
}

void frmSCMsgBox::tmrMain_Timer() {
    if (telling_) return;
    const svc::ServiceStatus status = modServiceCode::GetServiceStatus(SCMsgMachine, SCMsgService);
    if (static_cast<std::int32_t>(status.currentState) == SCMsgTargetState) {
        Reached(status);
        return;
    }
    const auto checkPoint = static_cast<std::int32_t>(status.checkPoint);
    if (lngLastCheckPoint > 0 && checkPoint == lngLastCheckPoint) {
        GiveUp();
        return;
    }
    const auto waitHint = static_cast<std::int32_t>(status.waitHint);
    if (waitHint > 0) {
        // The timer takes no longer interval; the bound still uses the clamped hint.
        lastWaitHint_ = static_cast<std::uint32_t>(std::min(waitHint, kLongestPollMs));
        tmrMain.setInterval(static_cast<std::int32_t>(lastWaitHint_));
        lngLastCheckPoint = checkPoint;
    }
    const auto win32Exit = static_cast<std::int32_t>(status.win32ExitCode);
    const auto specificExit = static_cast<std::int32_t>(status.serviceSpecificExitCode);
    const bool exitCode = win32Exit > 0 || specificExit > 0;
    if (exitCode) {
        if (win32Exit == platform::kErrorServiceSpecificError)
            Tell(std::to_string(specificExit), platform::kMbOk | platform::kMbIconError, "Service Specific Error");
        else
            Tell(std::to_string(win32Exit), platform::kMbOk | platform::kMbIconError,
                 "Error performing an action on the service");
        if (!loaded()) return;  // the main window closed meanwhile
    }
    // A service that stopped with an exit code will not reach any other state.
    const bool stoppedShort = exitCode && status.currentState == svc::kStopped;
    if (stoppedShort || PastBound(status)) GiveUp();
}

bool frmSCMsgBox::PastBound(const svc::ServiceStatus& status) {
    const std::uint32_t now = platform::TickCount();
    const bool moved = status.currentState != lastState_ || status.checkPoint != lastCheckPoint_;
    lastState_ = status.currentState;
    lastCheckPoint_ = status.checkPoint;
    if (moved && polled_) stillSince_ = now;
    polled_ = true;
    return now - stillSince_ >= std::max(kMinimumWaitMs, 3 * lastWaitHint_) || now - startedAt_ >= kLongestWaitMs;
}

void frmSCMsgBox::Reached(const svc::ServiceStatus& status) {
    tmrMain.setTimerEnabled(false);
    const std::string key = ServiceKey(SCMsgService);
    if (forms::ListItem* row = forms::The<frmMain>().lvServices.findItem(key))
        ShowRowLook(*row, static_cast<std::int32_t>(status.currentState), kRowLooks);
    if (CServices* record = colServices.Item(key)) TakeStatus(*record, status);
    Unload();
}

void frmSCMsgBox::Tell(const std::string& text, std::uint32_t flags, const std::string& title) {
    const std::uint32_t opened = platform::TickCount();
    const platform::ScopeExit held([this, opened] {
        const std::uint32_t open = platform::TickCount() - opened;
        telling_ = false;
        startedAt_ += open;
        stillSince_ += open;
    });
    telling_ = true;
    platform::MessageBox(text, flags, title);
}

void frmSCMsgBox::GiveUp() {
    Tell("Unable to perform the selected action on the service.", platform::kMbOk);
    tmrMain.setTimerEnabled(false);
    Unload();
}

}  // namespace nightjar
