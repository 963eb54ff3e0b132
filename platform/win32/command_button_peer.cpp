// The command button: a push button whose click runs the control's.
#include "platform/forms/command_button.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class CommandButtonPeer final : public ChildPeer {
public:
    CommandButtonPeer(NativeForm& native, CommandButton& button) : ChildPeer(native, button), button_(button) {
        create({"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, true});
    }
    void command(int code) override {
        if (code == BN_CLICKED) button_.userClick();
    }

private:
    CommandButton& button_;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(CommandButton& control) {
    return std::make_unique<CommandButtonPeer>(native, control);
}

}  // namespace forms::win32
