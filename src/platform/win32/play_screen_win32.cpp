// The play screen's system calls on Windows: the offscreen image is a DIB
// section, so a changed rectangle reaches the window with one block copy and
// no conversion.
#include "platform/platform.h"
#include "platform/win_types.h"

namespace {

// The window's device context, released on every path.
class WindowDC {
public:
    explicit WindowDC(HWND window)
        : window(window), dc(window != nullptr ? GetDC(window) : nullptr) {}
    ~WindowDC() {
        if (dc != nullptr)
            ReleaseDC(window, dc);
    }
    HDC Get() const { return dc; }

    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

private:
    HWND window;
    HDC dc;
};

// A 24-bit picture stored bottom row first, no colour table.
BITMAPINFO InfoFor(int32_t width, int32_t height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

namespace platform {

HBITMAP CreateOffscreenSection(HWND window, int32_t width, int32_t height, void** pixels) {
    *pixels = nullptr;
    if (width <= 0 || height <= 0)
        return nullptr;
    // Without a window the screen's context serves: a section with its own
    // colour format does not depend on the context's.
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return nullptr;
    const BITMAPINFO info = InfoFor(width, height);
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, pixels, nullptr, 0);
    ReleaseDC(window, dc);
    if (section == nullptr)
        *pixels = nullptr;
    return section;
}

void DeleteOffscreenSection(HBITMAP section) {
    if (section != nullptr)
        DeleteObject(section);
}

void CopySectionToWindow(HWND window, HBITMAP section, const RECT& rect) {
    const WindowDC windowDC(window);
    if (windowDC.Get() == nullptr || section == nullptr)
        return;
    HDC memoryDC = CreateCompatibleDC(windowDC.Get());
    if (memoryDC == nullptr)
        return;
    HGDIOBJ previous = SelectObject(memoryDC, section);
    BitBlt(windowDC.Get(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           memoryDC, rect.left, rect.top, SRCCOPY);
    SelectObject(memoryDC, previous);
    DeleteDC(memoryDC);
}

void CopyPixelsToWindow(HWND window, const void* pixels, int32_t width, int32_t height,
                        const RECT& rect) {
    const WindowDC windowDC(window);
    if (windowDC.Get() == nullptr || pixels == nullptr)
        return;
    const BITMAPINFO info = InfoFor(width, height);
    const int32_t w = rect.right - rect.left;
    const int32_t h = rect.bottom - rect.top;
    // The source's y counts from the bottom: the rows are stored bottom first.
    StretchDIBits(windowDC.Get(), rect.left, rect.top, w, h, rect.left, height - rect.bottom, w, h,
                  pixels, &info, DIB_RGB_COLORS, SRCCOPY);
}

void InvalidateWindow(HWND window) {
    // A null window would mean every window on the desktop.
    if (window != nullptr)
        InvalidateRect(window, nullptr, FALSE);
}

void CaptureMouse(HWND window) {
    if (window != nullptr)
        SetCapture(window);
}

void ReleaseMouse() {
    ReleaseCapture();
}

void ClipPointer(const RECT* rect) {
    ClipCursor(rect);
}

} // namespace platform
