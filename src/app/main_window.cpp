#include "app/main_window.h"
#include "app/presentation.h"
#include "diag/log.h"

CMainWindow::CMainWindow(WNDPROC windowProc, const char* className, const char* title,
                         HINSTANCE instance, int showCommand, int iconId, int smallIconId,
                         int width, int height, DWORD style)
    : instance(instance) {
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(smallIconId));
    // No class cursor: the window sets its own on every WM_SETCURSOR.
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);

    creation = {0,     className, title,   style,   0,        0,
                width, height,    nullptr, nullptr, instance, nullptr};
    windowHandle =
        CreateWindowExA(creation.extendedStyle, creation.className, creation.title, creation.style,
                        creation.x, creation.y, creation.width, creation.height, creation.parent,
                        creation.menu, creation.instance, creation.parameter);
    if (windowHandle != nullptr)
        ShowWindow(windowHandle, showCommand);
}

CFullScreenWindow::CFullScreenWindow(WNDPROC windowProc, const char* className, const char* title,
                                     HINSTANCE instance, int showCommand, int iconId,
                                     int smallIconId, int width, int height, DWORD style)
    : CMainWindow(windowProc, className, title, instance, showCommand, iconId, smallIconId, width,
                  height, style) {
    // The designed mode switch, unless the player chose a scaled picture; a
    // failed switch is logged and the picture is scaled to the screen instead.
    GetPresentation().Begin(*this, windowHandle, width, height);
}

CFullScreenWindow::~CFullScreenWindow() {
    RestoreDisplayMode();
}

// Switches the display to the game's size with the system's own display
// settings, for this process only (CDS_FULLSCREEN): nothing lies over the
// game's window, and the desktop's mode comes back when the game is gone.
int CFullScreenWindow::SwitchDisplayMode(HWND, int width, int height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = 32;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    // Only the monitor the game opens on: the others keep their modes.
    const std::string& device = GetPresentation().Device();
    const LONG result = ChangeDisplaySettingsExA(device.empty() ? nullptr : device.c_str(), &mode,
                                                 nullptr, CDS_FULLSCREEN, nullptr);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        Log("SetDisplayMode Failed: ChangeDisplaySettingsEx returned %ld", result);
        return 0;
    }
    modeChanged = true;
    Log("Display mode set to %ix%i, 32 bits per pixel", width, height);
    return 1;
}

int CFullScreenWindow::RestoreDisplayMode() {
    if (!modeChanged)
        return 0;
    // No mode: the one kept in the system's settings, the desktop's own.
    const std::string& device = GetPresentation().Device();
    const LONG result = ChangeDisplaySettingsExA(device.empty() ? nullptr : device.c_str(), nullptr,
                                                 nullptr, 0, nullptr);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        Log("RestoreDisplayMode Failed: ChangeDisplaySettingsEx returned %ld", result);
        return 0;
    }
    modeChanged = false;
    Log("Display mode restored");
    return 0;
}
