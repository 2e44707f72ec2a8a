// The game screen's picture buttons as windows: the row of buttons made
// once, and commands without a button.
// What the screens draw is compared pixel for pixel by the end-to-end tests.
#include "game/commands.h"
#include "game/screen_layout.h"
#include "game/win32/screens.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/temp_dir.h"
#include "win32/test_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A visible parent for the button windows that records the owner-draws it
// is sent.
std::vector<uint32_t> g_drawn;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        g_drawn.push_back(static_cast<uint32_t>(wParam));
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The command id of the first WM_COMMAND waiting for window, or 0.
WPARAM TakePostedCommand(HWND window) {
    MSG message;
    if (!PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        return 0;
    EXPECT_EQ(message.lParam, 0);
    return message.wParam;
}

} // namespace

// The pressed face before the command is watched end to end.
TEST(GameScreen, AKeyWorksBeforeTheButtonsAreMadeAndASecondReadyMessageMakesNoMore) {
    // A game folder with page 1's pictures, the base directory meanwhile.
    ScopedTempDir dir;
    CPlaySession session(dir.Path().string());
    WritePageFolder(dir.Path().string(), {1});
    CGameScreen screen(&session.Document(), &session.View());
    const TestWindow recording(RecordingProc, 800, 600);
    const HWND parent = recording.Handle();
    g_drawn.clear();
    screen.PressButton(parent, ID_NEXT_PAGE);
    EXPECT_TRUE(g_drawn.empty());
    EXPECT_EQ(TakePostedCommand(parent), static_cast<WPARAM>(ID_NEXT_PAGE));

    screen.ShowControls(parent);
    const HWND first = screen.Buttons().ButtonWindow(0);
    screen.ShowControls(parent);
    EXPECT_EQ(screen.Buttons().ButtonWindow(0), first);
    int children = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, kButtonCount);

    // Commands without a button on this screen press nothing.
    g_drawn.clear();
    screen.PressButton(parent, ID_START);
    screen.PressButton(parent, 10006);
    EXPECT_TRUE(g_drawn.empty());
    EXPECT_EQ(TakePostedCommand(parent), 0u);
}
