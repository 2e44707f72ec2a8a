// The scaled copies: the game's own scaler fills a client-sized 32-bit DIB
// section, block by block, and GDI copies each block 1:1 from it. GDI's
// StretchBlt does the same job in one call, but under Wine it costs about
// 22 ms a whole frame with HALFTONE and 4.3 ms with COLORONCOLOR (which
// drops pixels); bench/present_bench.cpp measures the scaler against that.
#include "platform/picture_scaler.h"
#include "platform/win32/gdi.h"
#include "platform/win32/present.h"

namespace present {

namespace {

struct Target {
    HBITMAP section = nullptr;
    uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

CPictureScaler g_scaler;
Target g_target;
bool g_scaled = false;

void DropTarget() {
    if (g_target.section != nullptr)
        DeleteObject(g_target.section);
    g_target = Target();
}

// A top-down 32-bit picture as large as the area's right and bottom edges,
// so that client coordinates index it directly.
bool EnsureTarget(HWND window, const PictureFit& fit) {
    if (g_target.section != nullptr && g_target.width == fit.area.right &&
        g_target.height == fit.area.bottom)
        return true;
    DropTarget();
    const BITMAPINFO info = gdi::BitmapInfo(fit.area.right, -fit.area.bottom, 32);
    void* pixels = nullptr;
    g_target.section = gdi::CreateSection(window, &info, &pixels);
    if (g_target.section == nullptr)
        return false;
    g_target.pixels = static_cast<uint32_t*>(pixels);
    g_target.width = fit.area.right;
    g_target.height = fit.area.bottom;
    return true;
}

} // namespace

void SetFit(HWND window, const PictureFit& fit) {
    g_scaled = !fit.IsIdentity();
    g_scaler.SetFit(fit);
    if (!g_scaled)
        DropTarget();
    else
        EnsureTarget(window, fit);
}

const PictureFit& CurrentFit() {
    static const PictureFit identity = FitPicture(1024, 768, 1024, 768);
    return g_scaled ? g_scaler.Fit() : identity;
}

void PreparePaint(HDC dc) {
    if (!g_scaled || dc == nullptr)
        return;
    const PictureFit& fit = g_scaler.Fit();
    SetGraphicsMode(dc, GM_ADVANCED);
    XFORM transform = {};
    transform.eM11 = static_cast<FLOAT>(fit.AreaWidth()) / static_cast<FLOAT>(fit.pictureWidth);
    transform.eM22 = static_cast<FLOAT>(fit.AreaHeight()) / static_cast<FLOAT>(fit.pictureHeight);
    transform.eDx = static_cast<FLOAT>(fit.area.left);
    transform.eDy = static_cast<FLOAT>(fit.area.top);
    SetWorldTransform(dc, &transform);
    // Whole factors keep their pixels; other sizes are smoothed, as the
    // play screen's own scaler does.
    SetStretchBltMode(dc, fit.IsSmooth() ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(dc, 0, 0, nullptr);
}

bool CopyScaled(HWND window, const void* pixels, int32_t width, int32_t height, const RECT& rect) {
    if (!g_scaled)
        return false;
    const PictureFit& fit = g_scaler.Fit();
    if (width != fit.pictureWidth || height != fit.pictureHeight || pixels == nullptr)
        return true; // not the screen's picture: nothing sensible to show
    if (!EnsureTarget(window, fit))
        return true;
    const RECT block = PictureToClient(fit, rect);
    if (block.left >= block.right || block.top >= block.bottom)
        return true;
    const int32_t stride = (width * 3 + 3) & ~3;
    g_scaler.Scale(static_cast<const uint8_t*>(pixels), stride, g_target.pixels, g_target.width,
                   block);
    GdiFlush(); // the section's pixels were written behind GDI's back
    gdi::CopyBlockToWindow(window, g_target.section, block.left, block.top,
                           block.right - block.left, block.bottom - block.top);
    return true;
}

void PaintScaledChild(HDC target, const RECT& targetRect, int32_t pictureWidth,
                      int32_t pictureHeight, void (*draw)(HDC dc, void* context), void* context) {
    HBITMAP picture = CreateCompatibleBitmap(target, pictureWidth, pictureHeight);
    if (picture == nullptr)
        return;
    {
        const gdi::MemoryDC memory(target, picture);
        if (memory.Get() != nullptr) {
            draw(memory.Get(), context);
            const PictureFit& fit = CurrentFit();
            SetStretchBltMode(target, fit.IsSmooth() ? HALFTONE : COLORONCOLOR);
            SetBrushOrgEx(target, 0, 0, nullptr);
            StretchBlt(target, targetRect.left, targetRect.top, targetRect.right - targetRect.left,
                       targetRect.bottom - targetRect.top, memory.Get(), 0, 0, pictureWidth,
                       pictureHeight, SRCCOPY);
        }
    }
    DeleteObject(picture);
}

} // namespace present
