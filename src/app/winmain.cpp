// Process entry: one copy only, the main window, the main loop.
#include "app/app_globals.h"
#include "app/game_folders.h"
#include "app/main_loop.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/window_proc.h"
#include "audio/music_playlist.h"
#include "diag/log.h"
#include "game/screen_layout.h"
#include "game/win32/picture_dialogs.h"
#include "image/run_moves.h"
#include "persist/store_locations.h"
#include "resources/resource.h"
#include "sprites/anim_link.h"

#include <new>

namespace {

CSingleInstance g_singleInstance;

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // Before anything reads a file (the log included): the game's files lie
    // beside the program, wherever it was started from.
    EnterProgramFolder();
    g_className = "Varnolt";
    const std::string mutexSuffix = "S-{4f1c2a90-7d3e-11db-8a52-00a0c9e41b07}";
    if (g_singleInstance.Check(g_className.c_str(), mutexSuffix.c_str()) == 0)
        return 0;
    g_windowTitle = "Varnolt";
    // Before the window: its creation reads the options, maybe from there.
    SetUserDataDirectory(PerUserDataFolder());
    KeepStoresPerUser(InstalledCopy());
    // Every picture copy from here on uses the widest moves this processor has.
    ChooseRunMoves(WidestRunMoves());

    g_mainWindow = new (std::nothrow) CFullScreenWindow(
        MainWindowProc, g_className.c_str(), g_windowTitle.c_str(), instance, showCommand,
        IDI_VARNOLT, IDI_VARNOLT, kScreenWidth, kScreenHeight, WS_POPUP);
    if (g_mainWindow == nullptr || g_mainWindow->windowHandle == nullptr) {
        Log("No handle was created.");
        delete g_mainWindow;
        g_mainWindow = nullptr;
        return 0;
    }
    g_mainWindowHandle = static_cast<uint32_t>(HandleToLong(g_mainWindow->windowHandle));
    LinkAnimation(&g_animDoc, &g_animView, g_mainWindow->windowHandle);

    // The title is painted before the music device is opened: opening it
    // can take a while (its drivers load, a missing device is probed first),
    // and the player sees the game in the meantime.
    UpdateWindow(g_mainWindow->windowHandle);
    // The window became active while it was shown, so the music starts now;
    // from here on every activation starts it again.
    g_musicPlaylist.Play("Varnolt1.mid", g_mainWindow->windowHandle);
    g_musicPlaylist.started = 1;
    BindDialogControls();

    const WPARAM exitCode = RunMainLoop();
    delete g_mainWindow;
    g_mainWindow = nullptr;
    return static_cast<int>(exitCode);
}
