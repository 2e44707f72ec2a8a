#include "app/window_proc.h"
#include "app/app_globals.h"
#include "app/keyboard.h"
#include "app/main_window.h"
#include "app/presentation.h"
#include "audio/music_playlist.h"
#include "diag/log.h"
#include "game/commands.h"
#include "game/win32/game_controller.h"
#include "game/win32/screens.h"
#include "image/cursor_set.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"

#include <cstdint>

namespace {

// Switching away from the game stops its animation (the main loop reads
// g_appActive) and its music; coming back starts the music from its beginning.
// The button may then come up where the game never hears of it, so a piece
// being carried goes home.
void OnActivateApp(HWND window, WPARAM active) {
    g_appActive = static_cast<int32_t>(active);
    Log("WM_Activateapp: wParam = %i", static_cast<int>(active));
    if (active == 0)
        g_animView.SendCarriedPieceHome(window);
    g_musicPlaylist.OnActivate(static_cast<int32_t>(active), window);
}

// Logoff or shutdown: the process may end without another message, so the
// page and the options are stored now. Once the session really ends, the
// music stops and the screen gets its own mode back.
LRESULT OnSessionEnding(HWND window, UINT message, WPARAM ending) {
    g_gameController.OnEndSession(window);
    if (message == WM_ENDSESSION && ending != FALSE) {
        g_musicPlaylist.Stop();
        if (g_mainWindow != nullptr)
            g_mainWindow->RestoreDisplayMode();
    }
    return message == WM_QUERYENDSESSION ? TRUE : 0;
}

// The pointer's client coordinates: signed, so that a captured mouse left of
// or above the window gives negative values. A scaled picture maps them back
// to the picture's pixels; the bands lie outside it.
POINT Pointer(LPARAM lParam) {
    return GetPresentation().ToPicture(static_cast<int16_t>(LOWORD(lParam)),
                                       static_cast<int16_t>(HIWORD(lParam)));
}

int32_t PointerX(LPARAM lParam) {
    return Pointer(lParam).x;
}

int32_t PointerY(LPARAM lParam) {
    return Pointer(lParam).y;
}

// While the picture book is open the mouse is the book's, not the page's.
bool ToBook(HWND window, UINT message, LPARAM lParam) {
    if (g_gameController.GetState() != kStateBook)
        return false;
    g_gameController.OnBookMouse(window, message, PointerX(lParam), PointerY(lParam));
    return true;
}

// The grown-up corner takes the mouse while it shows, and its door on the
// title screen takes what falls on it there.
bool ToCorner(HWND window, UINT message, LPARAM lParam) {
    const int32_t state = g_gameController.GetState();
    if (state == kStateCorner) {
        g_gameController.OnCornerMouse(window, message, PointerX(lParam), PointerY(lParam));
        return true;
    }
    return state == kStateTitle && g_gameController.Corner().OnDoorMouse(
                                       window, message, PointerX(lParam), PointerY(lParam));
}

// The keys keep working after a click on a button, which takes the focus.
void OnMouseMove(HWND window, WPARAM keys, LPARAM lParam) {
    if (GetFocus() != window)
        SetFocus(window);
    if (ToBook(window, WM_MOUSEMOVE, lParam) || ToCorner(window, WM_MOUSEMOVE, lParam))
        return;
    g_animView.OnMouseMove(window, static_cast<uint32_t>(keys), PointerX(lParam), PointerY(lParam));
}

void DrawItem(const DRAWITEMSTRUCT* item) {
    if (g_currentScreen != nullptr)
        g_currentScreen->DrawItem(item, item->CtlID);
}

void OnDrawItem(WPARAM id, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    // A scaled picture draws the button at its own size, then scales it.
    if (GetPresentation().DrawChildScaled(item, DrawItem))
        return;
    if (g_currentScreen != nullptr)
        g_currentScreen->DrawItem(item, static_cast<uint32_t>(id));
}

// Alt+Enter: full screen becomes a window and a window full screen. A piece
// being carried goes home first, as when the game loses the mouse.
bool OnSystemKey(HWND window, WPARAM key, LPARAM lParam) {
    const bool altHeld = (lParam & (1 << 29)) != 0;
    if (key != VK_RETURN || !altHeld)
        return false;
    g_animView.SendCarriedPieceHome(window);
    GetPresentation().Toggle(window);
    return true;
}

// Posted by the controller once it has switched screens, so the new screen's
// buttons are made after the switching handler has returned.
void OnScreenReady(HWND window) {
    if (g_currentScreen != nullptr)
        g_currentScreen->ShowControls(window);
    // The new screen's buttons take their places in a scaled picture.
    GetPresentation().Refit(window);
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return g_gameController.OnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_PAINT:
        g_gameController.OnPaint(window);
        GetPresentation().PaintBands(window);
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            GetPresentation().Refit(window);
        return 0;
    case WM_EXITSIZEMOVE:
        GetPresentation().Moved(window);
        return 0;
    case WM_DISPLAYCHANGE:
        GetPresentation().DisplayChanged(window);
        return 0;
    case WM_ENTERIDLE:
        if (wParam == MSGF_DIALOGBOX)
            GetPresentation().CentreDialog(window, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SYSKEYDOWN:
        if (OnSystemKey(window, wParam, lParam))
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_SYSCHAR:
        // Alt+Enter's character: no beep for a key the game used.
        if (wParam == '\r')
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_CLOSE:
        g_gameController.OnClose(window);
        return 0;
    case WM_COMMAND:
        return g_gameController.OnCommand(window, LOWORD(wParam), HIWORD(wParam));
    case WM_SETCURSOR:
        // Never DefWindowProc: the system would put its own pointer back.
        GetCursorSet()->ApplyCursor();
        return 0;
    case WM_DRAWITEM:
        OnDrawItem(wParam, lParam);
        return 1;
    case WM_KEYDOWN:
        // Bit 30: the key was already down, so this is the keyboard's repeat.
        OnKeyDown(window, static_cast<uint32_t>(wParam), (lParam & (1 << 30)) != 0);
        return 0;
    case WM_KEYUP:
        OnKeyUp(window, static_cast<uint32_t>(wParam));
        return 0;
    case UWM_QUIT_BUTTON:
        if (wParam != 0)
            g_gameController.HouseRules().LockedPress(LockedAct::kQuit);
        else
            g_gameController.HouseRules().LockedRelease();
        return 0;
    case WM_KILLFOCUS:
        // A key let go elsewhere never comes up here.
        g_gameController.HouseRules().Cancel();
        g_gameController.OnBookLostKeyboard();
        g_gameController.Corner().Cancel(window);
        return 0;
    case UWM_OPEN_CORNER:
        g_gameController.OpenCorner(window);
        return 0;
    case UWM_GAME_SCREEN_READY:
    case UWM_TITLE_SCREEN_READY:
        OnScreenReady(window);
        return 0;
    case WM_DROPFILES:
        g_gameController.OnDropFiles(window, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ERASEBKGND:
        // Every paint covers the whole client area; erasing would only flicker.
        return 1;
    case WM_ACTIVATEAPP:
        OnActivateApp(window, wParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(window, wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        if (ToBook(window, message, lParam) || ToCorner(window, message, lParam))
            return 0;
        // The title screen's badges.
        if (g_gameController.GetState() == kStateTitle &&
            g_gameController.TitlePlayers().OnClick(window, PointerX(lParam), PointerY(lParam)))
            return 0;
        g_animView.OnLButtonDown(window, static_cast<uint32_t>(wParam), PointerX(lParam),
                                 PointerY(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (ToBook(window, message, lParam) || ToCorner(window, message, lParam))
            return 0;
        g_animView.OnLButtonUp(window, static_cast<uint32_t>(wParam), PointerX(lParam),
                               PointerY(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (not the game taking it anew).
        if (reinterpret_cast<HWND>(lParam) != window)
            g_animView.SendCarriedPieceHome(window);
        return 0;
    case WM_CANCELMODE:
        g_animView.SendCarriedPieceHome(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
        return OnSessionEnding(window, message, wParam);
    case WM_RBUTTONDOWN:
        g_animView.OnRButtonDown(window, static_cast<uint32_t>(wParam), PointerX(lParam),
                                 PointerY(lParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
