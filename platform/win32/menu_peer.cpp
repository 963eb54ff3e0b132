// Menus: each Menu control has a command identifier of its form; the bar and
// the pop-up menus are built from the controls whenever one changes.
#include "platform/forms/backend.h"
#include "platform/forms/menu.h"
#include "platform/win32/menu_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class MenuPeer final : public Peer {
public:
    MenuPeer(NativeForm& native, Menu& menu) : native_(native), menu_(menu), id_(native.nextMenuId++) {
        native_.menuItems[id_] = &menu_;
        native_.menuIds[&menu_] = id_;
    }
    ~MenuPeer() override {
        native_.menuItems.erase(id_);
        native_.menuIds.erase(&menu_);
    }
    void changed(Prop) override { RebuildMenuBar(native_); }

private:
    NativeForm& native_;
    Menu& menu_;
    int id_;
};

void AppendItems(const NativeForm& native, HMENU menu, const std::vector<Menu*>& items);

void AppendItem(const NativeForm& native, HMENU menu, const Menu& item) {
    if (!item.visible()) return;
    if (item.caption() == "-") {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    UINT flags = MF_STRING | (item.enabled() ? MF_ENABLED : MF_GRAYED) | (item.checked() ? MF_CHECKED : 0);
    if (item.items().empty()) {
        const auto id = native.menuIds.find(&item);
        AppendMenuA(menu, flags, id == native.menuIds.end() ? 0 : static_cast<UINT_PTR>(id->second),
                    item.caption().c_str());
        return;
    }
    HMENU submenu = CreatePopupMenu();
    AppendItems(native, submenu, item.items());
    AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), item.caption().c_str());
}

void AppendItems(const NativeForm& native, HMENU menu, const std::vector<Menu*>& items) {
    for (const Menu* item : items) AppendItem(native, menu, *item);
}

HMENU BuildMenuBar(const NativeForm& native) {
    std::vector<Menu*> bar;
    for (Menu* menu : native.form->menuBar())
        if (menu->visible()) bar.push_back(menu);
    if (bar.empty()) return nullptr;
    HMENU menu = CreateMenu();
    AppendItems(native, menu, bar);
    return menu;
}

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Menu& control) { return std::make_unique<MenuPeer>(native, control); }

Menu* MenuByCommand(const NativeForm& native, int id) {
    auto it = native.menuItems.find(id);
    return it == native.menuItems.end() ? nullptr : it->second;
}

void RebuildMenuBar(NativeForm& native) {
    HMENU old = GetMenu(native.window);
    SetMenu(native.window, BuildMenuBar(native));
    if (old) DestroyMenu(old);
    DrawMenuBar(native.window);
}

}  // namespace forms::win32

namespace forms::backend {

void ShowPopupMenu(Form& form, Menu& menu) {
    win32::NativeForm* native = win32::Find(form);
    if (!native) return;
    HMENU popup = CreatePopupMenu();
    win32::AppendItems(*native, popup, menu.items());
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere.
    // The menu runs its own message loop, whose handlers may unload the form.
    HWND window = native->window;
    // The click on the notification area took the focus from the window;
    // the window system's report of that, handled only once the menu runs,
    // would close the menu at once. Waiting for no time takes it in first.
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    SetForegroundWindow(window);
    const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON;
    const int chosen = static_cast<int>(TrackPopupMenu(popup, flags, cursor.x, cursor.y, 0, window, nullptr));
    DestroyMenu(popup);
    // The form may have unloaded, and loaded again, meanwhile: look it up afresh.
    win32::NativeForm* now = chosen && form.loaded() ? win32::Find(form) : nullptr;
    if (Menu* item = now ? win32::MenuByCommand(*now, chosen) : nullptr) item->userClick();
    PostMessageA(window, WM_NULL, 0, 0);
}

}  // namespace forms::backend
