// The command button: a push button whose click runs the control's. A
// graphical button draws itself: its picture above its caption, the
// disabled picture while it is disabled. The button window holds the
// picture it shows (BM_SETIMAGE), so that anyone can ask it which.
#include "platform/forms/command_button.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/metrics.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

// An icon resource of the program at its own size; null when there is none.
HICON LoadPicture(const std::string& name) {
    if (name.empty()) return nullptr;
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 0, 0, 0));
}

SIZE IconSize(HICON icon) {
    SIZE size{0, 0};
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return size;
    BITMAP bitmap{};
    // Without a colour bitmap the mask holds the AND and XOR halves, one above the other.
    if (GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap))
        size = {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

// The caption centred on one line, engraved as the system shows disabled text.
void DrawCaption(HDC dc, const std::string& caption, RECT line, bool disabled, COLORREF color) {
    SetBkMode(dc, TRANSPARENT);
    constexpr UINT kFormat = DT_CENTER | DT_SINGLELINE | DT_VCENTER;
    if (disabled) {
        RECT light = line;
        OffsetRect(&light, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, caption.c_str(), -1, &light, kFormat);
        color = GetSysColor(COLOR_GRAYTEXT);
    }
    SetTextColor(dc, color);
    DrawTextA(dc, caption.c_str(), -1, &line, kFormat);
}

class CommandButtonPeer final : public ChildPeer {
public:
    CommandButtonPeer(NativeForm& native, CommandButton& button) : ChildPeer(native, button), button_(button) {
        const DWORD type = button.picture().empty() ? BS_PUSHBUTTON : BS_OWNERDRAW;
        create({"BUTTON", type | WS_TABSTOP, 0, true});
        picture_ = LoadPicture(button.picture());
        disabledPicture_ = LoadPicture(button.disabledPicture());
        showCurrent();
    }
    ~CommandButtonPeer() override { freePictures(); }

    void command(int code) override {
        if (code == BN_CLICKED) button_.userClick();
    }

    void changed(Prop prop) override {
        // The picture first: enabling the window repaints it.
        if (prop == Prop::Enabled) showCurrent();
        ChildPeer::changed(prop);
    }

    bool draw(const DRAWITEMSTRUCT& item) override {
        HDC dc = item.hDC;
        const bool pushed = (item.itemState & ODS_SELECTED) != 0;
        RECT face = item.rcItem;
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        RECT inside = item.rcItem;
        InflateRect(&inside, -3, -3);
        if (pushed) OffsetRect(&inside, 1, 1);

        HICON icon = reinterpret_cast<HICON>(SendMessageA(window(), BM_GETIMAGE, IMAGE_ICON, 0));
        const SIZE picture = IconSize(icon);
        HGDIOBJ oldFont = SelectObject(dc, font() ? static_cast<HGDIOBJ>(font()) : GetStockObject(DEFAULT_GUI_FONT));
        const std::string& caption = button_.caption();
        RECT measured{0, 0, inside.right - inside.left, 0};
        if (!caption.empty()) DrawTextA(dc, caption.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
        const int textHeight = caption.empty() ? 0 : measured.bottom - measured.top;
        const int gap = picture.cy && textHeight ? 2 : 0;
        int top = inside.top + (inside.bottom - inside.top - picture.cy - gap - textHeight) / 2;
        if (icon)
            DrawIconEx(dc, inside.left + (inside.right - inside.left - picture.cx) / 2, top, icon, picture.cx,
                       picture.cy, 0, nullptr, DI_NORMAL);
        top += picture.cy + gap;
        if (textHeight) {
            const std::uint32_t fore = button_.foreColor();
            DrawCaption(dc, caption, RECT{inside.left, top, inside.right, top + textHeight},
                        (item.itemState & ODS_DISABLED) != 0,
                        fore == kSystemColor ? GetSysColor(COLOR_BTNTEXT) : ColorRef(fore));
        }
        SelectObject(dc, oldFont);
        if (item.itemState & ODS_FOCUS) {
            RECT focus = item.rcItem;
            InflateRect(&focus, -4, -4);
            DrawFocusRect(dc, &focus);
        }
        return true;
    }

private:
    void freePictures() {
        for (HICON icon : {picture_, disabledPicture_})
            if (icon) DestroyIcon(icon);
    }

    // The picture for the button's state, as the control names it.
    void showCurrent() {
        if (!window()) return;
        // shownPicture() is one of the control's two names, not a copy.
        HICON shown = &button_.shownPicture() == &button_.disabledPicture() ? disabledPicture_ : picture_;
        SendMessageA(window(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(shown));
        InvalidateRect(window(), nullptr, TRUE);
    }

    CommandButton& button_;
    HICON picture_ = nullptr;
    HICON disabledPicture_ = nullptr;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(CommandButton& control) {
    return std::make_unique<CommandButtonPeer>(native, control);
}

}  // namespace forms::win32
