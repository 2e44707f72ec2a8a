#include "app/main_window.h"
#include "app/window_proc.h"
#include "persist/mapped_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// Message counters for the test's own window procedure.
int g_creates = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE)
        ++g_creates;
    return MainWindowProc(window, message, wParam, lParam);
}

// The window's creation sets the game up in the current folder (options,
// "save"): a private one, given back afterwards.
class GameFolder {
public:
    ~GameFolder() { g_baseDirectory = savedBase; }

private:
    std::string savedBase = g_baseDirectory;
    ScopedTempDir folder{true};
};

} // namespace

TEST(MainWindow, IsABorderlessPopupCoveringTheGameScreen) {
    const GameFolder folder;
    g_creates = 0;
    CMainWindow main(CountingProc, "VarnoltTestWindow", "Varnolt test", GetModuleHandleA(nullptr),
                     SW_SHOWNORMAL, 100, 100, 1024, 768, WS_POPUP);
    ASSERT_NE(main.windowHandle, nullptr);
    EXPECT_EQ(g_creates, 1);

    RECT rect;
    ASSERT_TRUE(GetWindowRect(main.windowHandle, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 1024);
    EXPECT_EQ(rect.bottom, 768);

    const LONG_PTR style = GetWindowLongPtrA(main.windowHandle, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER));

    WNDCLASSEXA registered = {};
    registered.cbSize = sizeof registered;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "VarnoltTestWindow", &registered));
    EXPECT_EQ(registered.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW));
    EXPECT_EQ(registered.hCursor, nullptr);

    DestroyWindow(main.windowHandle);
}

TEST(MainWindow, DestroyingTheWindowPostsQuitWithZero) {
    const GameFolder folder;
    CMainWindow main(MainWindowProc, "VarnoltTestWindow2", "Varnolt test",
                     GetModuleHandleA(nullptr), SW_HIDE, 100, 100, 1024, 768, WS_POPUP);
    ASSERT_NE(main.windowHandle, nullptr);
    EXPECT_EQ(SendMessageA(main.windowHandle, WM_ERASEBKGND, 0, 0), 1);
    DestroyWindow(main.windowHandle);
    MSG message;
    bool sawQuit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            sawQuit = true;
            EXPECT_EQ(message.wParam, 0u);
        }
    }
    EXPECT_TRUE(sawQuit);
}
