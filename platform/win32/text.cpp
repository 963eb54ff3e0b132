// Code-page conversions through the system's own calls.
#include "platform/text.h"

#include <windows.h>

namespace platform::text {

std::uint32_t AnsiCodePage() { return GetACP(); }

std::u16string WideFromAnsi(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, reinterpret_cast<wchar_t*>(wide.data()), length);
    return wide;
}

long WideToMultiByte(std::uint32_t codePage, std::uint32_t flags, const std::u16string& wide, std::string* bytes,
                     bool* usedDefault) {
    bytes->clear();
    if (usedDefault) *usedDefault = false;
    if (wide.empty()) return ERROR_SUCCESS;
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int size = static_cast<int>(wide.size());
    BOOL used = FALSE;
    BOOL* const asked = usedDefault ? &used : nullptr;
    const int length = WideCharToMultiByte(codePage, flags, units, size, nullptr, 0, nullptr, asked);
    if (length <= 0) return static_cast<long>(GetLastError());
    bytes->assign(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, flags, units, size, bytes->data(), length, nullptr, asked) != length) {
        const long error = static_cast<long>(GetLastError());
        bytes->clear();
        return error != ERROR_SUCCESS ? error : ERROR_INSUFFICIENT_BUFFER;
    }
    if (usedDefault) *usedDefault = used != FALSE;
    return ERROR_SUCCESS;
}

}  // namespace platform::text
