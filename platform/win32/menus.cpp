#include "platform/win32/menus.h"

#include "platform/forms/backend.h"

namespace forms::win32 {

namespace {

// Above any control identifier, so that the two never meet.
constexpr int kFirstMenuCommand = 0x1000;

void AppendItems(HMENU menu, const std::vector<Menu*>& items);

void AppendItem(HMENU menu, const Menu& item) {
    if (!item.visible()) return;
    if (item.caption() == "-") {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    UINT flags = MF_STRING | (item.enabled() ? MF_ENABLED : MF_GRAYED) | (item.checked() ? MF_CHECKED : 0);
    if (item.items().empty()) {
        AppendMenuA(menu, flags, static_cast<UINT_PTR>(item.commandId()), item.caption().c_str());
        return;
    }
    HMENU submenu = CreatePopupMenu();
    AppendItems(submenu, item.items());
    AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), item.caption().c_str());
}

void AppendItems(HMENU menu, const std::vector<Menu*>& items) {
    for (const Menu* item : items) AppendItem(menu, *item);
}

HMENU BuildMenuBar(const Form& form) {
    std::vector<Menu*> bar;
    for (Menu* menu : form.menuBar())
        if (menu->visible()) bar.push_back(menu);
    if (bar.empty()) return nullptr;
    HMENU menu = CreateMenu();
    AppendItems(menu, bar);
    return menu;
}

}  // namespace

void NumberMenus(Form& form) {
    int next = kFirstMenuCommand;
    for (Control* control : form.controls())
        if (control->typeName() == "Menu") static_cast<Menu*>(control)->setCommandId(next++);
}

void RebuildMenuBar(NativeForm& native) {
    HMENU old = GetMenu(native.window);
    SetMenu(native.window, BuildMenuBar(*native.form));
    if (old) DestroyMenu(old);
    DrawMenuBar(native.window);
}

Menu* MenuByCommand(const Form& form, int id) {
    for (Control* control : form.controls()) {
        if (control->typeName() != "Menu") continue;
        auto* menu = static_cast<Menu*>(control);
        if (menu->commandId() == id) return menu;
    }
    return nullptr;
}

}  // namespace forms::win32

namespace forms::backend {

void ShowPopupMenu(Form& form, Menu& menu) {
    win32::NativeForm* native = win32::Find(form);
    if (!native) return;
    HMENU popup = CreatePopupMenu();
    win32::AppendItems(popup, menu.items());
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere.
    // The menu runs its own message loop, whose handlers may unload the form.
    HWND window = native->window;
    SetForegroundWindow(window);
    const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON;
    const int chosen = static_cast<int>(TrackPopupMenu(popup, flags, cursor.x, cursor.y, 0, window, nullptr));
    DestroyMenu(popup);
    if (Menu* item = chosen && form.loaded() ? win32::MenuByCommand(form, chosen) : nullptr) item->userClick();
    PostMessageA(window, WM_NULL, 0, 0);
}

}  // namespace forms::backend
