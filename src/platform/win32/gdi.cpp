#include "platform/win32/gdi.h"

namespace gdi {

MemoryDC::MemoryDC(HDC like, HBITMAP bitmap) : dc(CreateCompatibleDC(like)) {
    if (dc != nullptr)
        previous = SelectObject(dc, bitmap);
}

MemoryDC::~MemoryDC() {
    if (dc == nullptr)
        return;
    SelectObject(dc, previous);
    DeleteDC(dc);
}

BITMAPINFO BitmapInfo(int32_t width, int32_t height, WORD bitCount) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP CreateSection(HWND window, const BITMAPINFO* info, void** pixels) {
    *pixels = nullptr;
    const WindowDC dc(window);
    if (dc.Get() == nullptr)
        return nullptr;
    HBITMAP section = CreateDIBSection(dc.Get(), info, DIB_RGB_COLORS, pixels, nullptr, 0);
    if (section == nullptr)
        *pixels = nullptr;
    return section;
}

namespace {

// The memory device context every 1:1 copy of a bitmap reads through, made
// once. A context of its own for each copy is what the design's steps say,
// but under Wine each new context looks up X resources and costs server
// round trips: a page change made two dozen of them, the title screen
// twelve thousand. A context compatible with the screen serves every
// target on it; the copy converts the pixels the same way whichever
// context holds the source.
class SharedSource {
public:
    SharedSource() : dc(CreateCompatibleDC(nullptr)) {}
    ~SharedSource() {
        if (dc != nullptr)
            DeleteDC(dc);
    }
    const HDC dc;
};

HDC SharedSourceDC() {
    static const SharedSource source;
    return source.dc;
}

} // namespace

bool BlitBitmap(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, HBITMAP bitmap,
                int32_t srcX, int32_t srcY) {
    HDC shared = SharedSourceDC();
    // A bitmap held by another context cannot be selected here; such a copy,
    // and any copy without the shared context, makes a context of its own.
    const HGDIOBJ previous = shared != nullptr ? SelectObject(shared, bitmap) : nullptr;
    if (previous == nullptr) {
        const MemoryDC memory(dc, bitmap);
        if (memory.Get() == nullptr)
            return false;
        BitBlt(dc, x, y, width, height, memory.Get(), srcX, srcY, SRCCOPY);
        return true;
    }
    BitBlt(dc, x, y, width, height, shared, srcX, srcY, SRCCOPY);
    SelectObject(shared, previous);
    return true;
}

void CopyBlockToWindow(HWND window, HBITMAP section, int32_t x, int32_t y, int32_t width,
                       int32_t height) {
    {
        const WindowDC windowDC(window);
        if (windowDC.Get() == nullptr)
            return;
        BlitBitmap(windowDC.Get(), x, y, width, height, section, x, y);
    }
    SendToScreen();
}

void SendToScreen() {
    GetQueueStatus(QS_MOUSEMOVE);
}

} // namespace gdi
