// Message boxes in the simulation: each is recorded and answered from the
// test's script while the box's own loop runs.
#include <algorithm>

#include "platform/dialogs.h"
#include "platform/sim/sim.h"

namespace platform {

std::string ProgramTitle() { return sim::M().ownVersion.productName; }

int MessageBox(const std::string& text, std::uint32_t flags, const std::string& title) {
    auto& p = sim::P();
    sim::MessageBoxRecord box{text, title.empty() ? ProgramTitle() : title, flags & 0x0F, flags & 0xF0, 0};
    static const int firstButton[] = {kIdOk, kIdOk, kIdAbort, kIdYes, kIdYes, kIdRetry};
    sim::Answer answer(box.buttons < 6 ? firstButton[box.buttons] : kIdOk);
    if (!p.answers.empty()) {
        answer = p.answers.front();
        p.answers.pop_front();
    }
    box.answer = answer.button;
    p.messageBoxes.push_back(box);
    // The box's own loop runs until the user answers: what is posted arrives
    // and timers tick meanwhile.
    const std::uint64_t answered = sim::M().now + answer.afterMs;
    while (!p.ended && sim::IdleStep("message box \"" + box.title + "\"", false, answered) != sim::Step::Idle) {
    }
    sim::M().now = std::max(sim::M().now, answered);
    return answer.button;
}

}  // namespace platform
