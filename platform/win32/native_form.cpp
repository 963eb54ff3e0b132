// The native side of the loaded forms: their records, and the lookups by form and by window.
#include "platform/win32/native_form.h"

#include <memory>

#include "platform/win32/handles.h"

namespace forms::win32 {

namespace {

std::map<const Form*, std::unique_ptr<NativeForm>>& All() {
    static std::map<const Form*, std::unique_ptr<NativeForm>> all;
    return all;
}

}  // namespace

NativeForm* Find(const Form& form) {
    auto it = All().find(&form);
    return it == All().end() ? nullptr : it->second.get();
}

NativeForm* FindByWindow(HWND window) {
    for (const auto& [form, native] : All())
        if (native->window == window) return native.get();
    return nullptr;
}

NativeForm& Add(Form& form) {
    auto& native = All()[&form];
    native = std::make_unique<NativeForm>();
    native->form = &form;
    return *native;
}

void Remove(const Form& form) { All().erase(&form); }

Form*& ActiveForm() {
    static Form* active = nullptr;
    return active;
}

HWND WindowOf(const Form& form) { return platform::win32::To<HWND>(form.hwnd()); }

ChildPeer* ChildOf(const NativeForm& native, HWND child) {
    auto it = native.children.find(child);
    return it == native.children.end() ? nullptr : it->second;
}

}  // namespace forms::win32
