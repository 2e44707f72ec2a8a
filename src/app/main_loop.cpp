#include "app/main_loop.h"
#include "app/app_globals.h"
#include "app/main_window.h"
#include "game/win32/game_controller.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"

namespace {

constexpr DWORD kIdleMilliseconds = 10;

} // namespace

WPARAM RunMainLoop() {
    MSG message = {};
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (GetMessageA(&message, nullptr, 0, 0) == 0)
                return message.wParam;
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (g_appActive == 0) {
            WaitMessage();
            continue;
        }
        // A child lock's hold that is now long enough acts.
        if (g_mainWindow != nullptr)
            g_gameController.HouseRules().Tick(g_mainWindow->windowHandle);
        // The page's (or the open book's) changes reach the screen here, as
        // soon as the messages that made them are done.
        if (g_gameController.GetState() == kStatePlaying && g_mainWindow != nullptr)
            g_animView.Tick(g_mainWindow->windowHandle);
        else if (g_gameController.GetState() == kStateBook && g_mainWindow != nullptr)
            g_gameController.TickBook(g_mainWindow->windowHandle);
        else if (g_mainWindow != nullptr)
            // The title screen's door and the corner's held controls.
            g_gameController.TickCorner(g_mainWindow->windowHandle);
        // Woken at once by input, so that a carried piece keeps up with the
        // pointer; otherwise the loop rests 10 ms, as little processor as
        // the plain sleep took.
        MsgWaitForMultipleObjectsEx(0, nullptr, kIdleMilliseconds, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}
