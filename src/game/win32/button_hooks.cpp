#include "game/win32/button_hooks.h"
#include "game/commands.h"
#include "image/cursor_set.h"

namespace {

// Each class's window -> hook table. Made on first use and never destroyed:
// the hooks live in static objects whose destructors still detach, which
// may run after every function-local static is gone.
CWindowHook::HookMap& GameHooks() {
    static auto* hooks = new std::map<HWND, CWindowHook*>;
    return *hooks;
}

CWindowHook::HookMap& TitleHooks() {
    static auto* hooks = new std::map<HWND, CWindowHook*>;
    return *hooks;
}

CWindowHook* FindIn(const CWindowHook::HookMap& hooks, HWND window) {
    const auto found = hooks.find(window);
    return found != hooks.end() ? found->second : nullptr;
}

// Hands the message to the procedure the hook replaced. A window being
// destroyed is let go after its own procedure has seen the last message, so
// that no table keeps a handle the system may give to another window.
LRESULT Forward(CWindowHook* hook, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hook == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    const LRESULT result = hook->CallPrevious(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        hook->Attach(nullptr);
    return result;
}

} // namespace

LRESULT CWindowHook::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(previousProc, hookedWindow, message, wParam, lParam);
}

int CWindowHook::AttachTo(HWND window, WNDPROC hookProc, HookMap& map) {
    // Hooking the same window twice would make the hook its own previous
    // procedure, which would call itself for ever.
    if (window != nullptr && window == hookedWindow)
        return 1;
    if (hookedWindow != nullptr) {
        SetWindowLongPtrA(hookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
        map.erase(hookedWindow);
        hookedWindow = nullptr;
        previousProc = nullptr;
    }
    if (window == nullptr)
        return 1;
    hookedWindow = window;
    previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hookProc)));
    map[window] = this;
    return 1;
}

CGameButtonHook::~CGameButtonHook() {
    CGameButtonHook::Attach(nullptr);
}

int CGameButtonHook::Attach(HWND window) {
    return AttachTo(window, GameButtonHookProc, GameHooks());
}

CWindowHook* CGameButtonHook::Find(HWND window) {
    return FindIn(GameHooks(), window);
}

CTitleButtonHook::~CTitleButtonHook() {
    CTitleButtonHook::Attach(nullptr);
}

int CTitleButtonHook::Attach(HWND window) {
    return AttachTo(window, TitleButtonHookProc, TitleHooks());
}

CWindowHook* CTitleButtonHook::Find(HWND window) {
    return FindIn(TitleHooks(), window);
}

LRESULT CALLBACK TitleButtonHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        // The arrow whatever shape the page asked for.
        GetCursorSet()->ApplyArrow();
        return 0;
    }
    return Forward(CTitleButtonHook::Find(window), window, message, wParam, lParam);
}

LRESULT CALLBACK GameButtonHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        GetCursorSet()->ApplyArrow();
        return 0;
    case WM_LBUTTONDOWN:
        InvalidateRect(window, nullptr, FALSE);
        if (GetDlgCtrlID(window) == ID_QUIT) {
            // After the button has taken the focus, whose loss would end
            // the main window's hold at once.
            const LRESULT result =
                Forward(CGameButtonHook::Find(window), window, message, wParam, lParam);
            SendMessageA(GetParent(window), UWM_QUIT_BUTTON, 1, 0);
            return result;
        }
        break;
    case WM_LBUTTONUP:
        if (GetDlgCtrlID(window) == ID_QUIT)
            SendMessageA(GetParent(window), UWM_QUIT_BUTTON, 0, 0);
        break;
    case WM_MOUSEMOVE:
        // Sliding off a held button and back on changes its face.
        if (wParam & MK_LBUTTON)
            InvalidateRect(window, nullptr, FALSE);
        break;
    default:
        break;
    }
    return Forward(CGameButtonHook::Find(window), window, message, wParam, lParam);
}
