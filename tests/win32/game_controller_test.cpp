// The game controller behind a real window run by the game's own window
// procedure, on the title screen, where the end-to-end scenarios cannot tell
// an ignored command from a slow one; in a game folder without pictures
// (every picture fails to load, which the game takes in its stride).
#include "app/window_proc.h"
#include "game/commands.h"
#include "game/page_cursor.h"
#include "game/win32/game_controller.h"
#include "game/win32/picture_dialogs.h"
#include "game/win32/screens.h"
#include "persist/initialization.h"
#include "persist/mapped_file.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"
#include "support/temp_dir.h"
#include "win32/test_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

// Closes every picture dialog that opens with its button (IDOK), counting
// them; it runs inside the dialogs' own modal loops.
int g_dialogsClosed = 0;

void CALLBACK CloseDialogs(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(reinterpret_cast<LPCSTR>(32770), nullptr);
    if (dialog != nullptr && IsWindowVisible(dialog)) {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        ShowWindow(dialog, SW_HIDE); // counted once
        ++g_dialogsClosed;
    }
}

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        BindDialogControls();
        CPageCursor::Instance()->GoTo(1);
        g_dialogsClosed = 0;
        g_showOneTimeDirections = 1; // as in a process that has read no options yet
        closer = SetTimer(nullptr, 0, 30, CloseDialogs);
        // Its creation sets the game up in the current folder, the test's own.
        main.emplace(MainWindowProc, 800, 600);
        window = main->Handle();
        ASSERT_NE(window, nullptr);
        LinkAnimation(&g_animDoc, &g_animView, window);
    }

    void TearDown() override {
        KillTimer(nullptr, closer);
        main.reset();
        g_animDoc.Clear();
        g_currentScreen = nullptr;
        g_showOneTimeDirections = savedDirections;
        g_baseDirectory = savedBase;
        CPageCursor::Instance()->GoTo(1);
    }

    // Takes the first waiting message of that number for the window.
    bool TakeMessage(UINT number) {
        MSG message;
        return PeekMessageA(&message, window, number, number, PM_REMOVE) != FALSE;
    }

    LRESULT Command(int32_t id) { return SendMessageA(window, WM_COMMAND, id, 0); }

    int32_t savedDirections = g_showOneTimeDirections;
    std::string savedBase = g_baseDirectory;
    ScopedTempDir dir{true};
    std::optional<TestWindow> main;
    HWND window = nullptr;
    UINT_PTR closer = 0;
};

} // namespace

TEST_F(ControllerTest, OnTheTitleScreenOnlyStartActsAndALogoffStoresTheOptionsButNoPage) {
    RunWaitingMessages();
    for (int32_t id : {ID_INFO, ID_PREV_PAGE, ID_NEXT_PAGE, ID_CLEAR_PAGE, 10006, 9999})
        EXPECT_EQ(Command(id), 0) << id;
    // Nor do the play keys (Enter and Space starting are seen end to end).
    for (WPARAM key : {WPARAM{VK_NEXT}, WPARAM{VK_ESCAPE}, WPARAM{'Q'}, WPARAM{'C'}, WPARAM{'I'}})
        SendMessageA(window, WM_KEYDOWN, key, 0);
    EXPECT_FALSE(TakeMessage(WM_COMMAND));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(g_gameController.GetState(), kStateTitle);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 1);
    EXPECT_EQ(g_dialogsClosed, 0);
    // While playing, the end-to-end logoff scenario shows the page stored.
    std::filesystem::remove(dir.File("options.dta"));
    EXPECT_NE(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.File("options.dta")));
    // Nothing was stored: there was no page to store.
    EXPECT_FALSE(std::filesystem::exists(dir.File("save\\page01.sav")));
}

TEST_F(ControllerTest, StartSwitchesToTheGameScreenAndWaitsForItsFirstPaint) {
    RunWaitingMessages();
    const HWND startButton = g_titleScreen.StartButton();
    ASSERT_NE(startButton, nullptr);
    EXPECT_EQ(Command(ID_START), 1);
    EXPECT_EQ(g_gameController.GetState(), kStateStarting);
    EXPECT_EQ(g_currentScreen, &g_gameScreen);
    EXPECT_FALSE(IsWindow(startButton));
    EXPECT_TRUE(TakeMessage(UWM_GAME_SCREEN_READY));

    // Only once: a second start would reload the page without storing it.
    EXPECT_EQ(Command(ID_START), 1);
    EXPECT_FALSE(TakeMessage(UWM_GAME_SCREEN_READY));
    EXPECT_EQ(g_gameController.GetState(), kStateStarting);
}
