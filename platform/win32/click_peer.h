#pragma once
// The peer of a kind whose child window only reports clicks: the click's
// notification code runs the control's userClick.
#include "platform/win32/child_peer.h"

namespace forms::win32 {

template <class Kind>
class ClickPeer final : public ChildPeer {
public:
    ClickPeer(NativeForm& native, Kind& control, const ChildClass& kind, int clickCode)
        : ChildPeer(native, control), control_(control), clickCode_(clickCode) {
        create(kind);
    }
    void command(int code) override {
        if (code == clickCode_) control_.userClick();
    }

private:
    Kind& control_;
    int clickCode_;
};

}  // namespace forms::win32
