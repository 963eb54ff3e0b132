#pragma once
// The check box: clear, checked or grey; a new value raises its click.
#include <functional>

#include "platform/forms/control.h"

namespace forms {

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, ControlDesign design = {});
    int value() const { return value_; }
    // 0 clear, 1 checked, 2 grey; any other value raises error 380. A change
    // raises onClick at once, inside this call.
    void setValue(int value);
    void userClick();
    std::function<void()> onClick;

    bool tabStop() const override { return true; }
    // Space ticks or clears the focused box, as a click does.
    bool userDialogKey(int keyCode) override;

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    int value_ = 0;
    int design_ = 0;
};

}  // namespace forms
