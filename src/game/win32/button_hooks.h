// The picture buttons' window-procedure hooks. Each button window of the
// system "button" class gets one of two hook procedures in place of its own
// while it exists: over a button the pointer is always the arrow, and a game
// button is redrawn at every press and every move with the button held, so
// that its faces follow the system's pressed state. Windows only.
#pragma once

#include "platform/win_types.h"

#include <map>

class CWindowHook {
public:
    // The procedure the hook replaced, called for the hooked window.
    virtual LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);
    virtual ~CWindowHook() = default;
    // With a window: hooks it (a window hooked before is let go first).
    // With null: puts the replaced procedure back. Always 1.
    virtual int Attach(HWND window) = 0;

    HWND GetHookedWindow() const { return hookedWindow; }
    WNDPROC GetPreviousProc() const { return previousProc; }

    // Each hook class's table from window to hook, for its hook procedure.
    using HookMap = std::map<HWND, CWindowHook*>;

protected:
    // The work of Attach for a class with this hook procedure and map.
    int AttachTo(HWND window, WNDPROC hookProc, HookMap& map);

    HWND hookedWindow = nullptr;
    WNDPROC previousProc = nullptr;
};

// One per game button (five), each process-wide through its group.
class CGameButtonHook : public CWindowHook {
public:
    ~CGameButtonHook() override;
    int Attach(HWND window) override;
    // The hook object of a game button window, or null.
    static CWindowHook* Find(HWND window);
};

// The start button's.
class CTitleButtonHook : public CWindowHook {
public:
    ~CTitleButtonHook() override;
    int Attach(HWND window) override;
    static CWindowHook* Find(HWND window);
};

LRESULT CALLBACK GameButtonHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TitleButtonHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
