// The command button: a push button whose click runs the control's.
#include "platform/forms/command_button.h"
#include "platform/win32/click_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

std::unique_ptr<Peer> Win32Peers::make(CommandButton& control) {
    return std::make_unique<ClickPeer<CommandButton>>(
        native, control, ChildClass{"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, true}, BN_CLICKED);
}

}  // namespace forms::win32
