#include "win32/test_window.h"

#include <cstdio>

TestWindow::TestWindow(WNDPROC procedure, int width, int height, DWORD extendedStyle) {
    // One class per procedure: a class name registered before keeps the
    // procedure it was registered with.
    char className[64];
    std::snprintf(className, sizeof className, "VarnoltTest%p", reinterpret_cast<void*>(procedure));
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
    window = CreateWindowExA(extendedStyle, className, "Varnolt", WS_POPUP, 0, 0, width, height,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
}

TestWindow::~TestWindow() {
    if (IsWindow(window))
        DestroyWindow(window);
    RunWaitingMessages();
}

void RunWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
