#include "app/window_proc.h"
#include "app/app_globals.h"
#include "audio/music_playlist.h"
#include "diag/log.h"

namespace {

// Switching away from the game stops its animation (the main loop reads
// g_appActive) and its music; coming back starts the music from its beginning.
void OnActivateApp(HWND window, WPARAM active) {
    g_appActive = static_cast<int32_t>(active);
    Log("WM_Activateapp: wParam = %i", static_cast<int>(active));
    g_musicPlaylist.OnActivate(static_cast<int32_t>(active), window);
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ERASEBKGND:
        // Every paint covers the whole client area; erasing would only flicker.
        return 1;
    case WM_ACTIVATEAPP:
        OnActivateApp(window, wParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
