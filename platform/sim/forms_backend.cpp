// The simulated window system: native handles for forms and controls, timers
// on the virtual clock, the modal loop and pop-up menus.
#include <algorithm>
#include <cstdio>

#include "platform/forms/backend.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_hang.h"

namespace forms::backend {

namespace {

Handle NewWindow() {
    auto& m = sim::M();
    Handle handle = m.nextWindow;
    m.nextWindow += 0x10;
    m.windows.insert(handle);
    return handle;
}

void SyncTimer(Timer& timer) {
    auto& m = sim::M();
    m.timers.erase(&timer);
    if (!timer.running()) return;
    const auto period = static_cast<std::uint64_t>(std::max(timer.interval(), m.timerResolution));
    m.timers[&timer] = sim::Machine::TimerState{m.now + period, m.timerOrder++};
}

}  // namespace

void CreateFormWindow(Form& form) {
    const Handle window = NewWindow();
    // Every form has an icon: its own resource, or the program's default one.
    const Handle icon = 0x7000 + (window >> 4);
    form.attachNative(window, icon);
    for (Control* control : form.controls()) {
        if (control->typeName() == "Timer") continue;
        if (control->typeName() == "Menu") continue;
        control->attachNative(NewWindow());
    }
    for (Control* control : form.controls())
        if (control->typeName() == "Timer") SyncTimer(static_cast<Timer&>(*control));
}

void DestroyFormWindow(Form& form) {
    auto& m = sim::M();
    for (Control* control : form.controls()) {
        if (control->typeName() == "Timer") m.timers.erase(static_cast<Timer*>(control));
        m.windows.erase(control->hwnd());
        m.topmost.erase(control->hwnd());
    }
    m.windows.erase(form.hwnd());
    m.topmost.erase(form.hwnd());
    m.regions.erase(form.hwnd());
    if (m.active == &form) m.active = nullptr;
    std::erase_if(m.popupChoices, [&](Menu* menu) { return menu && &menu->form() == &form; });
}

void FormChanged(Form& form, FormProp prop) {
    auto& m = sim::M();
    if (prop != FormProp::Visible || !form.visible() || m.active == &form) return;
    m.active = &form;
    m.queue.push_back([&form] {
        if (form.loaded() && form.visible()) form.userActivate();
    });
}

void ControlChanged(Control& control, Prop prop) {
    if (prop == Prop::Timer) SyncTimer(static_cast<Timer&>(control));
}

void RunModal(Form& form) {
    auto& m = sim::M();
    while (form.showingModal() && !m.ended) {
        if (!m.queue.empty()) {
            sim::Pump();
        } else if (!m.userActions.empty()) {
            auto action = std::move(m.userActions.front());
            m.userActions.pop_front();
            Dispatch(action);
        } else if (!sim::RunNextTimer()) {
            std::fprintf(stderr, "sim: modal window %s waits and nothing can happen\n", form.name().c_str());
            throw sim::Hang{"modal window " + form.name() + " waits and nothing can happen"};
        }
    }
}

void ShowPopupMenu(Form& form, Menu& menu) {
    auto& m = sim::M();
    (void)form;
    m.popups.push_back(&menu);
    if (m.popupChoices.empty()) return;
    Menu* choice = m.popupChoices.front();
    m.popupChoices.pop_front();
    if (choice) choice->userClick();
}

}  // namespace forms::backend
