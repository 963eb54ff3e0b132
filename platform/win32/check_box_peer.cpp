// The check box: a button that shows the three states and leaves the
// changing of its value to the control.
#include "platform/forms/check_box.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class CheckBoxPeer final : public ChildPeer {
public:
    CheckBoxPeer(NativeForm& native, CheckBox& box) : ChildPeer(native, box), box_(box) {
        create({"BUTTON", BS_3STATE | WS_TABSTOP, 0, true});
        showValue();
    }
    void changed(Prop prop) override {
        if (prop == Prop::Value) showValue();
        ChildPeer::changed(prop);
    }
    void command(int code) override {
        if (code == BN_CLICKED) box_.userClick();
    }

private:
    void showValue() {
        static const WPARAM kStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
        SendMessageA(window(), BM_SETCHECK, kStates[box_.value()], 0);
    }
    CheckBox& box_;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(CheckBox& control) { return std::make_unique<CheckBoxPeer>(native, control); }

}  // namespace forms::win32
