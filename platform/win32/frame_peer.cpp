// The frame: a group box that lies beneath the controls it holds.
#include "platform/forms/frame.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class FramePeer final : public ChildPeer {
public:
    FramePeer(NativeForm& native, Frame& control) : ChildPeer(native, control) {
        create({"BUTTON", BS_GROUPBOX, 0, true, true});
    }
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Frame& control) { return std::make_unique<FramePeer>(native, control); }

}  // namespace forms::win32
