// The forms' window class and its window procedure: each message turned into the form's event.
#include "platform/win32/form_proc.h"

#include <cmath>

#include "platform/messages.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/handles.h"
#include "platform/win32/forms_backend_keys.h"
#include "platform/win32/menu_peer.h"
#include "platform/win32/metrics.h"

// Each handler ends in a user* call, which may unload the form and with it
// free the NativeForm: nothing may follow that call.
namespace forms::win32 {

namespace {

constexpr char kFormClass[] = "FormsTopLevel";

NativeForm* NativeOf(HWND window) { return reinterpret_cast<NativeForm*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

void Bind(HWND window, LPARAM createParams) {
    auto* native = static_cast<NativeForm*>(reinterpret_cast<const CREATESTRUCTA*>(createParams)->lpCreateParams);
    native->window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native));
}

void Unbind(HWND window) { SetWindowLongPtrA(window, GWLP_USERDATA, 0); }

void OnClose(NativeForm& native) { native.form->userClose(); }

// The children that follow the form's size.
void FollowFormSize(const NativeForm& native) {
    for (const auto& [window, child] : native.children) child->formResized();
}

// A length in twips that the window's pixels show: the form's own while it
// still gives those pixels, so that rounding alone changes nothing.
int TwipsFor(int pixels, int twips, int (*toPixels)(int), float (*toTwips)(int)) {
    return toPixels(twips) == pixels ? twips : static_cast<int>(std::lround(toTwips(pixels)));
}

void OnSize(NativeForm& native, WPARAM kind) {
    if (!native.ready) return;
    FollowFormSize(native);
    Form& form = *native.form;
    // A hidden window resized from code keeps the state it will show in.
    WindowState state = form.windowState();
    if (IsWindowVisible(native.window)) {
        if (kind == SIZE_MINIMIZED) state = WindowState::Minimized;
        if (kind == SIZE_MAXIMIZED) state = WindowState::Maximized;
        if (kind == SIZE_RESTORED) state = WindowState::Normal;
    }
    // A minimised window keeps the size it comes back at.
    int width = form.bounds().width;
    int height = form.bounds().height;
    RECT outer{};
    if (kind != SIZE_MINIMIZED && GetWindowRect(native.window, &outer)) {
        width = TwipsFor(outer.right - outer.left, width, PixelsX, TwipsX);
        height = TwipsFor(outer.bottom - outer.top, height, PixelsY, TwipsY);
    }
    form.userResize(state, width, height);
}

// The mouse over the window, or, with tray set, the notification-area icon's
// callback: the icon's id stands where the mouse keys do and is read as
// them, its mouse message where x stands, which the program decodes from
// the twips.
void OnMouseMove(NativeForm& native, WPARAM keys, LPARAM position, bool tray) {
    if (!native.ready) return;
    const int x = static_cast<short>(LOWORD(position));
    const int y = static_cast<short>(HIWORD(position));
    if (tray)
        native.form->userTrayMouseMove(MouseButtons(keys), ShiftKeys(keys), TwipsX(x), TwipsY(y));
    else
        native.form->userMouseMove(MouseButtons(keys), ShiftKeys(keys), TwipsX(x), TwipsY(y));
}

// Activate means another of the program's forms was active before, as the
// program's runtime raised it.
void OnActivate(NativeForm& native, WPARAM state) {
    if (!native.ready || LOWORD(state) == WA_INACTIVE || ActiveForm() == native.form) return;
    ActiveForm() = native.form;
    native.form->userActivate();
}

void OnCommand(NativeForm& native, int id, int code, HWND child) {
    if (!native.ready) return;
    if (child) {
        if (ChildPeer* peer = ChildOf(native, child)) peer->command(code);
        return;
    }
    if (code != 0) return;  // an accelerator; the forms have none
    if (Menu* item = MenuByCommand(native, id)) item->userClick();
}

LRESULT OnNotify(NativeForm& native, const NMHDR& header) {
    ChildPeer* peer = native.ready ? ChildOf(native, header.hwndFrom) : nullptr;
    return peer ? peer->notify(header) : 0;
}

void OnTimer(NativeForm& native, UINT_PTR id) {
    if (!native.ready) return;
    auto timer = native.timers.find(id);
    if (timer != native.timers.end()) timer->second->tick();
}

// WM_DRAWITEM: a child the program draws itself (a graphical button).
bool OnDrawItem(NativeForm& native, const DRAWITEMSTRUCT& item) {
    ChildPeer* peer = native.ready ? ChildOf(native, item.hwndItem) : nullptr;
    return peer && peer->draw(item);
}

// The system paints the background; the form's paint event follows, once
// the update region is validated, so that moving its controls from the event
// asks for no second paint.
void OnPaint(NativeForm& native) {
    PAINTSTRUCT paint;
    BeginPaint(native.window, &paint);
    EndPaint(native.window, &paint);
    if (native.ready) native.form->userPaint();
}

LRESULT OnControlColor(NativeForm& native, UINT message, WPARAM dc, LPARAM child) {
    if (ChildPeer* peer = ChildOf(native, reinterpret_cast<HWND>(child)))
        return peer->color(message, reinterpret_cast<HDC>(dc));
    return DefWindowProcA(native.window, message, dc, child);
}

// WM_SETCURSOR, which the children pass up too: the form's own pointer
// over its client area, the system's elsewhere.
bool OnSetCursor(const NativeForm& native, LPARAM hitTest) {
    if (native.form->mousePointer() == kPointerDefault || LOWORD(hitTest) != HTCLIENT) return false;
    SetCursor(PointerOf(*native.form));
    return true;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) Bind(window, lParam);
    NativeForm* native = NativeOf(window);
    if (!native) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_CLOSE:
            OnClose(*native);
            return 0;
        case WM_SIZE:
            OnSize(*native, wParam);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(*native, wParam, lParam, false);
            return 0;
        case platform::msg::kTrayCallback:
            OnMouseMove(*native, wParam, lParam, true);
            return 0;
        case WM_QUERYENDSESSION:
            return native->ready && !native->form->userQueryEndSession() ? FALSE : TRUE;
        case WM_ENDSESSION:
            // The session ends once this returns: the program saves as it unloads.
            if (native->ready && wParam) native->form->userEndSession();
            return 0;
        case WM_ACTIVATE:
            // As a dialog box does: the child that had the focus when the
            // window was deactivated (the focus is still on it then) gets it
            // back straight away, without the window itself taking it first.
            if (LOWORD(wParam) == WA_INACTIVE) SaveFocus(*native);
            if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam) != 0 || !RestoreFocus(*native))
                DefWindowProcA(window, message, wParam, lParam);
            OnActivate(*native, wParam);
            return 0;
        case WM_SETFOCUS:
            RestoreFocus(*native);
            return 0;
        case WM_COMMAND:
            OnCommand(*native, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*native, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_TIMER:
            OnTimer(*native, wParam);
            return 0;
        case WM_DRAWITEM:
            if (OnDrawItem(*native, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_PAINT:
            OnPaint(*native);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return OnControlColor(*native, message, wParam, lParam);
        case WM_SETCURSOR:
            if (OnSetCursor(*native, lParam)) return TRUE;
            break;
        case WM_NCDESTROY:
            Unbind(window);
            break;
        default:
            if (platform::msg::IsRegistered(message)) {
                if (native->ready) native->form->userRegisteredMessage(message);
                return 0;
            }
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HCURSOR PointerOf(const Form& form) {
    const LPCSTR shape = form.mousePointer() == kPointerHourglass ? IDC_WAIT : IDC_ARROW;
    return LoadCursorA(nullptr, shape);
}

const char* FormClass() {
    static const bool registered = [] {
        WNDCLASSA type{};
        type.style = CS_DBLCLKS;
        type.lpfnWndProc = FormProc;
        type.hInstance = GetModuleHandleA(nullptr);
        type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        type.lpszClassName = kFormClass;
        return RegisterClassA(&type) != 0;
    }();
    (void)registered;
    return kFormClass;
}

}  // namespace forms::win32
