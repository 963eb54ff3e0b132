// Message boxes, owned by the active window, titled with the program's name
// unless given a title.
#include "platform/dialogs.h"
#include "platform/version.h"
#include "platform/win32/handles.h"

// windows.h maps the name to MessageBoxA; ours is the portable one.
#undef MessageBox

namespace platform {

std::string ProgramTitle() { return version::OwnVersion().productName; }

int MessageBox(const std::string& text, std::uint32_t flags, const std::string& title) {
    HWND owner = GetActiveWindow();
    const std::string caption = title.empty() ? ProgramTitle() : title;
    // Without an owner the box still holds up the program's other windows.
    const UINT modality = owner ? 0u : static_cast<UINT>(MB_TASKMODAL);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags | modality);
}

}  // namespace platform
