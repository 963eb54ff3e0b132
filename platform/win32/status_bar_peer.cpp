// The status bar: a common-controls status window at the form's foot, one
// section per panel.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/forms/status_bar.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/metrics.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class StatusBarPeer final : public ChildPeer {
public:
    StatusBarPeer(NativeForm& native, StatusBar& bar) : ChildPeer(native, bar), bar_(bar) {
        create({STATUSCLASSNAMEA, 0});
        showPanels();
    }
    void changed(Prop prop) override {
        if (prop == Prop::Panels) showPanels();
        ChildPeer::changed(prop);
    }
    void formResized() override { SendMessageA(window(), WM_SIZE, 0, 0); }

protected:
    void move() override {}  // the bar keeps to the form's foot

private:
    // Sets the sections from the panels' widths and writes each panel's text.
    void showPanels() {
        const auto& panels = bar_.panels();
        // SB_SETPARTS takes each panel's right edge, not its width.
        std::vector<int> edges;
        int right = 0;
        for (const auto& panel : panels) {
            right += PixelsX(panel.width);
            edges.push_back(right);
        }
        SendMessageA(window(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        for (std::size_t i = 0; i < panels.size(); ++i)
            SendMessageA(window(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels[i].text.c_str()));
    }
    StatusBar& bar_;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(StatusBar& control) { return std::make_unique<StatusBarPeer>(native, control); }

}  // namespace forms::win32
