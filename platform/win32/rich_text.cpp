#include "platform/win32/rich_text.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace forms::win32 {

namespace {

struct Reader {
    const std::string& document;
    std::size_t position = 0;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto& reader = *reinterpret_cast<Reader*>(cookie);
    const std::size_t left = reader.document.size() - reader.position;
    const std::size_t count = std::min(left, static_cast<std::size_t>(size));
    std::memcpy(buffer, reader.document.data() + reader.position, count);
    reader.position += count;
    *read = static_cast<LONG>(count);
    return 0;
}

}  // namespace

void StreamDocument(HWND box, const std::string& document) {
    Reader reader{document};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = ReadChunk;
    const WPARAM format = document.rfind("{\\rtf", 0) == 0 ? SF_RTF : SF_TEXT;
    SendMessageA(box, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace forms::win32
