// The play screen's system calls on Windows: the offscreen image is a DIB
// section, so a changed rectangle reaches the window with one block copy and
// no conversion.
#include "platform/play_screen.h"
#include "platform/win32/gdi.h"
#include "platform/win32/present.h"

#include <cstdlib>

namespace platform {

HBITMAP CreateOffscreenSection(HWND window, int32_t width, int32_t height, void** pixels) {
    *pixels = nullptr;
    if (width <= 0 || height <= 0)
        return nullptr;
    // Without a window the screen's context serves: a section with its own
    // colour format does not depend on the context's.
    const BITMAPINFO info = gdi::BitmapInfo(width, height);
    return gdi::CreateSection(window, &info, pixels);
}

void DeleteOffscreenSection(HBITMAP section) {
    if (section != nullptr)
        DeleteObject(section);
}

void CopySectionToWindow(HWND window, HBITMAP section, const RECT& rect) {
    if (window == nullptr || section == nullptr)
        return;
    // Scaled to a window or screen of another size, when the player has one.
    DIBSECTION described = {};
    if (present::CurrentFit().IsIdentity() == false &&
        GetObjectA(section, sizeof described, &described) == sizeof described &&
        present::CopyScaled(window, described.dsBm.bmBits, described.dsBm.bmWidth,
                            std::abs(described.dsBm.bmHeight), rect))
        return;
    gdi::CopyBlockToWindow(window, section, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top);
}

void CopyPixelsToWindow(HWND window, const void* pixels, int32_t width, int32_t height,
                        const RECT& rect) {
    if (window == nullptr || pixels == nullptr)
        return;
    if (present::CopyScaled(window, pixels, width, height, rect))
        return;
    {
        const gdi::WindowDC windowDC(window);
        if (windowDC.Get() == nullptr)
            return;
        const BITMAPINFO info = gdi::BitmapInfo(width, height);
        const int32_t w = rect.right - rect.left;
        const int32_t h = rect.bottom - rect.top;
        // The source's y counts from the bottom: the rows are stored bottom first.
        StretchDIBits(windowDC.Get(), rect.left, rect.top, w, h, rect.left, height - rect.bottom, w,
                      h, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
    }
    gdi::SendToScreen();
}

void InvalidateWindow(HWND window) {
    // A null window would mean every window on the desktop.
    if (window != nullptr)
        InvalidateRect(window, nullptr, FALSE);
}

} // namespace platform
