// A real top-level window for the shell's tests, run by the procedure under
// test.
#pragma once

#include "platform/win_types.h"

class TestWindow {
public:
    // A width x height popup at the screen's top-left corner. Smaller than
    // the screen and shown without being activated, so that Wine need not
    // wait for a window manager when it goes away (up to 2 s otherwise).
    TestWindow(WNDPROC procedure, int width, int height, DWORD extendedStyle = 0);
    // Destroys the window unless the test already has, then runs whatever
    // that left waiting, the quit message of the game's procedure among it.
    ~TestWindow();

    HWND Handle() const { return window; }

    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

private:
    HWND window = nullptr;
};

// Runs the thread's waiting messages until none is left.
void RunWaitingMessages();
