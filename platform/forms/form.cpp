// A form: its life (load, show, hide, unload), its properties and events, the single instances,
// the dispatcher every handler runs through, and the tray callback's mouse message.
#include "platform/forms/form.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/forms/backend.h"
#include "platform/forms/keys.h"
#include "platform/process_globals.h"
#include "platform/program.h"
#include "platform/scope_exit.h"
#include "platform/window.h"

namespace forms {

namespace {

std::vector<detail::Slot*>& Slots() {
    static std::vector<detail::Slot*> slots;
    return slots;
}

int dispatchDepth = 0;

const platform::ResetAtStart resetForms([] {
    DestroyAllForms();
    dispatchDepth = 0;
});

}  // namespace

detail::Slot::Slot() { Slots().push_back(this); }

std::vector<Form*> AllForms() {
    std::vector<Form*> forms;
    for (detail::Slot* slot : Slots())
        if (slot->form) forms.push_back(slot->form.get());
    return forms;
}

float ScreenTwipsPerPixelX() { return backend::TwipsPerPixelX(); }

// The backend gives the icon's mouse message as the X of a mouse event, a
// pixel per unit, converted to twips as every X is.
std::int32_t TrayMouseMessage(float x) { return static_cast<std::int32_t>(std::lround(x / ScreenTwipsPerPixelX())); }

void DestroyAllForms() {
    for (detail::Slot* slot : Slots()) {
        if (slot->form && slot->form->loaded()) backend::DestroyFormWindow(*slot->form);
        slot->form.reset();
    }
}

void Dispatch(const std::function<void()>& handler) {
    ++dispatchDepth;
    const platform::ScopeExit depth([] { --dispatchDepth; });
    // The error's message box pumps messages, whose handlers may end the
    // program too: the outer try sees that end as well.
    try {
        try {
            handler();
        } catch (const platform::Error& e) {
            platform::MessageBox("Error " + std::to_string(e.number()) + ": " + e.what(),
                                 platform::kMbOk | platform::kMbIconError);
        } catch (const std::exception& e) {
            platform::MessageBox(std::string("Unexpected error: ") + e.what(),
                                 platform::kMbOk | platform::kMbIconError);
        }
    } catch (const platform::ProgramEnded&) {
        if (dispatchDepth > 1) throw;
    }
}

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() = default;

void Form::design(const std::string& caption, int width, int height, BorderStyle border) {
    caption_ = caption;
    bounds_.width = width;
    bounds_.height = height;
    borderStyle_ = border;
}

void Form::addControl(Control* control) { controls_.push_back(control); }

void Form::removeControl(Control* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    menus_.erase(std::remove(menus_.begin(), menus_.end(), control), menus_.end());
}

std::vector<Menu*> Form::menuBar() const {
    std::vector<Menu*> bar;
    for (Menu* menu : menus_)
        if (!menu->parent()) bar.push_back(menu);
    return bar;
}

void Form::changed(FormProp prop) {
    if (loaded_) backend::FormChanged(*this, prop);
}

void Form::captureDesign() {
    designCaption_ = caption_;
    designBounds_ = bounds_;
    for (Control* control : controls_) control->captureDesign();
    designCaptured_ = true;
}

void Form::Load() {
    if (loaded_) return;
    if (!designCaptured_) captureDesign();
    loaded_ = true;
    try {
        backend::CreateFormWindow(*this);
    } catch (...) {
        loaded_ = false;  // no window, so the next use tries the load afresh
        throw;
    }
    if (onLoad) onLoad();
}

void Form::Show(ShowMode mode) {
    Load();
    if (!loaded_) return;  // the load handler unloaded the form again
    setVisible(true);
    if (mode == ShowMode::Modal) {
        ++modalDepth_;
        const platform::ScopeExit leave([this] { modalDepth_ = std::max(0, modalDepth_ - 1); });
        backend::RunModal(*this);
    }
}

void Form::Hide() { setVisible(false); }

void Form::setVisible(bool visible) {
    if (visible && !loaded_) Load();
    if (visible_ == visible) return;
    visible_ = visible;
    if (!visible) modalDepth_ = 0;
    // The first control takes the focus before the window shows, so that
    // the window's activation hands it straight on.
    if (visible && loaded_ && !focusedControl())
        if (Control* first = nextInTabOrder(nullptr, 1)) giveFocus(*first);
    changed(FormProp::Visible);
    // As the runtime does, a form's first showing after its load raises Resize.
    if (visible && loaded_ && !shownSinceLoad_) {
        shownSinceLoad_ = true;
        if (onResize) onResize();
    }
}

Control* Form::focusedControl() const { return loaded_ ? backend::FocusedControl(*this) : nullptr; }

void Form::giveFocus(Control& control) {
    if (loaded_) backend::SetFocus(*this, control);
}

void Form::focusNext(const Control& from) {
    if (Control* next = nextInTabOrder(&from, 1)) giveFocus(*next);
}

Control* Form::nextInTabOrder(const Control* from, int step) const {
    const auto count = static_cast<std::ptrdiff_t>(controls_.size());
    auto start = std::find(controls_.begin(), controls_.end(), from) - controls_.begin();
    if (start == count) start = step > 0 ? count - 1 : 0;
    for (std::ptrdiff_t i = 1; i <= count; ++i) {
        Control* control = controls_[static_cast<std::size_t>(((start + step * i) % count + count) % count)];
        if (control->canFocus()) return control;
    }
    return nullptr;
}

bool Form::userDialogKey(int keyCode, int shift) {
    if (!loaded_ || (shift & (kCtrlMask | kAltMask)) != 0) return false;
    Control* focus = focusedControl();
    if (keyCode == kKeyTab) {
        if (Control* next = nextInTabOrder(focus, (shift & kShiftMask) != 0 ? -1 : 1)) giveFocus(*next);
        return true;
    }
    return focus && focus->userDialogKey(keyCode);
}

bool Form::requestUnload(int mode) {
    if (!loaded_) return false;
    int cancel = 0;
    if (onQueryUnload) onQueryUnload(cancel, mode);
    if (cancel != 0 || !loaded_) return false;
    if (onUnload) onUnload(cancel);
    if (cancel != 0 || !loaded_) return false;
    return true;
}

void Form::finishUnload() {
    backend::DestroyFormWindow(*this);
    loaded_ = false;
    shownSinceLoad_ = false;
    visible_ = false;
    modalDepth_ = 0;
    native_ = 0;
    icon_ = 0;
    mousePointer_ = kPointerDefault;
    windowState_ = WindowState::Normal;
    caption_ = designCaption_;
    bounds_ = designBounds_;
    for (Control* control : controls_) control->restoreDesign();
}

void Form::Unload() {
    if (requestUnload(kFromCode)) finishUnload();
}

void Form::userClose() {
    Dispatch([this] {
        if (requestUnload(kFromControlMenu)) finishUnload();
    });
}

void Form::setCaption(const std::string& caption) {
    caption_ = caption;
    changed(FormProp::Caption);
}

void Form::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    changed(FormProp::MousePointer);
}

void Form::setWindowState(WindowState state) {
    if (windowState_ == state) return;
    windowState_ = state;
    changed(FormProp::WindowState);
    if (loaded_ && onResize) onResize();
}

void Form::userSetWindowState(WindowState state) {
    Dispatch([this, state] {
        if (windowState_ == state) return;
        windowState_ = state;
        if (onResize) onResize();
    });
}

void Form::userResize(WindowState state, int width, int height) {
    Dispatch([=, this] {
        if (windowState_ == state && bounds_.width == width && bounds_.height == height) return;
        windowState_ = state;
        bounds_.width = width;
        bounds_.height = height;
        if (onResize) onResize();
    });
}

void Form::userMouseMove(int button, int shift, float x, float y) {
    Dispatch([&] {
        if (onMouseMove) onMouseMove(button, shift, x, y);
    });
}

void Form::userTrayMouseMove(int button, int shift, float x, float y) {
    Dispatch([&] {
        if (onTrayMouseMove) onTrayMouseMove(button, shift, x, y);
    });
}

void Form::userRegisteredMessage(std::uint32_t message) {
    Dispatch([&] {
        for (const auto& [name, handler] : onRegisteredMessage)
            if (handler && platform::window::RegisterMessage(name) == message) {
                const std::function<void()> run = handler;  // the handler may change the map
                run();
                return;
            }
    });
}

bool Form::userQueryEndSession() {
    bool ends = true;
    Dispatch([&] {
        if (!loaded_ || !onQueryUnload) return;
        int cancel = 0;
        onQueryUnload(cancel, kFromWindows);
        ends = cancel == 0;
    });
    return ends;
}

void Form::userEndSession() {
    Dispatch([this] {
        if (!loaded_) return;
        int cancel = 0;
        if (onUnload) onUnload(cancel);
        if (loaded_) finishUnload();
    });
}

void Form::userActivate() {
    Dispatch([this] {
        if (onActivate) onActivate();
    });
}

void Form::userPaint() {
    Dispatch([this] {
        if (loaded_ && onPaint) onPaint();
    });
}

void Form::setBounds(int left, int top, int width, int height) {
    bounds_ = Rect{left, top, width, height};
    changed(FormProp::Bounds);
}

void Form::PopupMenu(Menu& menu) {
    if (loaded_) backend::ShowPopupMenu(*this, menu);
}

}  // namespace forms
