// The programs' entry point: makes the window system ready, lets the program
// create its first window, then runs the message loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "platform/forms/form.h"
#include "platform/program.h"
#include "platform/win32/forms_backend_keys.h"

namespace {

bool AnyFormLoaded() {
    for (const forms::Form* form : forms::AllForms())
        if (form->loaded()) return true;
    return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The window thread is COM's single-threaded apartment: the embedded web
    // browser and the browsers' and shell's events need it. Without COM the
    // programs run on, without them.
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // The rich-text box needs the class "RichEdit20A" registered.
    LoadLibraryA("riched20.dll");

    forms::Dispatch(platform::ProgramMain);

    // Like the programs' runtime, the program ends when a handler has returned
    // and no form is loaded any more, or at WM_QUIT. The forms' dialog keys
    // come before a key is translated.
    MSG message{};
    while (AnyFormLoaded() && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (forms::win32::DialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (ole) OleUninitialize();
    return static_cast<int>(message.wParam);
}
