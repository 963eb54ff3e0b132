#include "platform/win32/picture_box.h"

#include "platform/win32/metrics.h"

namespace forms::win32 {

namespace {

constexpr char kPictureClass[] = "FormsPictureBox";

struct Picture {
    PictureBox* box = nullptr;
    HANDLE image = nullptr;
    UINT type = IMAGE_ICON;
};

Picture* PictureOf(HWND window) { return reinterpret_cast<Picture*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

void FreeImage(Picture& picture) {
    if (!picture.image) return;
    if (picture.type == IMAGE_ICON)
        DestroyIcon(static_cast<HICON>(picture.image));
    else
        DeleteObject(picture.image);
    picture.image = nullptr;
}

void DrawBitmap(HDC dc, HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void Paint(HWND window, const Picture& picture) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const std::uint32_t back = picture.box->backColor();
    HBRUSH brush = CreateSolidBrush(back == kSystemColor ? GetSysColor(COLOR_BTNFACE) : ColorRef(back));
    FillRect(dc, &paint.rcPaint, brush);
    DeleteObject(brush);
    if (picture.image && picture.type == IMAGE_ICON)
        DrawIconEx(dc, 0, 0, static_cast<HICON>(picture.image), 0, 0, 0, nullptr, DI_NORMAL);
    else if (picture.image)
        DrawBitmap(dc, static_cast<HBITMAP>(picture.image));
    EndPaint(window, &paint);
}

void Bind(HWND window, LPARAM createParams) {
    auto* create = reinterpret_cast<const CREATESTRUCTA*>(createParams);
    auto* picture = new Picture{static_cast<PictureBox*>(create->lpCreateParams)};
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
}

void Unbind(HWND window) {
    Picture* picture = PictureOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (!picture) return;
    FreeImage(*picture);
    delete picture;
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) Bind(window, lParam);
    Picture* picture = PictureOf(window);
    if (!picture) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            Paint(window, *picture);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint fills the background
        case WM_MOUSEMOVE:
            picture->box->userMouseMove(MouseButtons(wParam), ShiftKeys(wParam),
                                        TwipsX(static_cast<short>(LOWORD(lParam))),
                                        TwipsY(static_cast<short>(HIWORD(lParam))));
            return 0;
        case WM_NCDESTROY:
            Unbind(window);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPictureClass() {
    static const bool registered = [] {
        WNDCLASSA type{};
        type.lpfnWndProc = PictureProc;
        type.hInstance = GetModuleHandleA(nullptr);
        type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        type.lpszClassName = kPictureClass;
        return RegisterClassA(&type) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND CreatePictureWindow(HWND parent, PictureBox& box, DWORD style, const RECT& bounds) {
    RegisterPictureClass();
    return CreateWindowExA(0, kPictureClass, "", style, bounds.left, bounds.top, bounds.right - bounds.left,
                           bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleA(nullptr), &box);
}

void ShowPicture(HWND window, const std::string& resourceName) {
    Picture* picture = PictureOf(window);
    if (!picture) return;
    FreeImage(*picture);
    if (!resourceName.empty()) {
        HINSTANCE program = GetModuleHandleA(nullptr);
        picture->type = IMAGE_ICON;
        picture->image = LoadImageA(program, resourceName.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
        if (!picture->image) {
            picture->type = IMAGE_BITMAP;
            picture->image = LoadImageA(program, resourceName.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
        }
    }
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace forms::win32
