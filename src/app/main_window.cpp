#include "app/main_window.h"
#include "app/presentation.h"
#include "diag/log.h"
#include "platform/display_mode.h"

#include <string>

namespace {

const char* DeviceName(const std::string& device) {
    return device.empty() ? nullptr : device.c_str();
}

// The mode the display shows now, as its current settings report it.
DisplayMode CurrentMode(const std::string& device) {
    DEVMODEA settings = {};
    settings.dmSize = sizeof settings;
    DisplayMode shown;
    if (!EnumDisplaySettingsExA(DeviceName(device), ENUM_CURRENT_SETTINGS, &settings, 0))
        return shown;
    if ((settings.dmFields & DM_PELSWIDTH) != 0)
        shown.width = static_cast<int32_t>(settings.dmPelsWidth);
    if ((settings.dmFields & DM_PELSHEIGHT) != 0)
        shown.height = static_cast<int32_t>(settings.dmPelsHeight);
    if ((settings.dmFields & DM_BITSPERPEL) != 0)
        shown.bitsPerPixel = static_cast<int32_t>(settings.dmBitsPerPel);
    return shown;
}

} // namespace

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
// A display that already shows the game's mode is left as it is: the switch
// would change nothing but cost a moment before the title shows, and there
// is then nothing to give back at the end.
int CFullScreenWindow::SwitchDisplayMode(HWND, int width, int height) {
    const std::string& device = GetPresentation().Device();
    if (ShowsMode(CurrentMode(device), DisplayMode{width, height, 32})) {
        modeFound = true;
        Log("The display already shows %ix%i at 32 bits per pixel; it is not switched", width,
            height);
        Log("Display mode set to %ix%i, 32 bits per pixel", width, height);
        return 1;
    }
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = 32;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    // Only the monitor the game opens on: the others keep their modes.
    const LONG result =
        ChangeDisplaySettingsExA(DeviceName(device), &mode, nullptr, CDS_FULLSCREEN, nullptr);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        Log("SetDisplayMode Failed: ChangeDisplaySettingsEx returned %ld", result);
        return 0;
    }
    modeChanged = true;
    Log("Display mode set to %ix%i, 32 bits per pixel", width, height);
    return 1;
}

int CFullScreenWindow::RestoreDisplayMode() {
    if (modeFound) {
        // The display never left its own mode; the log tells of its end the
        // same way as after a switch.
        modeFound = false;
        Log("Display mode restored");
        return 0;
    }
    if (!modeChanged)
        return 0;
    // No mode: the one kept in the system's settings, the desktop's own.
    const LONG result = ChangeDisplaySettingsExA(DeviceName(GetPresentation().Device()), nullptr,
                                                 nullptr, 0, nullptr);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        Log("RestoreDisplayMode Failed: ChangeDisplaySettingsEx returned %ld", result);
        return 0;
    }
    modeChanged = false;
    Log("Display mode restored");
    return 0;
}
