// The simulated window system's side of the forms: a window record for each
// loaded form whose procedure turns messages into the form's events, the
// modal loop and pop-up menus.
#include <memory>

#include "platform/forms/backend.h"
#include "platform/messages.h"
#include "platform/sim/peers.h"
#include "platform/sim/sim_hang.h"

namespace forms::backend {

namespace {

std::map<const Form*, std::unique_ptr<sim::FormWindow>> loadedForms;

// Each event ends in a user* call, which may unload the form and with it
// free `native`: nothing may follow that call.
std::intptr_t FormProc(sim::FormWindow& native, const sim::Message& message) {
    Form& form = *native.form;
    namespace msg = platform::msg;
    switch (message.message) {
        case msg::kActivate:
            if (form.loaded() && form.visible()) form.userActivate();
            return 0;
        case msg::kClose:
            form.userClose();
            return 0;
        case msg::kPaint:
            form.userPaint();
            return 0;
        case msg::kMouseMove: {
            const sim::MouseArguments mouse = sim::MouseOf(message);
            form.userMouseMove(mouse.button, mouse.shift, mouse.x, mouse.y);
            return 0;
        }
        case msg::kTrayCallback: {
            // The icon's id where the mouse keys stand, its mouse message where x does.
            const sim::MouseArguments mouse = sim::MouseOf(message);
            form.userTrayMouseMove(mouse.button, mouse.shift, mouse.x, mouse.y);
            return 0;
        }
        case msg::kQueryEndSession:
            return form.userQueryEndSession() ? 1 : 0;
        case msg::kEndSession:
            if (message.wParam) form.userEndSession();
            return 0;
        case msg::kCommand:
            if (auto child = native.children.find(static_cast<Handle>(message.lParam)); child != native.children.end())
                child->second->command(static_cast<int>((message.wParam >> 16) & 0xFFFF));
            return 0;
        case msg::kTimer:
            if (auto timer = native.timers.find(message.wParam); timer != native.timers.end()) timer->second->tick();
            return 0;
    }
    if (msg::IsRegistered(message.message)) form.userRegisteredMessage(message.message);
    return 0;
}

}  // namespace

void CreateFormWindow(Form& form) {
    auto& native = *(loadedForms[&form] = std::make_unique<sim::FormWindow>());
    native.form = &form;
    sim::Window record;
    record.form = &form;
    record.procedures.push_back([&native](const sim::Message& message) { return FormProc(native, message); });
    native.window = sim::CreateWindowRecord(std::move(record));
    // A form's icon is its own resource, or the program's default one; none
    // when the program has neither.
    const auto& resources = sim::M().iconResources;
    const bool hasIcon = resources.count(form.iconResource()) != 0 || resources.count("APPICON") != 0;
    form.attachNative(native.window, hasIcon ? 0x7000 + (native.window >> 4) : 0);
    sim::Peers peers(native);
    for (Control* control : form.controls()) control->createPeer(peers);
}

void DestroyFormWindow(Form& form) {
    auto& p = sim::P();
    for (Control* control : form.controls()) control->destroyPeer();
    sim::DestroyWindowRecord(form.hwnd());
    if (p.active == &form) p.active = nullptr;
    std::erase_if(p.popupChoices, [&](Menu* menu) { return menu && &menu->form() == &form; });
    loadedForms.erase(&form);
}

void FormChanged(Form& form, FormProp prop) {
    auto& p = sim::P();
    if (prop != FormProp::Visible) return;
    if (sim::Window* window = sim::FindWindow(form.hwnd())) window->visible = form.visible();
    if (!form.visible() || p.active == &form) return;
    p.active = &form;
    sim::Post(sim::Message{form.hwnd(), platform::msg::kActivate, 1, 0});
}

Control* FocusedControl(const Form& form) {
    auto native = loadedForms.find(&form);
    if (native == loadedForms.end()) return nullptr;
    const sim::Window* window = sim::FindWindow(native->second->focus);
    return window ? window->control : nullptr;
}

void SetFocus(Form& form, Control& control) {
    if (auto native = loadedForms.find(&form); native != loadedForms.end()) native->second->focus = control.hwnd();
}

void RunModal(Form& form) {
    const std::string waiter = "modal window " + form.name();
    while (form.showingModal() && !sim::P().ended) {
        if (sim::IdleStep(waiter, true) == sim::Step::Idle) {
            std::fprintf(stderr, "sim: %s waits and nothing can happen\n", waiter.c_str());
            throw sim::Hang{waiter + " waits and nothing can happen"};
        }
    }
}

void ShowPopupMenu(Form&, Menu& menu) {
    auto& p = sim::P();
    p.popups.push_back(&menu);
    if (p.popupChoices.empty()) return;
    Menu* choice = p.popupChoices.front();
    p.popupChoices.pop_front();
    if (choice) choice->userClick();
}

float TwipsPerPixelX() { return 15.0f; }

}  // namespace forms::backend
