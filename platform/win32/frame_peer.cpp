// The frame: a group box that lies beneath the controls it holds, labels too.
#include "platform/forms/frame.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

// A group box paints only its border and caption, and the form does not paint
// beneath its children: the box fills its inside with the form's colour.
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) {
        RECT area{};
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return own ? CallWindowProcA(own, window, message, wParam, lParam)
               : DefWindowProcA(window, message, wParam, lParam);
}

class FramePeer final : public ChildPeer {
public:
    FramePeer(NativeForm& native, Frame& control) : ChildPeer(native, control) {
        create({"BUTTON", BS_GROUPBOX, 0, true, 2});
        if (!window()) return;
        const LONG_PTR own = GetWindowLongPtrA(window(), GWLP_WNDPROC);
        SetWindowLongPtrA(window(), GWLP_USERDATA, own);
        SetWindowLongPtrA(window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameProc));
        InvalidateRect(window(), nullptr, TRUE);
    }
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Frame& control) { return std::make_unique<FramePeer>(native, control); }

}  // namespace forms::win32
