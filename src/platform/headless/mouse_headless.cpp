// The mouse on the native builds: there is no pointer; capture, clip and
// shape calls are recorded for the tests.
#include "platform/headless/headless_platform.h"
#include "platform/mouse.h"

namespace {

std::vector<std::string> g_mouseCalls;
std::vector<HCURSOR> g_shownCursors;
std::vector<HCURSOR> g_destroyedCursors;

template <typename T> std::vector<T> Take(std::vector<T>& record) {
    std::vector<T> taken;
    taken.swap(record);
    return taken;
}

std::string RectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

} // namespace

namespace headless {

std::vector<std::string> TakeMouseCalls() {
    return Take(g_mouseCalls);
}
std::vector<HCURSOR> TakeShownCursors() {
    return Take(g_shownCursors);
}
std::vector<HCURSOR> TakeDestroyedCursors() {
    return Take(g_destroyedCursors);
}

} // namespace headless

namespace platform {

void CaptureMouse(HWND) {
    g_mouseCalls.emplace_back("capture");
}

void ReleaseMouse() {
    g_mouseCalls.emplace_back("release");
}

void ClipPointer(const RECT* rect) {
    g_mouseCalls.push_back(rect != nullptr ? "clip " + RectText(*rect) : "unclip");
}

void ShowCursorShape(HCURSOR cursor) {
    g_shownCursors.push_back(cursor);
}

void DestroyCursorShape(HCURSOR cursor) {
    g_destroyedCursors.push_back(cursor);
}

} // namespace platform
