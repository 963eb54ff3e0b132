// The frame: a group box kept below its sibling controls, so that the
// controls of its group are drawn over it and not clipped by it.
#include "platform/forms/frame.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class FramePeer final : public ChildPeer {
public:
    FramePeer(NativeForm& native, Frame& control) : ChildPeer(native, control) {
        create(ChildClass{"BUTTON", BS_GROUPBOX, 0, true});
        SetWindowPos(window(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Frame& control) { return std::make_unique<FramePeer>(native, control); }

}  // namespace forms::win32
