// The label: static text that reports its clicks.
#include "platform/forms/label.h"
#include "platform/win32/click_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

std::unique_ptr<Peer> Win32Peers::make(Label& control) {
    return std::make_unique<ClickPeer<Label>>(native, control, ChildClass{"STATIC", SS_LEFT | SS_NOTIFY, 0, true, true},
                                              STN_CLICKED);
}

}  // namespace forms::win32
