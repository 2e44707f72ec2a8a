// Switches the display to the game's size through DirectDraw, which is used
// for nothing else: all drawing goes through GDI.
#include "app/main_window.h"
#include "diag/log.h"

int CFullScreenWindow::SwitchDisplayMode(HWND window, int width, int height) {
    if (FAILED(DirectDrawCreate(nullptr, &directDraw, nullptr))) {
        Log("DirectDrawCreateEx Failed");
        return 0;
    }
    if (FAILED(directDraw->SetCooperativeLevel(window, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE))) {
        Log("SetCooperativeLevel Failed");
        return 0;
    }
    if (FAILED(directDraw->SetDisplayMode(width, height, 32))) {
        Log("SetDisplayMode Failed");
        return 0;
    }
    return 1;
}

int CFullScreenWindow::RestoreDisplayMode() {
    if (directDraw == nullptr)
        return 0;
    if (FAILED(directDraw->RestoreDisplayMode())) {
        Log("RestoreDisplayMode Failed");
        return 0;
    }
    if (FAILED(directDraw->Release())) {
        Log("Release Failed");
        return 0;
    }
    directDraw = nullptr;
    return 0;
}
