// The play screen's system calls without a system: offscreen sections are
// plain memory, and copies and repaints are only recorded.
#include "platform/headless/headless_platform.h"
#include "platform/play_screen.h"

#include <cstddef>
#include <new>

namespace {

// What a section handle points at here.
struct HeadlessSection {
    uint8_t* pixels;
};

std::vector<headless::WindowCopy> g_windowCopies;
std::vector<HWND> g_invalidations;
int g_liveSections = 0;

template <typename T> std::vector<T> Take(std::vector<T>& record) {
    std::vector<T> taken;
    taken.swap(record);
    return taken;
}

} // namespace

namespace headless {

std::vector<WindowCopy> TakeWindowCopies() {
    return Take(g_windowCopies);
}
std::vector<HWND> TakeInvalidations() {
    return Take(g_invalidations);
}
int LiveOffscreenSections() {
    return g_liveSections;
}

} // namespace headless

namespace platform {

HBITMAP CreateOffscreenSection(HWND, int32_t width, int32_t height, void** pixels) {
    *pixels = nullptr;
    if (width <= 0 || height <= 0)
        return nullptr;
    const int64_t stride = (3 * int64_t{width} + 3) & ~int64_t{3};
    const int64_t bytes = stride * height;
    if (bytes > INT32_MAX)
        return nullptr;
    auto* section = new (std::nothrow) HeadlessSection{nullptr};
    if (section == nullptr)
        return nullptr;
    section->pixels = new (std::nothrow) uint8_t[static_cast<size_t>(bytes)];
    if (section->pixels == nullptr) {
        delete section;
        return nullptr;
    }
    ++g_liveSections;
    *pixels = section->pixels;
    return reinterpret_cast<HBITMAP>(section);
}

void DeleteOffscreenSection(HBITMAP handle) {
    if (handle == nullptr)
        return;
    auto* section = reinterpret_cast<HeadlessSection*>(handle);
    delete[] section->pixels;
    delete section;
    --g_liveSections;
}

void CopySectionToWindow(HWND window, HBITMAP, const RECT& rect) {
    if (window != nullptr)
        g_windowCopies.push_back({window, rect, true});
}

void CopyPixelsToWindow(HWND window, const void*, int32_t, int32_t, const RECT& rect) {
    if (window != nullptr)
        g_windowCopies.push_back({window, rect, false});
}

void InvalidateWindow(HWND window) {
    if (window != nullptr)
        g_invalidations.push_back(window);
}

} // namespace platform
