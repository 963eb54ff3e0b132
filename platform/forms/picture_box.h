#pragma once
// The picture box: an icon or bitmap resource, the mouse over it and its click.
#include <functional>
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A picture box: shows an icon or bitmap resource and reports the mouse and
// its clicks.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name, ControlDesign design = {}, std::string picture = {});
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& resourceName);
    void userMouseMove(int button, int shift, float x, float y);
    void userClick();
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    std::function<void()> onClick;

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    std::string picture_;
    std::string design_;
};

}  // namespace forms
