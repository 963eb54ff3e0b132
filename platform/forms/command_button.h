#pragma once
// The command button, plain or graphical with its pictures.
#include <functional>
#include <string>

#include "platform/forms/control.h"

namespace forms {

// The pictures of a graphical button: icon resources of the program. The
// disabled picture shows while the button is disabled.
struct ButtonPictures {
    std::string picture{};
    std::string disabledPicture{};
};

// A push button; given a picture it is a graphical button, which shows the
// picture above its caption.
class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, ControlDesign design = {}, ButtonPictures pictures = {});
    void userClick();
    std::function<void()> onClick;

    const std::string& picture() const { return pictures_.picture; }
    const std::string& disabledPicture() const { return pictures_.disabledPicture; }
    // The picture the button shows now, as a reference to one of the two
    // above: the disabled one while the button is disabled and has one.
    const std::string& shownPicture() const;

    void captureDesign() override;
    void restoreDesign() override;

    bool tabStop() const override { return true; }
    // Space and Enter press the focused button.
    bool userDialogKey(int keyCode) override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    ButtonPictures pictures_;
    ButtonPictures design_;
};

}  // namespace forms
