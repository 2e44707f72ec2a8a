#include "app/single_instance.h"
#include "app/app_globals.h"

#include <string>

// Four bytes in a section every process of this program file shares.
__attribute__((section(".shr"), shared)) volatile uint32_t g_mainWindowHandle = 0;

CSingleInstanceBase::~CSingleInstanceBase() {
    if (mutexHandle != nullptr)
        CloseHandle(mutexHandle);
}

int CSingleInstance::Check(const char* className, const char* suffix) {
    const std::string name = std::string(className) + suffix;
    mutexHandle = CreateMutexA(nullptr, TRUE, name.c_str());
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    // Only the mutex's existence matters; nobody ever waits on it.
    if (mutexHandle != nullptr)
        ReleaseMutex(mutexHandle);
    if (!existed)
        return 1;
    if (g_mainWindowHandle == 0)
        return 0;
    HWND first = static_cast<HWND>(LongToHandle(static_cast<LONG>(g_mainWindowHandle)));
    if (IsIconic(first))
        ShowWindow(first, SW_RESTORE);
    // With a dialog open (the about box, the directions, the ending picture)
    // the dialog comes to the front, and the window beneath stays disabled,
    // as the dialog left it.
    HWND front = GetLastActivePopup(first);
    SetForegroundWindow(front);
    if (front == first)
        EnableWindow(first, TRUE);
    return 0;
}
