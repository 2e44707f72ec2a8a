// The mouse on Windows: capture, the cursor clip and the pointer's shape.
#include "platform/mouse.h"
#include "platform/win_types.h"

namespace platform {

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

void ShowCursorShape(HCURSOR cursor) {
    SetCursor(cursor);
}

void DestroyCursorShape(HCURSOR cursor) {
    DestroyCursor(cursor);
}

} // namespace platform
