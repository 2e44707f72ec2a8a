// The game screen's picture buttons as windows: a key's press shown on the
// button before its command is posted, and the row of buttons made once.
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

// A game folder with page 1's pictures; it is the base directory while the
// test runs.
class ScreenFolder : public ::testing::Test {
protected:
    ScreenFolder() : session(dir.Path().string()) { WritePageFolder(dir.Path().string(), {1}); }

    ScopedTempDir dir;
    CPlaySession session;
};

// A visible parent for the button windows that records the owner-draws and
// commands it is sent.
struct Recorded {
    uint32_t id;
    bool selected;
};
std::vector<Recorded> g_drawn;
int g_commandsSent = 0;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        g_drawn.push_back({static_cast<uint32_t>(wParam), (item->itemState & ODS_SELECTED) != 0});
        return 1;
    }
    if (message == WM_COMMAND)
        ++g_commandsSent;
    return DefWindowProcA(window, message, wParam, lParam);
}

// The recording parent of one test, with nothing recorded yet.
class RecordingParent : public TestWindow {
public:
    RecordingParent() : TestWindow(RecordingProc, 800, 600) {
        g_drawn.clear();
        g_commandsSent = 0;
    }
};

// The command id of the first WM_COMMAND waiting for window, or 0.
WPARAM TakePostedCommand(HWND window) {
    MSG message;
    if (!PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        return 0;
    EXPECT_EQ(message.lParam, 0);
    return message.wParam;
}

} // namespace

TEST_F(ScreenFolder, PressingAButtonShowsItPressedThenReleasedThenPostsItsCommand) {
    ASSERT_TRUE(session.ShowPage(1));
    CGameScreen screen(&session.Document(), &session.View());
    screen.Prepare(nullptr);
    const RecordingParent recording;
    const HWND parent = recording.Handle();
    screen.ShowControls(parent);
    g_drawn.clear();

    screen.PressButton(parent, ID_CLEAR_PAGE);
    ASSERT_GE(g_drawn.size(), 2u);
    EXPECT_EQ(g_drawn.front().id, static_cast<uint32_t>(ID_CLEAR_PAGE));
    EXPECT_TRUE(g_drawn.front().selected);
    EXPECT_EQ(g_drawn.back().id, static_cast<uint32_t>(ID_CLEAR_PAGE));
    EXPECT_FALSE(g_drawn.back().selected);
    // Posted, not sent: it arrives after the press, like a click's.
    EXPECT_EQ(g_commandsSent, 0);
    EXPECT_EQ(TakePostedCommand(parent), static_cast<WPARAM>(ID_CLEAR_PAGE));

    g_drawn.clear();
    screen.PressButton(parent, ID_START);
    screen.PressButton(parent, 10006);
    EXPECT_TRUE(g_drawn.empty());
    EXPECT_EQ(TakePostedCommand(parent), 0u);
}

TEST_F(ScreenFolder, AKeyWorksBeforeTheButtonsAreMadeAndASecondReadyMessageMakesNoMore) {
    CGameScreen screen(&session.Document(), &session.View());
    const RecordingParent recording;
    const HWND parent = recording.Handle();
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
}
