#pragma once
// The modal box shown while a service moves to a new state: it polls the
// service's status until the service reaches the state the command asked for,
// writes that state into the main window's list row and the service's record,
// and closes; it gives up, with a message, when the service stalls or the
// wait runs past its bound.
#include <cstdint>
#include <string>

#include "platform/forms/form.h"
#include "platform/forms/controls.h"
#include "platform/services.h"

namespace nightjar {

// The box's parameters, set by the service commands before each showing.
extern std::string SCMsgText;
extern std::int32_t SCMsgInterval;  // ms before the first poll
extern std::string SCMsgTitle;
extern std::string SCMsgService;  // the service polled and whose row is written
extern std::string SCMsgMachine;  // empty: this machine
extern std::int32_t SCMsgTargetState;

// The row colours the box writes, 0x00BBGGRR.
inline constexpr std::uint32_t kRowRed = 0x0000FF;
inline constexpr std::uint32_t kRowBlack = 0x000000;
inline constexpr std::uint32_t kRowGreen = 0x00FF00;

// How long a wait may go without the service moving: the later of this and
// three times the last wait hint.
inline constexpr std::uint32_t kMinimumWaitMs = 30000;
// How long any wait may go, however the service reports progress: longer
// than the longest wait one hint can ask for (three times the longest poll,
// about 197 s, after the first interval), so a service that keeps to its
// hints is never cut short, and short enough that the modal box does not
// hold the program much longer than a user would wait.
inline constexpr std::uint32_t kLongestWaitMs = 5 * 60 * 1000;
// The longest interval the poll's timer takes.
inline constexpr std::int32_t kLongestPollMs = 65535;

class frmSCMsgBox : public forms::Form {
public:
    frmSCMsgBox();

    forms::Frame Frame1;
    forms::Label SkinLabel2;
    forms::Label lblMessage;
    forms::Timer tmrMain{*this, "tmrMain", {.interval = 1000, .enabled = false}};

    void Form_Load();
    void tmrMain_Timer();

    std::int32_t lngLastCheckPoint = 0;

private:
    void Reached(const platform::svc::ServiceStatus& status);
    // Shows one of the box's message boxes with the poll held meanwhile; the
    // time it stays open does not count against the wait's bound.
    void Tell(const std::string& text, std::uint32_t flags, const std::string& title = std::string());
    void GiveUp();
    bool PastBound(const platform::svc::ServiceStatus& status);

    bool telling_ = false;
    bool polled_ = false;
    // When the wait began, and since when the service has not moved (state
    // and check-point unchanged); both leave out the time a box was open.
    std::uint32_t startedAt_ = 0;
    std::uint32_t stillSince_ = 0;
    std::uint32_t lastState_ = 0;
    std::uint32_t lastCheckPoint_ = 0;
    std::uint32_t lastWaitHint_ = 0;
};

}  // namespace nightjar
