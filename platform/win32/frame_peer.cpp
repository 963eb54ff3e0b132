// The frame: a group box that stays below its sibling controls, so that the
// controls of its group are drawn over it and not clipped by it. Being
// transparent, it leaves its inside to the form, which paints it although
// it clips its other children.
#include "platform/forms/frame.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class FramePeer final : public ChildPeer {
public:
    FramePeer(NativeForm& native, Frame& control) : ChildPeer(native, control) {
        create(ChildClass{"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT, true});
    }
    // Called once every control of the form exists, and whenever the form's
    // size changes: the controls made after the frame went below it.
    void formResized() override {
        SetWindowPos(window(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Frame& control) { return std::make_unique<FramePeer>(native, control); }

}  // namespace forms::win32
