// The programs' entry point: makes the window system ready, lets the program
// create its first window, then runs the message loop until WM_QUIT.
#include <windows.h>
#include <commctrl.h>

#include "platform/forms/form.h"
#include "platform/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // The rich-text box needs the class "RichEdit20A" registered.
    LoadLibraryA("riched20.dll");

    forms::Dispatch(platform::ProgramMain);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
