// The rich-text box: a read-only RichEdit 2.0 control given its document.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "platform/forms/rich_text_box.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/metrics.h"
#include "platform/win32/peer_factory.h"

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

class RichTextBoxPeer final : public ChildPeer {
public:
    RichTextBoxPeer(NativeForm& native, RichTextBox& box) : ChildPeer(native, box), box_(box) {
        create({RICHEDIT_CLASSA, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE});
        streamDocument();
    }
    void changed(Prop prop) override {
        if (prop == Prop::Text) streamDocument();
        ChildPeer::changed(prop);
    }

protected:
    // The box paints its own background: it takes the colour by message.
    void applyColors() override {
        ChildPeer::applyColors();
        const bool own = box_.backColor() != kSystemColor;
        SendMessageA(window(), EM_SETBKGNDCOLOR, own ? 0 : 1, own ? ColorRef(box_.backColor()) : 0);
    }

private:
    // Replaces the contents: rich text when the document begins with "{\rtf",
    // plain text otherwise.
    void streamDocument() {
        const std::string& document = box_.textRTF();
        Reader reader{document};
        EDITSTREAM stream{};
        stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
        stream.pfnCallback = ReadChunk;
        const WPARAM format = document.rfind("{\\rtf", 0) == 0 ? SF_RTF : SF_TEXT;
        SendMessageA(window(), EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    }
    RichTextBox& box_;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(RichTextBox& control) {
    return std::make_unique<RichTextBoxPeer>(native, control);
}

}  // namespace forms::win32
