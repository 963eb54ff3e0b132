#pragma once
// The peer of a control kind with a child window of the form: it owns the
// window, its font and its brush, mirrors the properties all kinds share, and
// gets the messages the form's window receives about its child.
#include "platform/forms/control.h"
#include "platform/win32/native_form.h"

namespace forms::win32 {

// The window class and styles of a kind.
struct ChildClass {
    const char* name;
    DWORD style;
    DWORD exStyle = 0;
    bool showsCaption = false;
    // Lies beneath its sibling windows: 1 as a label does under a control it
    // overlaps, 2 as a frame does under everything it holds, labels too.
    int beneath = 0;
};

class ChildPeer : public Peer {
public:
    ~ChildPeer() override;
    Handle handle() const override;
    HWND window() const { return window_; }
    // The control this peer stands for.
    Control& owner() const { return control_; }
    void changed(Prop prop) override;

    // WM_COMMAND from the child, with its notification code.
    virtual void command(int code) { (void)code; }
    // WM_NOTIFY from the child.
    virtual LRESULT notify(const NMHDR& header) {
        (void)header;
        return 0;
    }
    // WM_DRAWITEM for an owner-drawn child: true when the peer drew it.
    virtual bool draw(const DRAWITEMSTRUCT& item) {
        (void)item;
        return false;
    }
    // WM_CTLCOLOR*: the system's answer, with the control's own colours over it.
    virtual LRESULT color(UINT message, HDC dc);
    // The form's client area changed size.
    virtual void formResized() {}
    // Once all the form's controls are made, layer by layer (1, then 2): a
    // kind that lies beneath its siblings on that layer goes below every one
    // of them.
    void settleZOrder(int layer);

protected:
    ChildPeer(NativeForm& native, Control& control) : native_(native), control_(control) {}
    // Makes the child window, with its font and colours; each kind calls it
    // from its own constructor and then shows its own state.
    void create(const ChildClass& kind, void* createParams = nullptr);
    // Makes the brush for the back colour, or drops it for the system's.
    virtual void applyColors();
    virtual void move();
    const Control& control() const { return control_; }
    HFONT font() const { return font_; }

    NativeForm& native_;

private:
    void applyFont();
    void showToolTip();

    Control& control_;
    bool showsCaption_ = false;
    // The form's tooltip control holds a tool for the window.
    bool tipShown_ = false;
    int beneath_ = 0;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH brush_ = nullptr;
};

}  // namespace forms::win32
