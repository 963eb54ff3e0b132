// The text box: an edit control whose changes are the user's typing, except
// those the backend makes itself. The edit control is subclassed so that each
// typed character passes KeyPress first.
#include "platform/forms/text_box.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

class TextBoxPeer final : public ChildPeer {
public:
    TextBoxPeer(NativeForm& native, TextBox& box) : ChildPeer(native, box), box_(box) {
        create({"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | (box.password() ? ES_PASSWORD : 0u), WS_EX_CLIENTEDGE});
        showText();
        if (!window()) return;
        SetWindowLongPtrA(window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        editProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextBoxPeer::Procedure)));
    }
    ~TextBoxPeer() override {
        if (!window() || !editProc_) return;
        SetWindowLongPtrA(window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
        SetWindowLongPtrA(window(), GWLP_USERDATA, 0);
    }
    void changed(Prop prop) override {
        if (prop == Prop::Text) showText();
        ChildPeer::changed(prop);
    }
    void command(int code) override {
        if (code == EN_CHANGE && !settingText_) box_.userType(WindowText(window()));
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* peer = reinterpret_cast<TextBoxPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (!peer) return DefWindowProcA(window, message, wParam, lParam);
        // KeyPress may unload the form and take this peer with it.
        const WNDPROC edit = peer->editProc_;
        if (message == WM_CHAR && wParam < 256) {
            const int key = peer->box_.userKeyPress(static_cast<int>(wParam));
            if (key == 0 || !IsWindow(window)) return 0;
            wParam = static_cast<WPARAM>(key & 0xFF);
        }
        return CallWindowProcA(edit, window, message, wParam, lParam);
    }

    void showText() {
        settingText_ = true;
        SetWindowTextA(window(), box_.text().c_str());
        settingText_ = false;
    }
    TextBox& box_;
    // True while the backend itself writes the box, whose EN_CHANGE is then no typing.
    bool settingText_ = false;
    WNDPROC editProc_ = nullptr;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(TextBox& control) { return std::make_unique<TextBoxPeer>(native, control); }

}  // namespace forms::win32
