#pragma once
// Reads the tool tips a form's tooltip controls hold, from inside the
// program that made them: a tooltip control's records pass only within its
// own process.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace tool_tips {

// The longest tip read back.
inline constexpr int kTipLength = 1024;

struct Owned {
    HWND form;
    std::vector<HWND> toolTips;
};

inline BOOL CALLBACK CollectOwned(HWND window, LPARAM param) {
    auto* owned = reinterpret_cast<Owned*>(param);
    char type[64] = {};
    GetClassNameA(window, type, sizeof type);
    if (std::strcmp(type, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == owned->form)
        owned->toolTips.push_back(window);
    return TRUE;
}

// The tooltip controls the form's window owns, in its thread.
inline std::vector<HWND> OwnedBy(HWND form) {
    Owned owned{form, {}};
    EnumThreadWindows(GetWindowThreadProcessId(form, nullptr), CollectOwned, reinterpret_cast<LPARAM>(&owned));
    return owned.toolTips;
}

// The tip of the tool that is the control's own window, in a tooltip control
// of the form; nothing when none holds one. With `flags`, the tool's flags.
// The text is read in Unicode: the ANSI read hands back at most 80 bytes.
inline std::optional<std::string> Of(HWND form, HWND control, UINT* flags = nullptr) {
    for (HWND tips : OwnedBy(form)) {
        const int count = static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            // Windows copies the text along with the tool: the buffer takes it.
            std::vector<wchar_t> buffer(kTipLength + 1, L'\0');
            TTTOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.lpszText = buffer.data();
            if (!SendMessageW(tips, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool))) continue;
            if (!(tool.uFlags & TTF_IDISHWND) || tool.uId != reinterpret_cast<UINT_PTR>(control)) continue;
            if (flags) *flags = tool.uFlags;
            std::fill(buffer.begin(), buffer.end(), L'\0');
            tool.lpszText = buffer.data();
            SendMessageW(tips, TTM_GETTEXTW, kTipLength, reinterpret_cast<LPARAM>(&tool));
            const int length = WideCharToMultiByte(CP_ACP, 0, buffer.data(), -1, nullptr, 0, nullptr, nullptr);
            std::vector<char> text(static_cast<std::size_t>(std::max(length, 1)), '\0');
            WideCharToMultiByte(CP_ACP, 0, buffer.data(), -1, text.data(), length, nullptr, nullptr);
            return std::string(text.data());
        }
    }
    return std::nullopt;
}

}  // namespace tool_tips
