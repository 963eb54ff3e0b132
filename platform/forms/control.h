#pragma once
// The base of every control: the properties all kinds share, kept in memory in
// both builds. While the form is loaded the control has a peer, made by the
// backend for its kind, which mirrors the properties into a native control
// and feeds the user's actions back through the user* members of each kind.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/forms/peer.h"
#include "platform/types.h"

namespace forms {

class Form;

// A colour the control leaves to the system's scheme.
inline constexpr std::uint32_t kSystemColor = 0xFFFFFFFFu;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The design values every kind shares, as a form's constructor gives them:
// `forms::Label title{*this, "title", {.caption = "Hello", .bounds = {120, 120, 2000, 285}}};`
struct ControlDesign {
    std::string caption{};
    Rect bounds{};  // twips, relative to the form's client area
    std::string fontName = "MS Sans Serif";
    double fontSize = 8.25;
    bool fontBold = false;
    std::uint32_t backColor = kSystemColor;  // colours are 0x00BBGGRR
    std::uint32_t foreColor = kSystemColor;
    bool visible = true;
    bool enabled = true;
    std::string toolTip{};
};

class Control {
public:
    Control(Form& form, const char* typeName, std::string name, ControlDesign design = {});
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    // The kind's type name, as the skin glue tests it ("CommandButton", ...).
    const std::string& typeName() const { return typeName_; }
    const std::string& name() const { return name_; }

    const std::string& caption() const { return common_.caption; }
    void setCaption(const std::string& caption);
    bool visible() const { return common_.visible; }
    void setVisible(bool visible);
    bool enabled() const { return common_.enabled; }
    void setEnabled(bool enabled);
    // Position and size in twips, relative to the form's client area.
    const Rect& bounds() const { return common_.bounds; }
    void setBounds(int left, int top, int width, int height);
    std::uint32_t backColor() const { return common_.backColor; }
    void setBackColor(std::uint32_t color);
    std::uint32_t foreColor() const { return common_.foreColor; }
    void setForeColor(std::uint32_t color);
    const std::string& fontName() const { return common_.fontName; }
    double fontSize() const { return common_.fontSize; }
    bool fontBold() const { return common_.fontBold; }
    void setFont(const std::string& name, double size, bool bold = false);
    const std::string& toolTip() const { return common_.toolTip; }
    void setToolTip(const std::string& text);

    // The keyboard. The kinds the keyboard reaches are tab stops; one takes
    // the focus while it is visible and enabled and its form is loaded.
    virtual bool tabStop() const { return false; }
    bool canFocus() const;
    bool hasFocus() const;
    // The program handing the control the focus. A control that cannot take
    // it (hidden, disabled, no tab stop) leaves the focus where it is.
    void setFocus();
    // Form use: a dialog key (Form::userDialogKey) pressed while the control
    // has the focus; true when the control took it.
    virtual bool userDialogKey(int keyCode) {
        (void)keyCode;
        return false;
    }

    // The native window of the control; 0 while the form is not loaded and
    // for kinds without a window.
    Handle hwnd() const { return peer_ ? peer_->handle() : 0; }

    // Backend use: the peer while the form is loaded.
    void createPeer(PeerFactory& factory) { peer_ = makePeer(factory); }
    void destroyPeer() { peer_.reset(); }
    Peer* peer() const { return peer_.get(); }

    // Form use: the design values, taken once the form is constructed and
    // given back when it unloads.
    virtual void captureDesign() { design_ = common_; }
    virtual void restoreDesign() { common_ = design_; }

protected:
    // The kind's peer from the backend's factory: `return factory.make(*this);`
    virtual std::unique_ptr<Peer> makePeer(PeerFactory& factory) = 0;
    // Tells the peer that a property changed, while the form is loaded.
    void changed(Prop prop);
    // Tells the peer about one item of a list, while the form is loaded.
    void itemChanged(ItemChange change, int index);

private:
    Form& form_;
    std::string typeName_;
    std::string name_;
    ControlDesign common_;
    ControlDesign design_;
    std::unique_ptr<Peer> peer_;
};

}  // namespace forms
