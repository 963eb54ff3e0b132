// Code-page conversions through the system's own calls.
#include "platform/text.h"

#include <windows.h>

namespace platform::text {

std::u16string WideFromAnsi(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, reinterpret_cast<wchar_t*>(wide.data()), length);
    return wide;
}

bool AnsiFromWide(const std::u16string& wide, std::string* ansi) {
    ansi->clear();
    if (wide.empty()) return true;
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int size = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, size, nullptr, 0, nullptr, &lost);
    if (length <= 0 || lost) return false;
    ansi->assign(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, size, ansi->data(), length, nullptr, &lost);
    return !lost;
}

}  // namespace platform::text
