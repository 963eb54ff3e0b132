// The label: static text that reports its clicks.
#include "platform/forms/label.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class LabelPeer final : public ChildPeer {
public:
    LabelPeer(NativeForm& native, Label& label) : ChildPeer(native, label), label_(label) {
        create({"STATIC", SS_LEFT | SS_NOTIFY, 0, true});
    }
    void command(int code) override {
        if (code == STN_CLICKED) label_.userClick();
    }

private:
    Label& label_;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Label& control) { return std::make_unique<LabelPeer>(native, control); }

}  // namespace forms::win32
