// The two screens and their picture buttons, drawn onto memory canvases from
// small made-up picture files.
#include "game/button_state.h"
#include "game/commands.h"
#include "game/page_cursor.h"
#include "game/page_furniture.h"
#include "game/screen_layout.h"
#include "game/win32/screens.h"
#include "image/win32/gdi_canvas.h"
#include "persist/mapped_file.h"
#include "picture_writer.h"
#include "sprites/grid_sprite.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/temp_dir.h"
#include "win32/test_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t kCanvasFill = 0x123456;

uint32_t TileColour(int32_t x, int32_t y) {
    return 0x400000u | static_cast<uint32_t>(y << 8) | static_cast<uint32_t>(x);
}

uint32_t TitleColour(int32_t x, int32_t y) {
    return 0x800000u | static_cast<uint32_t>((y & 0xFF) << 8) | static_cast<uint32_t>(x & 0xFF);
}

uint32_t LabelColour(int32_t page) {
    return 0x00A000u + static_cast<uint32_t>(page);
}

constexpr uint32_t kStartReleased = 0x102030, kStartPressed = 0x302010;

// Released face colour of game button i (0..4) in the page folder; the
// pressed face adds 8.
uint32_t GameButtonColour(int32_t button) {
    return 0x00C000u + static_cast<uint32_t>(button) * 0x10u;
}

// A game folder with page 1's pictures, the title pictures and the page
// labels; it is the base directory while the test runs.
class ScreenFolder : public ::testing::Test {
protected:
    ScreenFolder() : session(dir.Path().string()) {
        WritePageFolder(dir.Path().string(), {1, 7});
        const std::string data = dir.Path().string() + "/Data/";
        WritePictureFile(data + "m0008.dat", kTitlePicture.width, kTitlePicture.height,
                         TitleColour);
        WritePictureFile(data + "m0009.dat", kTitleTileSize, kTitleTileSize, TileColour);
        WritePictureFile(data + "m0001.dat", kStartButton.width, 2 * kStartButton.height,
                         [](int32_t, int32_t y) {
                             return y < kStartButton.height ? kStartReleased : kStartPressed;
                         });
        WritePictureFile(data + "m0010.dat", kPageLabel.width, kPageLabelFrames * kPageLabel.height,
                         [](int32_t, int32_t y) { return LabelColour(y / kPageLabel.height); });
    }

    static DRAWITEMSTRUCT Item(HDC dc, bool selected) {
        DRAWITEMSTRUCT item = {};
        item.hDC = dc;
        item.itemState = selected ? ODS_SELECTED : 0;
        return item;
    }

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
CScreen* g_drawingScreen = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        g_drawn.push_back({static_cast<uint32_t>(wParam), (item->itemState & ODS_SELECTED) != 0});
        if (g_drawingScreen != nullptr)
            g_drawingScreen->DrawItem(item, static_cast<uint32_t>(wParam));
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

TEST_F(ScreenFolder, TitleScreenTilesTheWholeScreenUnderTheCentredTitlePicture) {
    CTitleScreen title;
    title.Enter(nullptr);
    GdiCanvas canvas(kScreenWidth, kScreenHeight, kCanvasFill);
    title.Paint(canvas.Dc());
    const ScreenBox& t = kTitlePicture;
    int32_t wrong = 0;
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            const bool inTitle = x >= t.x && x < t.x + t.width && y >= t.y && y < t.y + t.height;
            const uint32_t expected = inTitle ? TitleColour(x - t.x, y - t.y)
                                              : TileColour(x % kTitleTileSize, y % kTitleTileSize);
            if (canvas.Pixel(x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex << canvas.Pixel(x, y);
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(ScreenFolder, StartButtonIsMadeHookedDrawnWithItsFacesAndRemoved) {
    CTitleScreen title;
    const RecordingParent recording;
    const HWND parent = recording.Handle();
    g_drawingScreen = &title;
    title.ShowControls(parent);
    const HWND button = title.StartButton();
    ASSERT_NE(button, nullptr);
    RECT rect;
    GetWindowRect(button, &rect);
    EXPECT_EQ(rect.left, kStartButton.x);
    EXPECT_EQ(rect.top, kStartButton.y);
    EXPECT_EQ(rect.right - rect.left, kStartButton.width);
    EXPECT_EQ(rect.bottom - rect.top, kStartButton.height);
    EXPECT_EQ(GetDlgCtrlID(button), ID_START);
    EXPECT_EQ((GetWindowLongPtrA(button, GWL_STYLE) & 0x0F), BS_OWNERDRAW);

    GdiCanvas canvas(kStartButton.width, kStartButton.height, kCanvasFill);
    DRAWITEMSTRUCT item = Item(canvas.Dc(), true);
    title.DrawItem(&item, ID_START);
    EXPECT_EQ(canvas.Pixel(60, 25), kStartPressed);
    item = Item(canvas.Dc(), false);
    title.DrawItem(&item, ID_START);
    EXPECT_EQ(canvas.Pixel(60, 25), kStartReleased);

    title.RemoveControls();
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(title.StartButton(), nullptr);
    g_drawingScreen = nullptr;
}

TEST_F(ScreenFolder, PageLabelShowsTheCurrentPagesFrameBetweenThePageButtons) {
    ASSERT_TRUE(session.ShowPage(7));
    CGameScreen screen(&session.Document(), &session.View());
    screen.Enter(nullptr);
    GdiCanvas canvas(kScreenWidth, kScreenHeight, kCanvasFill);
    screen.DrawPageLabel(canvas.Dc());
    const ScreenBox& label = kPageLabel;
    EXPECT_EQ(canvas.Pixel(label.x, label.y), LabelColour(7));
    EXPECT_EQ(canvas.Pixel(label.x + label.width - 1, label.y + label.height - 1), LabelColour(7));
    EXPECT_EQ(canvas.Pixel(label.x - 1, label.y), kCanvasFill);
    EXPECT_EQ(canvas.Pixel(label.x + label.width, label.y), kCanvasFill);
    EXPECT_EQ(canvas.Pixel(label.x, label.y + label.height), kCanvasFill);
}

TEST_F(ScreenFolder, GameButtonFacesFollowTheirStateOnTheButtonAndOnThePage) {
    ASSERT_TRUE(session.ShowPage(1));
    CGameScreen screen(&session.Document(), &session.View());
    screen.Prepare(nullptr);
    const auto* nextSprite = static_cast<CGridSprite*>(session.Document().FindByTag(ID_NEXT_PAGE));
    ASSERT_NE(nextSprite, nullptr);
    GdiCanvas canvas(60, 59, kCanvasFill);

    DRAWITEMSTRUCT item = Item(canvas.Dc(), true);
    screen.DrawItem(&item, ID_NEXT_PAGE);
    EXPECT_EQ(canvas.Pixel(30, 30), GameButtonColour(3) + 8);
    EXPECT_EQ(nextSprite->GetRow(), 1);
    EXPECT_EQ(screen.Buttons().Image(3).GetState(), kButtonPressed);

    item = Item(canvas.Dc(), false);
    screen.DrawItem(&item, ID_NEXT_PAGE);
    EXPECT_EQ(canvas.Pixel(30, 30), GameButtonColour(3));
    EXPECT_EQ(nextSprite->GetRow(), 0);

    // Ids outside the five buttons draw nothing.
    GdiCanvas untouched(60, 59, kCanvasFill);
    item = Item(untouched.Dc(), true);
    for (uint32_t id : {static_cast<uint32_t>(ID_START), 10006u, 0u, 0xFFFFFFFFu})
        screen.DrawItem(&item, id);
    EXPECT_EQ(untouched.Pixel(30, 30), kCanvasFill);
}

TEST_F(ScreenFolder, PressingAButtonShowsItPressedThenReleasedThenPostsItsCommand) {
    ASSERT_TRUE(session.ShowPage(1));
    CGameScreen screen(&session.Document(), &session.View());
    screen.Prepare(nullptr);
    const RecordingParent recording;
    const HWND parent = recording.Handle();
    g_drawingScreen = &screen;
    screen.ShowControls(parent);
    for (int32_t i = 0; i < 5; ++i) {
        const HWND button = screen.Buttons().ButtonWindow(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(GetDlgCtrlID(button), ID_QUIT + i);
    }
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
    g_drawingScreen = nullptr;
}

TEST_F(ScreenFolder, AButtonWithoutItsWindowStillSendsItsCommand) {
    CGameScreen screen(&session.Document(), &session.View());
    const RecordingParent recording;
    const HWND parent = recording.Handle();
    screen.PressButton(parent, ID_NEXT_PAGE);
    EXPECT_TRUE(g_drawn.empty());
    EXPECT_EQ(TakePostedCommand(parent), static_cast<WPARAM>(ID_NEXT_PAGE));
}

TEST_F(ScreenFolder, ASecondReadyMessageMakesNoSecondRowOfButtons) {
    CGameScreen screen(&session.Document(), &session.View());
    const RecordingParent recording;
    const HWND parent = recording.Handle();
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
