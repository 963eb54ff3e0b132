// The simulated report-view list: a window record that takes WM_KEYDOWN as
// the common control does, raising the key-down event first and then moving
// its own selection for the arrow keys.
#include "platform/forms/keys.h"
#include "platform/messages.h"
#include "platform/sim/peers.h"

namespace sim {

namespace {

class ListViewPeer final : public ControlPeer {
public:
    ListViewPeer(FormWindow& form, forms::ListView& view) : ControlPeer(form, view), view_(view) {
        FindWindow(handle())->procedures.front() = [this](const Message& message) { return receive(message); };
        showRows();
    }
    void changed(forms::Prop prop) override {
        if (prop == forms::Prop::Items || prop == forms::Prop::Columns) showRows();
        ControlPeer::changed(prop);
    }
    void itemChanged(forms::ItemChange change, int index) override {
        MirrorItem(handle(), change, index,
                   change == forms::ItemChange::Removed ? std::string() : view_.item(index + 1).text());
    }

private:
    std::intptr_t receive(const Message& message) {
        // A disabled window gets no keys.
        if (message.message != platform::msg::kKeyDown || !view_.enabled()) return 0;
        const Handle window = handle();
        const int key = static_cast<int>(message.wParam);
        view_.userKeyDown(key, P().keyShift);
        // The handler may have unloaded the form, and this peer with it.
        if (FindWindow(window) && (key == forms::kKeyUp || key == forms::kKeyDown)) move(key);
        return 0;
    }

    // The rows' sub-items follow the columns: a change of columns shows the rows again.
    void showRows() {
        MirrorItems(handle(), view_.itemCount(), [this](int index) { return view_.item(index + 1).text(); });
    }

    void move(int key) {
        const forms::ListItem* selected = view_.selectedItem();
        if (!selected) {
            if (view_.itemCount() > 0) view_.userSelect(&view_.item(1));
            return;
        }
        const int next = selected->index() + (key == forms::kKeyDown ? 1 : -1);
        if (next >= 1 && next <= view_.itemCount()) view_.userSelect(&view_.item(next));
    }

    forms::ListView& view_;
};

}  // namespace

std::unique_ptr<forms::Peer> Peers::make(forms::ListView& control) {
    return std::make_unique<ListViewPeer>(form, control);
}

}  // namespace sim
