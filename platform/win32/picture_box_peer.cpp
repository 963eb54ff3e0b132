// The picture box: a child window of its own class that draws an icon or
// bitmap resource of the executable and reports the mouse over it, and its
// clicks: the left button pressed and let go over the box.
#include "platform/forms/picture_box.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/metrics.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

constexpr char kPictureClass[] = "FormsPictureBox";

void DrawBitmap(HDC dc, HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

class PictureBoxPeer final : public ChildPeer {
public:
    PictureBoxPeer(NativeForm& native, PictureBox& box) : ChildPeer(native, box), box_(box) {
        create({PictureClass(), 0});
        // Bound only now: the window's messages find a whole peer.
        SetWindowLongPtrA(window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        showPicture();
    }
    ~PictureBoxPeer() override {
        SetWindowLongPtrA(window(), GWLP_USERDATA, 0);
        freeImage();
    }
    void changed(Prop prop) override {
        if (prop == Prop::Picture) showPicture();
        ChildPeer::changed(prop);
    }

private:
    static const char* PictureClass() {
        static const bool registered = [] {
            WNDCLASSA type{};
            type.lpfnWndProc = Procedure;
            type.hInstance = GetModuleHandleA(nullptr);
            type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
            type.lpszClassName = kPictureClass;
            return RegisterClassA(&type) != 0;
        }();
        (void)registered;
        return kPictureClass;
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* peer = reinterpret_cast<PictureBoxPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (!peer) return DefWindowProcA(window, message, wParam, lParam);
        switch (message) {
            case WM_PAINT:
                peer->paint();
                return 0;
            case WM_ERASEBKGND:
                return 1;  // the paint fills the background
            case WM_MOUSEMOVE:
                peer->box_.userMouseMove(MouseButtons(wParam), ShiftKeys(wParam),
                                         TwipsX(static_cast<short>(LOWORD(lParam))),
                                         TwipsY(static_cast<short>(HIWORD(lParam))));
                return 0;
            case WM_LBUTTONDOWN:
                peer->pressed_ = true;
                SetCapture(window);
                return 0;
            case WM_LBUTTONUP:
                peer->release(lParam);
                return 0;
            case WM_CAPTURECHANGED:
                peer->pressed_ = false;
                return 0;
            case WM_NCDESTROY:
                SetWindowLongPtrA(window, GWLP_USERDATA, 0);
                break;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    // Ends in the click, which may unload the form and this peer with it.
    void release(LPARAM at) {
        const bool pressed = pressed_;
        pressed_ = false;
        if (GetCapture() == window()) ReleaseCapture();
        RECT area{};
        GetClientRect(window(), &area);
        const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
        if (pressed && PtInRect(&area, point)) box_.userClick();
    }

    void freeImage() {
        if (!image_) return;
        if (type_ == IMAGE_ICON)
            DestroyIcon(static_cast<HICON>(image_));
        else
            DeleteObject(image_);
        image_ = nullptr;
    }

    // Loads the named resource, an icon or else a bitmap, in place of the shown one.
    void showPicture() {
        freeImage();
        const std::string& name = box_.picture();
        if (!name.empty()) {
            HINSTANCE program = GetModuleHandleA(nullptr);
            type_ = IMAGE_ICON;
            image_ = LoadImageA(program, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
            if (!image_) {
                type_ = IMAGE_BITMAP;
                image_ = LoadImageA(program, name.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
            }
        }
        InvalidateRect(window(), nullptr, TRUE);
    }

    void paint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        const std::uint32_t back = box_.backColor();
        HBRUSH brush = CreateSolidBrush(back == kSystemColor ? GetSysColor(COLOR_BTNFACE) : ColorRef(back));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        if (image_ && type_ == IMAGE_ICON)
            DrawIconEx(dc, 0, 0, static_cast<HICON>(image_), 0, 0, 0, nullptr, DI_NORMAL);
        else if (image_)
            DrawBitmap(dc, static_cast<HBITMAP>(image_));
        EndPaint(window(), &paint);
    }

    PictureBox& box_;
    HANDLE image_ = nullptr;
    UINT type_ = IMAGE_ICON;
    bool pressed_ = false;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(PictureBox& control) {
    return std::make_unique<PictureBoxPeer>(native, control);
}

}  // namespace forms::win32
