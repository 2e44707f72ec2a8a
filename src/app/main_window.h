// The game's one top-level window: a borderless 1024x768 popup at (0, 0) that
// switches the display to its own size while it exists.
#pragma once

#include "platform/win_types.h"

class CMainWindow {
public:
    // Registers the class, creates the window and shows it. A failed creation
    // leaves windowHandle null.
    CMainWindow(WNDPROC windowProc, const char* className, const char* title, HINSTANCE instance,
                int showCommand, int iconId, int smallIconId, int width, int height, DWORD style);
    virtual ~CMainWindow() = default;

    HWND windowHandle = nullptr;

    CMainWindow(const CMainWindow&) = delete;
    CMainWindow& operator=(const CMainWindow&) = delete;

protected:
    WNDCLASSEXA windowClass = {};
    struct CreationParameters {
        DWORD extendedStyle;
        const char* className;
        const char* title;
        DWORD style;
        int x, y, width, height;
        HWND parent;
        HMENU menu;
        HINSTANCE instance;
        void* parameter;
    } creation = {};
    HINSTANCE instance = nullptr;
};

class CFullScreenWindow : public CMainWindow {
public:
    CFullScreenWindow(WNDPROC windowProc, const char* className, const char* title,
                      HINSTANCE instance, int showCommand, int iconId, int smallIconId, int width,
                      int height, DWORD style);
    // Gives the display its previous mode back, after the window is gone.
    ~CFullScreenWindow() override;

    // 1 when the display now shows width x height at 32 bits per pixel,
    // switched to it or found in it already.
    int SwitchDisplayMode(HWND window, int width, int height);
    // Puts the display's previous mode back, once, if the switch changed it;
    // always 0. Called by the destructor, by Alt+Enter from the switched mode
    // and when the session ends.
    int RestoreDisplayMode();

private:
    // The switch changed the display's mode: the desktop's must come back.
    bool modeChanged = false;
    // The display already showed the game's mode: nothing to give back.
    bool modeFound = false;
};
