// A small Windows helper for the end-to-end tests: asks the system about the
// game's window and its dialogs, or does to it what a window manager would
// (minimise, close, end the session) or another program would (take the
// front), from inside the same Wine session. Prints one line of key=value pairs.
// It also reads a shortcut as the shell would follow it.
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HWND GameWindow() {
    return FindWindowA("Varnolt", nullptr);
}

int PrintState(HWND game) {
    RECT rect = {};
    GetWindowRect(game, &rect);
    const LONG_PTR style = GetWindowLongPtrA(game, GWL_STYLE);
    // The client area on the screen: where the game's picture is drawn.
    RECT client = {};
    GetClientRect(game, &client);
    MapWindowPoints(game, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("found=1 iconic=%d visible=%d enabled=%d foreground=%d popup=%d caption=%d "
                "left=%ld top=%ld right=%ld bottom=%ld clientleft=%ld clienttop=%ld "
                "clientright=%ld clientbottom=%ld\n",
                IsIconic(game) ? 1 : 0, IsWindowVisible(game) ? 1 : 0,
                IsWindowEnabled(game) ? 1 : 0, GetForegroundWindow() == game ? 1 : 0,
                (style & WS_POPUP) ? 1 : 0, (style & WS_CAPTION) ? 1 : 0, rect.left, rect.top,
                rect.right, rect.bottom, client.left, client.top, client.right, client.bottom);
    return 0;
}

// The dialog the game has open over its window, or inside it (inside=1),
// if any.
int PrintDialog(HWND game) {
    const LPCSTR dialogClass = reinterpret_cast<LPCSTR>(32770);
    HWND dialog = FindWindowExA(game, nullptr, dialogClass, nullptr);
    const bool inside = dialog != nullptr;
    if (!inside) {
        dialog = FindWindowA(dialogClass, nullptr);
        if (dialog != nullptr && GetWindow(dialog, GW_OWNER) != game)
            dialog = nullptr;
    }
    if (dialog == nullptr || !IsWindowVisible(dialog)) {
        std::printf("dialog=0\n");
        return 0;
    }
    RECT rect = {};
    GetWindowRect(dialog, &rect);
    std::printf("dialog=1 inside=%d foreground=%d left=%ld top=%ld right=%ld bottom=%ld\n",
                inside ? 1 : 0, GetForegroundWindow() == (inside ? game : dialog) ? 1 : 0,
                rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

// What the system sends every program when the user logs off: the question,
// then the answer that the session ends.
int EndSession(HWND game) {
    const LRESULT agreed = SendMessageA(game, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageA(game, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    std::printf("agreed=%d\n", agreed != 0 ? 1 : 0);
    return 0;
}

// Another program taking the front, as Alt+Tab or a system dialog would: a
// small window of its own, activated. Says so on one line, then stays until
// it is ended.
int TakeTheFront() {
    HWND window =
        CreateWindowExA(WS_EX_TOPMOST, "STATIC", "Other program", WS_POPUP | WS_VISIBLE, 900, 0,
                        100, 60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Wine may still be handling the focus events of the window that had
    // the front, and give it back: take the front until it has stayed for a
    // moment (or a few seconds have gone), as a player clicking again would.
    constexpr DWORD kStaysMs = 300;
    constexpr DWORD kGiveUpMs = 5000;
    const DWORD started = GetTickCount();
    DWORD heldSince = started;
    bool held = false;
    MSG message;
    while (GetTickCount() - started < kGiveUpMs) {
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
            SetActiveWindow(window);
            held = false;
        } else if (!held) {
            held = true;
            heldSince = GetTickCount();
        } else if (GetTickCount() - heldSince >= kStaysMs) {
            break;
        }
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    std::printf("front=%d\n", GetForegroundWindow() == window ? 1 : 0);
    std::fflush(stdout);
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

// What the shell starts for a shortcut file: its target and its start
// folder, each on a line of its own, since either may hold blanks.
int PrintShortcut(const char* file) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    int result = 1;
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(wide, STGM_READ))) {
        char target[MAX_PATH] = {};
        char folder[MAX_PATH] = {};
        char icon[MAX_PATH] = {};
        int iconIndex = 0;
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetWorkingDirectory(folder, MAX_PATH);
        link->GetIconLocation(icon, MAX_PATH, &iconIndex);
        std::printf("target=%s\nfolder=%s\nicon=%s\n", target, folder, icon);
        result = 0;
    }
    if (persist != nullptr)
        persist->Release();
    if (link != nullptr)
        link->Release();
    CoUninitialize();
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "shortcut") == 0)
        return PrintShortcut(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr,
                     "usage: wintool state|dialog|minimize|close|endsession|front|shortcut FILE\n");
        return 2;
    }
    if (std::strcmp(argv[1], "front") == 0)
        return TakeTheFront();
    HWND game = GameWindow();
    if (game == nullptr) {
        std::printf("found=0\n");
        return 1;
    }
    if (std::strcmp(argv[1], "dialog") == 0)
        return PrintDialog(game);
    if (std::strcmp(argv[1], "endsession") == 0)
        return EndSession(game);
    if (std::strcmp(argv[1], "minimize") == 0)
        ShowWindow(game, SW_MINIMIZE);
    else if (std::strcmp(argv[1], "close") == 0)
        PostMessageA(game, WM_CLOSE, 0, 0);
    else if (std::strcmp(argv[1], "state") != 0)
        return 2;
    return PrintState(game);
}
