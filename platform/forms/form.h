#pragma once
// A form: one top-level window of the program with its controls. A form is a
// single instance (see The<F>), loads once until it unloads, and shows
// modeless or modal. Its events are std::function slots that the derived
// window wires to its handlers. The values its constructor gives the form and
// its controls are the design, taken once the form is constructed (The<F>)
// and given back whenever it unloads.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/controls.h"

namespace forms {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class BorderStyle { None, Sizable, FixedSingle, FixedDialog, FixedToolWindow };
enum class ShowMode { Modeless = 0, Modal = 1 };

// Why a form is asked to unload, as QueryUnload reports it.
enum UnloadMode { kFromControlMenu = 0, kFromCode = 1, kFromWindows = 2 };

// Which form property changed, for the backend.
enum class FormProp { Caption, Visible, WindowState, Bounds, MousePointer };

// Mouse pointers a form can show over itself.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;

class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    // Lifecycle.
    bool loaded() const { return loaded_; }
    void Load();                                    // runs onLoad once per load
    void Show(ShowMode mode = ShowMode::Modeless);  // loads first when needed
    void Hide();
    void Unload();  // QueryUnload, then Unload; either may cancel
    bool showingModal() const { return modalDepth_ > 0; }

    // The user's close box.
    void userClose();
    // The window system minimising, restoring or maximising the window.
    void userSetWindowState(WindowState state);
    // The window system giving the window a new state or outer size (twips):
    // Resize runs when either changed.
    void userResize(WindowState state, int width, int height);
    // The window system reporting the mouse over the client area (twips).
    void userMouseMove(int button, int shift, float x, float y);
    // The window system activating the window.
    void userActivate();
    // The window system asking the window to paint its client area.
    void userPaint();
    // The notification-area icon's callback: the icon's id where a mouse
    // message has its keys, and its mouse message where X stands (in twips).
    void userTrayMouseMove(int button, int shift, float x, float y);
    // A message registered by name reached the window (a broadcast of
    // another program, such as the shell's "TaskbarCreated"): the handler
    // under the name it was registered by runs, if the form has one.
    void userRegisteredMessage(std::uint32_t message);
    // Windows ending the session (log-off, shut-down): QueryUnload with
    // kFromWindows; true when the form lets the session end.
    bool userQueryEndSession();
    // The session ends: Unload runs and the form unloads (its QueryUnload
    // came with userQueryEndSession).
    void userEndSession();

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    WindowState windowState() const { return windowState_; }
    // A change raises onResize, as the window system does.
    void setWindowState(WindowState state);
    // Outer position and size in twips.
    const Rect& bounds() const { return bounds_; }
    void setBounds(int left, int top, int width, int height);
    BorderStyle borderStyle() const { return borderStyle_; }
    bool minButton() const { return minButton_; }
    bool maxButton() const { return maxButton_; }
    bool centred() const { return centred_; }
    // The name of the icon resource the window carries.
    const std::string& iconResource() const { return iconResource_; }
    Handle icon() const { return icon_; }
    // The pointer shown over the window and its controls (kPointer*).
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);

    // The native window; 0 while the form is not loaded.
    Handle hwnd() const { return native_; }

    // Shows one of the form's menus at the mouse position and waits until the
    // user chose an item (whose onClick runs) or dismissed the menu.
    void PopupMenu(Menu& menu);

    const std::vector<Control*>& controls() const { return controls_; }
    std::vector<Menu*> menuBar() const;  // top-level menus, in order

    // The keyboard. The tab order is the order the controls were made in;
    // the focus moves only to a control that can take it (Control::canFocus).
    // When the form shows and none of its controls has the focus, the first
    // that can take it gets it.
    //
    // The control with the focus while the form is active; nullptr for none.
    Control* focusedControl() const;
    // The window system's dialog keys, offered before the focused control
    // sees the key: Tab and Shift+Tab move the focus to the next and the
    // previous control of the tab order, wrapping round; a focused button
    // takes Space and Enter, a focused check box Space, as a click. False
    // when the key is left to the control (arrows in a list, Enter in a text
    // box, ...).
    bool userDialogKey(int keyCode, int shift);

    std::function<void()> onLoad;
    std::function<void()> onActivate;
    std::function<void()> onResize;
    std::function<void()> onPaint;
    std::function<void(int& cancel, int unloadMode)> onQueryUnload;
    std::function<void(int& cancel)> onUnload;
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    // The notification-area icon's callback, with its mouse message in X;
    // never raised by the mouse over the window.
    std::function<void(int button, int shift, float x, float y)> onTrayMouseMove;
    // Handlers of messages registered by name (RegisterWindowMessage), by name.
    std::map<std::string, std::function<void()>> onRegisteredMessage;

    // Backend and control use.
    void attachNative(Handle native, Handle icon) {
        native_ = native;
        icon_ = icon;
    }
    void addControl(Control* control);
    void removeControl(Control* control);
    void addMenu(Menu* menu) { menus_.push_back(menu); }
    void giveFocus(Control& control);
    // The focus leaves `from`, which can no longer take it, for the next
    // control of the tab order that can.
    void focusNext(const Control& from);
    // Takes the form's and its controls' values as the design; The<F> does so
    // right after the constructor, and a first load of a form made otherwise.
    void captureDesign();

protected:
    // Design values, set by the derived window's constructor.
    void design(const std::string& caption, int width, int height, BorderStyle border = BorderStyle::Sizable);
    void setIconResource(const std::string& name) { iconResource_ = name; }
    void setButtons(bool minButton, bool maxButton) {
        minButton_ = minButton;
        maxButton_ = maxButton;
    }
    void setCentred(bool centred) { centred_ = centred; }

private:
    bool requestUnload(int mode);
    // The control `step` places (1 or -1) from `from` in the tab order, the
    // first that can take the focus, wrapping round; from no control, the
    // first or the last. nullptr when none can.
    Control* nextInTabOrder(const Control* from, int step) const;
    void finishUnload();
    void changed(FormProp prop);

    std::string name_;
    std::string caption_;
    bool loaded_ = false;
    bool visible_ = false;
    bool shownSinceLoad_ = false;
    bool designCaptured_ = false;
    int modalDepth_ = 0;
    WindowState windowState_ = WindowState::Normal;
    Rect bounds_{0, 0, 4800, 3600};
    BorderStyle borderStyle_ = BorderStyle::Sizable;
    bool minButton_ = true;
    bool maxButton_ = true;
    bool centred_ = false;
    std::string iconResource_;
    std::string designCaption_;
    Rect designBounds_;
    Handle native_ = 0;
    Handle icon_ = 0;
    int mousePointer_ = kPointerDefault;
    std::vector<Control*> controls_;
    std::vector<Menu*> menus_;
};

// The screen's twips per pixel across: 15 at 96 dots per inch.
float ScreenTwipsPerPixelX();
// The mouse message (msg::kLButtonDown, ...) a notification-area icon's
// callback carries, from the X that onTrayMouseMove is given.
std::int32_t TrayMouseMessage(float x);

// Every form ever created by The<F>, in order of creation.
std::vector<Form*> AllForms();

namespace detail {
struct Slot {
    std::unique_ptr<Form> form;
    Slot();
};
}  // namespace detail

// The single instance of a form, created on first use.
template <class F>
F& The() {
    static detail::Slot slot;
    if (!slot.form) {
        slot.form = std::make_unique<F>();
        slot.form->captureDesign();
    }
    return static_cast<F&>(*slot.form);
}

// Destroys every form instance, unloading none: the next use creates afresh.
// A new process of the simulation starts so.
void DestroyAllForms();

// Runs an event handler. A platform::Error or other exception that leaves it
// is shown in a message box and the program goes on; the end of the program
// unwinds to the outermost dispatch.
void Dispatch(const std::function<void()>& handler);

}  // namespace forms
