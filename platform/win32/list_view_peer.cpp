// The report-view list: a common-controls list view in report view that shows
// the control's rows in the control's order (the control sorts them itself).
// Each native item carries its row's id as its LPARAM, by which clicks,
// selection changes and drawing find the row. The first column of a row is
// drawn in the row's own text colour.
#include <windows.h>
#include <commctrl.h>

#include <cmath>

#include "platform/forms/list_view.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/forms_backend_keys.h"
#include "platform/win32/metrics.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

int ColumnFormat(ColumnAlignment alignment) {
    static const int kFormats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
    return kFormats[static_cast<int>(alignment)];
}

COLORREF OrSystem(std::uint32_t color, int systemColor) {
    return color == kSystemColor ? GetSysColor(systemColor) : ColorRef(color);
}

class ListViewPeer final : public ChildPeer {
public:
    ListViewPeer(NativeForm& native, ListView& view) : ChildPeer(native, view), view_(view) {
        create({WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE});
        showColumns();  // and the rows
    }
    void changed(Prop prop) override {
        if (prop == Prop::Columns) showColumns();
        if (prop == Prop::Items) showRows();
        if (prop == Prop::Selection) showSelection();
        ChildPeer::changed(prop);
    }
    void itemChanged(ItemChange change, int index) override {
        syncing_ = true;
        if (change == ItemChange::Removed)
            SendMessageA(window(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
        else
            showRow(index, change == ItemChange::Added);
        syncing_ = false;
        // The row's colour is drawn from the control's own record.
        if (change == ItemChange::Changed)
            SendMessageA(window(), LVM_REDRAWITEMS, static_cast<WPARAM>(index), static_cast<LPARAM>(index));
    }
    LRESULT notify(const NMHDR& header) override {
        switch (header.code) {
            case NM_CUSTOMDRAW:
                return draw(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
            case LVN_ITEMCHANGED:
                selectionMoved(reinterpret_cast<const NMLISTVIEW&>(header));
                return 0;
            case NM_CLICK:
                clicked(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
                return 0;
            case LVN_KEYDOWN:
                // Sent before the list acts on the key.
                view_.userKeyDown(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey, KeyShift());
                return 0;
        }
        return 0;
    }

protected:
    void applyColors() override {
        const COLORREF back = OrSystem(view_.backColor(), COLOR_WINDOW);
        SendMessageA(window(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
        SendMessageA(window(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
        SendMessageA(window(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(OrSystem(view_.foreColor(), COLOR_WINDOWTEXT)));
        InvalidateRect(window(), nullptr, TRUE);
    }

private:
    void showColumns() {
        while (SendMessageA(window(), LVM_DELETECOLUMN, 0, 0)) {
        }
        int index = 0;
        for (const ColumnHeader& header : view_.columns()) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
            column.fmt = ColumnFormat(header.alignment);
            column.cx = PixelsX(static_cast<int>(std::lround(header.width)));
            column.pszText = const_cast<char*>(header.text.c_str());
            column.iSubItem = index;
            SendMessageA(window(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
            ++index;
        }
        LONG_PTR style = GetWindowLongPtrA(window(), GWL_STYLE) & ~static_cast<LONG_PTR>(LVS_NOCOLUMNHEADER);
        if (view_.hideColumnHeaders()) style |= LVS_NOCOLUMNHEADER;
        SetWindowLongPtrA(window(), GWL_STYLE, style);
        SendMessageA(window(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                     view_.fullRowSelect() ? LVS_EX_FULLROWSELECT : 0);
        // The rows' sub-items follow the columns.
        showRows();
    }

    // Writes every row afresh, in one pass with the drawing held.
    void showRows() {
        syncing_ = true;
        SendMessageA(window(), WM_SETREDRAW, FALSE, 0);
        SendMessageA(window(), LVM_DELETEALLITEMS, 0, 0);
        SendMessageA(window(), LVM_SETITEMCOUNT, static_cast<WPARAM>(view_.itemCount()), 0);
        for (int index = 0; index < view_.itemCount(); ++index) showRow(index, true);
        SendMessageA(window(), WM_SETREDRAW, TRUE, 0);
        syncing_ = false;
        showSelection();
        InvalidateRect(window(), nullptr, TRUE);
    }

    // Writes the texts of the row at `index` (from 0), as a new native item
    // or into the one there.
    void showRow(int index, bool insert) {
        const ListItem& row = view_.item(index + 1);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index;
        item.pszText = const_cast<char*>(row.text().c_str());
        item.lParam = static_cast<LPARAM>(row.id());
        SendMessageA(window(), insert ? LVM_INSERTITEMA : LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int sub = 1; sub < view_.columnCount(); ++sub) {
            LVITEMA text{};
            text.iSubItem = sub;
            text.pszText = const_cast<char*>(row.subItem(sub).c_str());
            SendMessageA(window(), LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text));
        }
    }

    void showSelection() {
        syncing_ = true;
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = 0;
        // Item -1: every item.
        SendMessageA(window(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        if (const ListItem* selected = view_.selectedItem()) {
            state.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(window(), LVM_SETITEMSTATE, static_cast<WPARAM>(selected->index() - 1),
                         reinterpret_cast<LPARAM>(&state));
        }
        syncing_ = false;
    }

    ListItem* rowAt(int index) const {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = index;
        if (index < 0 || !SendMessageA(window(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
        return view_.itemById(static_cast<std::uintptr_t>(item.lParam));
    }

    void selectionMoved(const NMLISTVIEW& change) {
        if (syncing_ || !(change.uChanged & LVIF_STATE)) return;
        const bool was = change.uOldState & LVIS_SELECTED, is = change.uNewState & LVIS_SELECTED;
        if (was == is) return;
        ListItem* row = view_.itemById(static_cast<std::uintptr_t>(change.lParam));
        if (is)
            view_.userSelect(row);
        else if (row && row == view_.selectedItem())
            view_.userSelect(nullptr);
    }

    void clicked(int index) {
        if (ListItem* row = rowAt(index)) view_.userClickItem(*row);
    }

    LRESULT draw(const NMLVCUSTOMDRAW& draw) {
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
        if (draw.nmcd.dwDrawStage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return CDRF_DODEFAULT;
        const ListItem* row = view_.itemById(static_cast<std::uintptr_t>(draw.nmcd.lItemlParam));
        const bool own = draw.iSubItem == 0 && row && row->foreColor() != kSystemColor;
        // The structure is the list's own, to be written for this item.
        const_cast<NMLVCUSTOMDRAW&>(draw).clrText =
            own ? ColorRef(row->foreColor()) : OrSystem(view_.foreColor(), COLOR_WINDOWTEXT);
        return CDRF_DODEFAULT;
    }

    ListView& view_;
    // True while the peer itself writes the list, whose notifications are then no user's doing.
    bool syncing_ = false;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(ListView& control) { return std::make_unique<ListViewPeer>(native, control); }

}  // namespace forms::win32
