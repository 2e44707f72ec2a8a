#include "app/main_loop.h"
#include "app/app_globals.h"

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
        if (g_appActive != 0)
            Sleep(10);
        else
            WaitMessage();
    }
}
