// The list box: a listbox control that shows the control's items in the
// control's order (the control sorts them itself) and reports the user's
// selection.
#include "platform/forms/list_box.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class ListBoxPeer final : public ChildPeer {
public:
    ListBoxPeer(NativeForm& native, ListBox& box) : ChildPeer(native, box), box_(box) {
        create({"LISTBOX", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE});
        showItems();
    }
    void changed(Prop prop) override {
        if (prop == Prop::Items) showItems();
        if (prop == Prop::Selection) showSelection();
        ChildPeer::changed(prop);
    }
    void itemChanged(ItemChange change, int index) override {
        const auto at = static_cast<WPARAM>(index);
        if (change == ItemChange::Added)
            SendMessageA(window(), LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(box_.list(index).c_str()));
        if (change == ItemChange::Removed) SendMessageA(window(), LB_DELETESTRING, at, 0);
        showSelection();
    }
    void command(int code) override {
        if (code != LBN_SELCHANGE) return;
        const LRESULT index = SendMessageA(window(), LB_GETCURSEL, 0, 0);
        if (index != LB_ERR) box_.userSelect(static_cast<int>(index));
    }

private:
    // Writes every item afresh, in one pass with the drawing held and the
    // list's storage taken at once.
    void showItems() {
        SendMessageA(window(), WM_SETREDRAW, FALSE, 0);
        SendMessageA(window(), LB_RESETCONTENT, 0, 0);
        std::size_t bytes = 0;
        for (const std::string& item : box_.items()) bytes += item.size() + 1;
        SendMessageA(window(), LB_INITSTORAGE, box_.items().size(), static_cast<LPARAM>(bytes));
        for (const std::string& item : box_.items())
            SendMessageA(window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SendMessageA(window(), WM_SETREDRAW, TRUE, 0);
        showSelection();
        InvalidateRect(window(), nullptr, TRUE);
    }
    void showSelection() { SendMessageA(window(), LB_SETCURSEL, static_cast<WPARAM>(box_.listIndex()), 0); }

    ListBox& box_;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(ListBox& control) { return std::make_unique<ListBoxPeer>(native, control); }

}  // namespace forms::win32
