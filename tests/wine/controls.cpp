// wcontrols.exe: the list box and report-view list kinds on the real window
// system. A form with one of each is shown; the rows check that the native
// controls show what the controls hold, and that the native controls' own
// notifications (a click in the list box, an arrow key in the list, the
// drawing of a row's colour) reach the controls as the host tests assume.
// A second form checks the controls' tool tips in its tooltip control as
// the tips change, and that the tooltip control goes with the form.
// Rows as in wcontract.exe: "ok"/"FAIL" lines and a closing "N passed, M
// failed"; exit status 1 when a row failed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "tests/contract/contract_check.h"
#include "tests/wine/tool_tip_read.h"

namespace {

using contract::Row;
using contract::Section;

struct Lists : forms::Form {
    Lists() : Form("Lists") {
        design("wcontrols", 9000, 6000);
        sites.onClick = [this] { siteClicks.push_back(sites.listIndex()); };
        services.onItemClick = [this](forms::ListItem& row) { rowClicks.push_back(row.key()); };
        services.onKeyDown = [this](std::int16_t key, std::int16_t) {
            const forms::ListItem* selected = services.selectedItem();
            keys.push_back({key, selected ? selected->index() : 0});
        };
    }
    forms::ListBox sites{*this, "sites", {.bounds = {120, 120, 3000, 2400}}, {.sorted = true}};
    forms::ListView services{*this, "services", {.bounds = {3300, 120, 5400, 2400}}};
    std::vector<int> siteClicks;
    std::vector<std::string> rowClicks;
    std::vector<std::pair<int, int>> keys;  // key code, selected row when it came
};

struct Tips : forms::Form {
    Tips() : Form("Tips") {
        design("wcontrols tips", 6000, 3000);
        typed.onKeyPress = [this](int& key) { keys += static_cast<char>(key); };
    }
    forms::CommandButton go{*this, "go", {.caption = "Go", .bounds = {120, 120, 1500, 400}, .toolTip = "first tip"}};
    forms::TextBox typed{*this, "typed", {.bounds = {120, 720, 3000, 315}, .toolTip = "type a site"}};
    forms::Label plain{*this, "plain", {.caption = "no tip", .bounds = {120, 1320, 3000, 255}}};
    std::string keys;  // as KeyPress saw them
};

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

HWND Native(const forms::Control& control) { return reinterpret_cast<HWND>(control.hwnd()); }

int Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return static_cast<int>(SendMessageA(window, message, wParam, lParam));
}

std::string ListBoxText(HWND box, int index) {
    std::string text(static_cast<std::size_t>(Send(box, LB_GETTEXTLEN, static_cast<WPARAM>(index))) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        Send(box, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::string ItemText(HWND list, int index, int sub) {
    char buffer[256] = {};
    LVITEMA item{};
    item.iSubItem = sub;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::uintptr_t ItemParam(HWND list, int index) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    Send(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<std::uintptr_t>(item.lParam);
}

int SelectedNativeRow(HWND list) { return Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED); }

// Whether any pixel of the row's first column is drawn in that colour.
bool RowHasColour(HWND list, int index, COLORREF colour) {
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT label{};
    label.left = LVIR_LABEL;
    if (!Send(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&label))) return false;
    HDC dc = GetDC(list);
    bool found = false;
    for (int y = label.top; y < label.bottom && !found; ++y)
        for (int x = label.left; x < label.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
    ReleaseDC(list, dc);
    return found;
}

// Counts the items a list's native window is given, by a subclass of it:
// list box strings added or inserted, report-view rows inserted.
struct ItemCount {
    static inline WNDPROC original = nullptr;
    static inline int items = 0;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == LB_ADDSTRING || message == LB_INSERTSTRING || message == LVM_INSERTITEMA) ++items;
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    explicit ItemCount(HWND window) : window(window) {
        items = 0;
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ItemCount::Proc)));
    }
    ~ItemCount() { SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original)); }
    HWND window;
};

std::string ListBoxTexts(HWND box) {
    std::string texts;
    for (int i = 0; i < Send(box, LB_GETCOUNT); ++i) {
        if (i) texts += ' ';
        texts += ListBoxText(box, i);
    }
    return texts;
}

std::string ControlTexts(const forms::ListBox& box) {
    std::string texts;
    for (int i = 0; i < box.listCount(); ++i) texts += (i ? " " : "") + box.list(i);
    return texts;
}

// Items added one at a time go into the native list one at a time, each in
// its place; a load of many goes in at once.
void ListBoxItemRows(Lists& w) {
    Section("list box items one by one and many at once");
    HWND box = Native(w.sites);
    w.sites.clear();
    {
        ItemCount count(box);
        for (const char* site : {"m.example", "c.example", "x.example", "a.example", "n.example"})
            w.sites.addItem(site);
        Row("five items added one by one are five native adds", ItemCount::items, 5);
    }
    Row("each in its sorted place", ListBoxTexts(box),
        std::string("a.example c.example m.example n.example x.example"));
    w.sites.setListIndex(2);
    w.sites.addItem("b.example");
    Row("an item added before the selected one keeps the selection on its item",
        ListBoxText(box, Send(box, LB_GETCURSEL)), std::string("m.example"));
    w.sites.removeItem(0);
    Row("a removed item leaves the native list", ListBoxTexts(box), ControlTexts(w.sites));

    std::vector<std::string> many;
    for (int i = 0; i < 2000; ++i) many.push_back("site" + std::to_string(100000 + i) + ".example");
    {
        ItemCount count(box);
        w.sites.addItems(many);
        Row("a load of 2000 writes the whole list once, one native add an item", ItemCount::items, 2000 + 5);
    }
    Row("the native list shows the control's items after the load", ListBoxTexts(box) == ControlTexts(w.sites), true);
    Row("the selection is still on its item", ListBoxText(box, Send(box, LB_GETCURSEL)), std::string("m.example"));
    w.sites.clear();
    Row("clearing leaves no native item", Send(box, LB_GETCOUNT), 0);
}

void ListBoxRows(Lists& w) {
    Section("list box");
    HWND box = Native(w.sites);
    Row("the list box is a LISTBOX", std::string(box ? "yes" : "no"), std::string("yes"));
    for (const char* site : {"b.example", "A.example", "c.example"}) w.sites.addItem(site);
    Row("the native list holds every item", Send(box, LB_GETCOUNT), 3);
    Row("in the control's sorted order", ListBoxText(box, 0) + " " + ListBoxText(box, 1) + " " + ListBoxText(box, 2),
        std::string("A.example b.example c.example"));
    w.sites.setListIndex(1);
    Row("ListIndex from code selects the native item", Send(box, LB_GETCURSEL), 1);

    RECT item{};
    Send(box, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM(item.left + 2, (item.top + item.bottom) / 2);
    Send(box, WM_LBUTTONDOWN, MK_LBUTTON, point);
    Send(box, WM_LBUTTONUP, 0, point);
    Pump();
    Row("a click on the third item selects it in the control", w.sites.listIndex(), 2);
    Row("and raises one click after the one from code", static_cast<int>(w.siteClicks.size()), 2);

    w.sites.removeItem(2);
    Row("removing the selected item leaves the native list without it", Send(box, LB_GETCOUNT), 2);
    Row("and without a selection", Send(box, LB_GETCURSEL), -1);
}

void ListViewRows(Lists& w) {
    Section("report-view list");
    forms::ListView& view = w.services;
    HWND list = Native(view);
    char name[64] = {};
    GetClassNameA(list, name, sizeof name);
    Row("the list is a SysListView32", std::string(name), std::string(WC_LISTVIEWA));
    Row("in report view", static_cast<int>(GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK),
        static_cast<int>(LVS_REPORT));
    view.addColumn("Name", 2400);
    view.addColumn("Status", 1200, forms::ColumnAlignment::Center);
    view.addColumn("Startup", 1200, forms::ColumnAlignment::Center);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    Row("three column headers", Send(header, HDM_GETITEMCOUNT), 3);

    forms::ListItem& alerter = view.add("ALERTER", "Alerter");
    forms::ListItem& messenger = view.add("MESSENGER", "Messenger");
    view.add("WEBCLIENT", "WebClient");
    messenger.setSubItem(1, "Started");
    messenger.setSubItem(2, "Automatic");
    Row("three native rows", Send(list, LVM_GETITEMCOUNT), 3);
    Row("a row's text and sub-items", ItemText(list, 1, 0) + "|" + ItemText(list, 1, 1) + "|" + ItemText(list, 1, 2),
        std::string("Messenger|Started|Automatic"));
    Row("each native row carries its row's id", ItemParam(list, 1) == messenger.id(), true);
    Row("the first row added is selected in the native list", SelectedNativeRow(list), 0);

    messenger.setSelected(true);
    Row("Selected from code selects the native row", SelectedNativeRow(list), 1);

    SetFocus(list);
    Send(list, WM_KEYDOWN, VK_DOWN, 0);
    Send(list, WM_KEYUP, VK_DOWN, 0);
    Pump();
    Row("the key-down event came with the key and the row selected before it",
        static_cast<int>(w.keys.size()) == 1
            ? std::to_string(w.keys[0].first) + " at " + std::to_string(w.keys[0].second)
            : std::to_string(w.keys.size()) + " events",
        std::string("40 at 2"));
    Row("then the list moved its own selection, and the control knows it",
        view.selectedItem() ? view.selectedItem()->key() : std::string("<none>"), std::string("WEBCLIENT"));
    Row("moving by keys raised no row click", static_cast<int>(w.rowClicks.size()), 0);

    // A click as the list reports it to the form.
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    click.hdr.code = NM_CLICK;
    click.iItem = 0;
    SendMessageA(reinterpret_cast<HWND>(w.hwnd()), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    Row("a click on the first row reaches the item-click event with that row",
        w.rowClicks.empty() ? std::string("<none>") : w.rowClicks.back(), std::string("ALERTER"));
    Row("and selects it", alerter.selected(), true);

    messenger.setForeColor(0x0000FF);
    Row("a row's colour draws its text in red", RowHasColour(list, 1, RGB(255, 0, 0)), true);
    Row("another row keeps the list's colour", RowHasColour(list, 2, RGB(255, 0, 0)), false);

    {
        ItemCount count(list);
        forms::ListItem& added = view.add("BROWSER", "Computer Browser");
        added.setSubItem(1, "Stopped");
        Row("a row added and changed is one native insert", ItemCount::items, 1);
    }
    Row("at the end, with its sub-item", ItemText(list, 3, 0) + "|" + ItemText(list, 3, 1),
        std::string("Computer Browser|Stopped"));
    Row("the rows before it keep theirs",
        ItemText(list, 1, 0) + "|" + ItemText(list, 1, 1) + "|" + ItemText(list, 1, 2),
        std::string("Messenger|Started|Automatic"));
    view.setSorted(true);
    Row("sorting shows the rows in their new order", ItemText(list, 0, 0) + "|" + ItemText(list, 1, 0),
        std::string("Alerter|Computer Browser"));
    Row("with their sub-items", ItemText(list, 1, 1), std::string("Stopped"));

    view.setVisible(false);
    Row("a hidden list's window is hidden", IsWindowVisible(list) != 0, false);
    view.clear();
    Row("clearing leaves no native row", Send(list, LVM_GETITEMCOUNT), 0);
}

std::string TipOf(const forms::Form& form, const forms::Control& control) {
    return tool_tips::Of(reinterpret_cast<HWND>(form.hwnd()), Native(control)).value_or("<no tool>");
}

void ToolTipRows() {
    Section("tool tips");
    Tips& w = forms::The<Tips>();
    w.Show();
    Pump();
    HWND form = reinterpret_cast<HWND>(w.hwnd());
    const std::vector<HWND> tips = tool_tips::OwnedBy(form);
    Row("the form owns one tooltip control", static_cast<int>(tips.size()), 1);
    if (tips.size() != 1) return;
    Row("it holds a tool for each control with a tip", static_cast<int>(SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0)),
        2);
    UINT flags = 0;
    Row("the button's tool carries its tip", tool_tips::Of(form, Native(w.go), &flags).value_or("<no tool>"),
        std::string("first tip"));
    Row("the tool is the button's window, which the tooltip control leaves unsubclassed",
        static_cast<int>(flags & (TTF_IDISHWND | TTF_SUBCLASS)), static_cast<int>(TTF_IDISHWND));
    Row("the text box's tool carries its tip", TipOf(w, w.typed), std::string("type a site"));
    Row("the label without a tip has no tool", TipOf(w, w.plain), std::string("<no tool>"));
    w.go.setToolTip(std::string(300, 'x'));
    Row("a tip longer than the ANSI read's 80 bytes is kept whole", TipOf(w, w.go), std::string(300, 'x'));
    w.go.setToolTip("second tip");
    Row("a changed tip shows the new text", TipOf(w, w.go), std::string("second tip"));
    w.go.setToolTip("");
    Row("an emptied tip takes the tool away", TipOf(w, w.go), std::string("<no tool>"));
    w.go.setToolTip("third tip");
    Row("a tip given again brings the tool back", TipOf(w, w.go), std::string("third tip"));
    w.plain.setToolTip("a label's tip");
    Row("a label given a tip gets a tool", TipOf(w, w.plain), std::string("a label's tip"));

    w.typed.setToolTip("");
    SendMessageA(Native(w.typed), WM_CHAR, 'a', 1);
    Pump();
    Row("with its tip gone, the text box passes a typed key through KeyPress", w.keys, std::string("a"));
    Row("and into the box", w.typed.text(), std::string("a"));

    w.Unload();
    Row("the tooltip control goes with the form", IsWindow(tips[0]) != FALSE, false);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Lists& w = forms::The<Lists>();
    w.Show();
    Pump();
    ListBoxRows(w);
    ListBoxItemRows(w);
    ListViewRows(w);
    w.Unload();
    ToolTipRows();
    std::printf("%d passed, %d failed\n", contract::passed, contract::failed);
    return contract::failed == 0 ? 0 : 1;
}
