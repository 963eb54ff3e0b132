#pragma once
// The text box, plain or for a password.
#include <functional>

#include "platform/forms/control.h"

namespace forms {

class TextBox : public Control {
public:
    // A password box shows every character it holds as "*".
    TextBox(Form& form, std::string name, ControlDesign design = {}, bool password = false);
    bool password() const { return password_; }
    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    // The user's typing: the whole text as it now stands.
    void userType(const std::string& text);
    // The user's key that types a character, before the box takes it: returns
    // the character KeyPress leaves, 0 when it consumed the key.
    int userKeyPress(int keyAscii);
    std::function<void()> onChange;
    std::function<void(int& keyAscii)> onKeyPress;

    bool tabStop() const override { return true; }

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    std::string text_;
    std::string design_;
    bool password_;
};

}  // namespace forms
