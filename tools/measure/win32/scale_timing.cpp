// Measures, under Wine or Windows, what a whole 1024x768 frame costs scaled
// to 1440x1080 (a full HD screen) three ways: GDI's StretchBlt with HALFTONE,
// with COLORONCOLOR, and the game's own scaler into a DIB section followed
// by a 1:1 BitBlt, as the game's copies do; and beside them the unscaled
// game's copy, the 24-bit picture put 1:1 on 32 bits by GDI. Prints the
// median milliseconds of each over the frames asked for. Run by
// scripts/measure-scaling.py.
#include "platform/picture_scaler.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Section {
    HBITMAP bitmap = nullptr;
    void* pixels = nullptr;
};

Section MakeSection(HDC dc, int width, int height, int bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = bits == 32 ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    Section section;
    section.bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &section.pixels, nullptr, 0);
    return section;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <typename Step> double Median(int frames, Step step) {
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        LARGE_INTEGER from, to;
        QueryPerformanceCounter(&from);
        step();
        GdiFlush();
        QueryPerformanceCounter(&to);
        times.push_back(Milliseconds(from, to));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const PictureFit fit = FitPicture(1920, 1080, kWidth, kHeight);
    HDC screen = GetDC(nullptr);
    const Section source = MakeSection(screen, kWidth, kHeight, 24);
    const Section target = MakeSection(screen, fit.area.right, fit.area.bottom, 32);
    const Section window = MakeSection(screen, 1920, 1080, 32); // stands for the window
    if (source.bitmap == nullptr || target.bitmap == nullptr || window.bitmap == nullptr) {
        std::fprintf(stderr, "cannot make the pictures\n");
        return 1;
    }
    auto* bytes = static_cast<unsigned char*>(source.pixels);
    for (int i = 0; i < kWidth * kHeight * 3; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 3072);
    HDC from = CreateCompatibleDC(screen);
    HDC between = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    SelectObject(from, source.bitmap);
    SelectObject(between, target.bitmap);
    SelectObject(to, window.bitmap);
    const RECT& a = fit.area;
    const int w = a.right - a.left;
    const int h = a.bottom - a.top;

    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    const double halftone = Median(
        frames, [&] { StretchBlt(to, a.left, a.top, w, h, from, 0, 0, kWidth, kHeight, SRCCOPY); });
    SetStretchBltMode(to, COLORONCOLOR);
    const double colorOnColor = Median(
        frames, [&] { StretchBlt(to, a.left, a.top, w, h, from, 0, 0, kWidth, kHeight, SRCCOPY); });
    CPictureScaler scaler;
    scaler.SetFit(fit);
    const double own = Median(frames, [&] {
        scaler.Scale(bytes, kWidth * 3, static_cast<uint32_t*>(target.pixels), fit.area.right, a);
        GdiFlush();
        BitBlt(to, a.left, a.top, w, h, between, a.left, a.top, SRCCOPY);
    });
    const double unscaled =
        Median(frames, [&] { BitBlt(to, 0, 0, kWidth, kHeight, from, 0, 0, SRCCOPY); });
    std::printf("1024x768 -> %dx%d, median of %d frames:\n", w, h, frames);
    std::printf("  StretchBlt HALFTONE      %7.2f ms\n", halftone);
    std::printf("  StretchBlt COLORONCOLOR  %7.2f ms\n", colorOnColor);
    std::printf("  own scaler + BitBlt      %7.2f ms\n", own);
    std::printf("  unscaled 1:1 BitBlt      %7.2f ms\n", unscaled);
    DeleteDC(from);
    DeleteDC(between);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return 0;
}
