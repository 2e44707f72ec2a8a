#include "app/main_window.h"
#include "app/presentation.h"

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
