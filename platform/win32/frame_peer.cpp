// The frame: a group box that lies beneath the controls it holds, labels too.
#include <windows.h>
#include <commctrl.h>

#include "platform/forms/frame.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

// A group box paints only its border and caption, and the form does not paint
// beneath its children: the box fills its inside with the form's colour.
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_ERASEBKGND) {
        RECT area{};
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

class FramePeer final : public ChildPeer {
public:
    FramePeer(NativeForm& native, Frame& control) : ChildPeer(native, control) {
        create({"BUTTON", BS_GROUPBOX, 0, true, 2});
        if (!window()) return;
        SetWindowSubclass(window(), FrameProc, 0, 0);
        InvalidateRect(window(), nullptr, TRUE);
    }
    ~FramePeer() override {
        if (window()) RemoveWindowSubclass(window(), FrameProc, 0);
    }
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Frame& control) { return std::make_unique<FramePeer>(native, control); }

}  // namespace forms::win32
