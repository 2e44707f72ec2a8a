// The main window procedure hands the mouse to the game's view: signed client
// coordinates, and a mouse move takes the keyboard focus back; a piece
// carried after a click keeps the capture until the right button or losing
// the foreground sends it home.
#include "app/app_globals.h"
#include "app/main_window.h"
#include "app/window_proc.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "platform/picture_fit.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"
#include "support/anim_view_probe.h"
#include "support/page_folder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// The game's own window and globals on page 1 of a made-up game folder (the
// window's creation makes the current folder the game folder).
class WindowProcMouse : public ::testing::Test {
protected:
    void SetUp() override {
        WritePageFolder(game.Path().string(), {1});
        main = std::make_unique<CMainWindow>(MainWindowProc, "VarnoltMouseTest", "Varnolt",
                                             GetModuleHandleA(nullptr), SW_SHOWNORMAL, 100, 100,
                                             1024, 768, WS_POPUP);
        window = main->windowHandle;
        ASSERT_NE(window, nullptr);
        LinkAnimation(&g_animDoc, &g_animView, window);
        CPageCursor::Instance()->GoTo(1);
        g_animDoc.LoadPage(window);
        drag = g_animDoc.FindByTag(TagOf(kDragKind, 3));
        loose = g_animDoc.FindByTag(TagOf(kLooseKind, 3));
        ASSERT_NE(drag, nullptr);
        ASSERT_NE(loose, nullptr);
    }
    void TearDown() override {
        g_appActive = 1;
        g_animDoc.Clear();
        if (window != nullptr) {
            // Back to the picture's own size, as every other test expects.
            SetWindowPos(window, nullptr, 0, 0, 1024, 768, SWP_NOZORDER | SWP_NOACTIVATE);
            DestroyWindow(window);
        }
    }

    ScopedTempDir game{true};
    std::unique_ptr<CMainWindow> main;
    HWND window = nullptr;
    CSprite* drag = nullptr;
    const CSprite* loose = nullptr;
};

} // namespace

TEST_F(WindowProcMouse, TheViewGetsSignedPointerPositionsAndTheFocusComesBack) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(drag->GetX() + 40, drag->GetY() + 35));
    ASSERT_TRUE(g_animView.IsDragging());
    // Captured, the pointer may leave the window to the left and above.
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(-5, -7));
    EXPECT_EQ(drag->GetX(), -5 - CAnimViewProbe::GrabOffsetX(g_animView));
    EXPECT_EQ(drag->GetY(), -7 - CAnimViewProbe::GrabOffsetY(g_animView));
    SendMessageA(window, WM_LBUTTONUP, 0, At(-5, -7));
    EXPECT_FALSE(g_animView.IsDragging());
    EXPECT_TRUE(loose->IsVisible());
    EXPECT_EQ(GetCapture(), nullptr);

    // A click keeps the piece, and the capture, until the right button sends it home.
    const LPARAM over = At(drag->GetX() + 40, drag->GetY() + 35);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, over);
    SendMessageA(window, WM_LBUTTONUP, 0, over);
    ASSERT_TRUE(g_animView.Carry().Clicked());
    EXPECT_EQ(GetCapture(), window);
    SendMessageA(window, WM_RBUTTONDOWN, 0, At(10, 10));
    EXPECT_FALSE(g_animView.IsDragging());
    EXPECT_TRUE(loose->IsVisible());
    EXPECT_EQ(GetCapture(), nullptr);

    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, window,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    SetFocus(button);
    ASSERT_EQ(GetFocus(), button);
    SendMessageA(window, WM_MOUSEMOVE, 0, At(500, 500));
    EXPECT_EQ(GetFocus(), window);
}

TEST_F(WindowProcMouse, AScaledPictureTakesPressesToItsPixelsMovesItsButtonsAndItsBandsHitNothing) {
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 20, 693, 64, 64, window,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    // A window of 1000 x 600: the picture 800 x 600 between two bands of 100.
    SetWindowPos(window, nullptr, 0, 0, 1000, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    const PictureFit fit = FitPicture(1000, 600, 1024, 768);
    ASSERT_EQ(fit.area.left, 100);
    ASSERT_EQ(fit.AreaWidth(), 800);

    RECT placed;
    GetWindowRect(button, &placed);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 100 + 20 * 800 / 1024);
    EXPECT_EQ(placed.top, 693 * 600 / 768);
    EXPECT_EQ(placed.right, 100 + 84 * 800 / 1024);
    EXPECT_EQ(placed.bottom, 757 * 600 / 768);

    // In a band nothing is lifted, even level with a piece.
    const POINT piece = {drag->GetX() + 40, drag->GetY() + 35};
    const int32_t pieceY = static_cast<int32_t>((2 * piece.y + 1) * 600 / (2 * 768));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(50, pieceY));
    EXPECT_FALSE(g_animView.IsDragging());
    SendMessageA(window, WM_LBUTTONUP, 0, At(50, pieceY));

    // Where the window shows the piece, pressing lifts it; the carried piece
    // follows the pointer in the picture's pixels.
    const int32_t pieceX = 100 + static_cast<int32_t>((2 * piece.x + 1) * 800 / (2 * 1024));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(pieceX, pieceY));
    ASSERT_TRUE(g_animView.IsDragging());
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(500, 300));
    const POINT shown = ClientToPicture(fit, 500, 300);
    EXPECT_EQ(drag->GetX(), shown.x - CAnimViewProbe::GrabOffsetX(g_animView));
    EXPECT_EQ(drag->GetY(), shown.y - CAnimViewProbe::GrabOffsetY(g_animView));
    SendMessageA(window, WM_LBUTTONUP, 0, At(500, 300));
    EXPECT_FALSE(g_animView.IsDragging());

    // Back at the picture's size the button returns to its own place.
    SetWindowPos(window, nullptr, 0, 0, 1024, 768, SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(button, &placed);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 20);
    EXPECT_EQ(placed.top, 693);
    DestroyWindow(button);
}

TEST_F(WindowProcMouse, LosingTheMouseOrTheActivationWhileCarryingSendsThePieceHome) {
    const POINT home{drag->GetX(), drag->GetY()};

    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } losses[] = {{"capture taken", WM_CAPTURECHANGED, 0},
                  {"mode cancelled", WM_CANCELMODE, 0},
                  {"another program activated", WM_ACTIVATEAPP, FALSE}};
    for (const auto& loss : losses) {
        SCOPED_TRACE(loss.what);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(home.x + 40, home.y + 35));
        ASSERT_TRUE(g_animView.IsDragging());
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(600, 400));
        SendMessageA(window, loss.message, loss.wParam, 0);
        EXPECT_FALSE(g_animView.IsDragging());
        EXPECT_TRUE(loose->IsVisible());
        EXPECT_FALSE(drag->IsVisible());
        EXPECT_EQ(drag->GetX(), home.x);
        EXPECT_EQ(drag->GetY(), home.y);
        EXPECT_EQ(GetCapture(), nullptr);
        // The button coming up later, or the pointer moving on, changes nothing.
        SendMessageA(window, WM_MOUSEMOVE, 0, At(610, 410));
        SendMessageA(window, WM_LBUTTONUP, 0, At(610, 410));
        EXPECT_EQ(drag->GetX(), home.x);
        EXPECT_TRUE(loose->IsVisible());
    }
}
