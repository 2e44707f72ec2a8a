// The game controller behind a real window: its states, its commands and
// what it stores, in a game folder without pictures (every picture fails to
// load, which the game takes in its stride).
#include "app/keyboard.h"
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

#include <gtest/gtest.h>

#include <filesystem>

namespace {

CGameController* g_controller = nullptr;

// The parts of the main window's procedure that reach the controller and the
// screens. No quit message: the test's thread goes on after the window.
LRESULT CALLBACK ControllerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return g_controller->OnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_PAINT:
        return g_controller->OnPaint(window);
    case WM_CLOSE:
        return g_controller->OnClose(window);
    case WM_COMMAND:
        return g_controller->OnCommand(window, LOWORD(wParam), HIWORD(wParam));
    case WM_DRAWITEM:
        g_currentScreen->DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                                  static_cast<uint32_t>(wParam));
        return 1;
    default:
        if (message == UWM_GAME_SCREEN_READY || message == UWM_TITLE_SCREEN_READY) {
            g_currentScreen->ShowControls(window);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

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
        g_controller = &controller;
        g_dialogsClosed = 0;
        g_showOneTimeDirections = 1; // as in a process that has read no options yet
        closer = SetTimer(nullptr, 0, 30, CloseDialogs);
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ControllerProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VarnoltControllerTest";
        RegisterClassExA(&windowClass);
        window = CreateWindowExA(0, "VarnoltControllerTest", "Varnolt", WS_POPUP, 0, 0, 800, 600,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        // Smaller than the screen and not activated: Wine then need not wait
        // for a window manager when it goes away (up to 2 s otherwise).
        ShowWindow(window, SW_SHOWNOACTIVATE);
        LinkAnimation(&document, &view, window);
    }

    void TearDown() override {
        KillTimer(nullptr, closer);
        if (IsWindow(window))
            DestroyWindow(window);
        DrainMessages();
        g_currentScreen = nullptr;
        g_controller = nullptr;
        g_showOneTimeDirections = savedDirections;
        g_baseDirectory = savedBase;
        CPageCursor::Instance()->GoTo(1);
    }

    // Runs the window's messages until none is left.
    static void DrainMessages() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    // Takes the first waiting message of that number for the window.
    bool TakeMessage(UINT number) {
        MSG message;
        return PeekMessageA(&message, window, number, number, PM_REMOVE) != FALSE;
    }

    LRESULT Command(int32_t id) { return SendMessageA(window, WM_COMMAND, id, 0); }

    void Paint() { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

    // Started and painted once, without the directions.
    void StartPlaying() {
        g_showOneTimeDirections = 0;
        Command(ID_START);
        DrainMessages();
        Paint();
        ASSERT_EQ(controller.GetState(), kStatePlaying);
    }

    std::string SavePath(int page) const {
        return dir.File("save\\page" + std::string(page < 10 ? "0" : "") + std::to_string(page) +
                        ".sav");
    }

    int32_t savedDirections = g_showOneTimeDirections;
    std::string savedBase = g_baseDirectory;
    ScopedTempDir dir{true};
    CAnimDoc document;
    CAnimView view;
    CTitleScreen titleScreen;
    CGameScreen gameScreen{&document, &view};
    CGameController controller{&titleScreen, &gameScreen, &document, &view};
    HWND window = nullptr;
    UINT_PTR closer = 0;
};

} // namespace

TEST_F(ControllerTest, CreationSetsUpTheFolderOptionsAndTitleScreen) {
    EXPECT_EQ(controller.GetState(), kStateTitle);
    EXPECT_EQ(g_currentScreen, &titleScreen);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "save"));
    const Bytes options = ReadAll(dir.File("options.dta"));
    ASSERT_EQ(options.size(), 20u);
    EXPECT_EQ(options[16], 1); // the directions are still to come
    EXPECT_TRUE(TakeMessage(UWM_TITLE_SCREEN_READY));
    // The ready message makes the start button.
    PostMessageA(window, UWM_TITLE_SCREEN_READY, 0, 0);
    DrainMessages();
    EXPECT_NE(titleScreen.StartButton(), nullptr);
}

TEST_F(ControllerTest, OnTheTitleScreenOnlyTheStartCommandDoesAnything) {
    for (int32_t id : {ID_INFO, ID_PREV_PAGE, ID_NEXT_PAGE, ID_CLEAR_PAGE, 10006, 9999})
        EXPECT_EQ(Command(id), 0) << id;
    EXPECT_EQ(controller.GetState(), kStateTitle);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 1);
    // Nothing was stored: there was no page to store.
    EXPECT_FALSE(std::filesystem::exists(SavePath(1)));
    EXPECT_EQ(g_dialogsClosed, 0);
}

TEST_F(ControllerTest, StartSwitchesToTheGameScreenAndWaitsForItsFirstPaint) {
    DrainMessages();
    const HWND startButton = titleScreen.StartButton();
    ASSERT_NE(startButton, nullptr);
    EXPECT_EQ(Command(ID_START), 1);
    EXPECT_EQ(controller.GetState(), kStateStarting);
    EXPECT_EQ(g_currentScreen, &gameScreen);
    EXPECT_FALSE(IsWindow(startButton));
    EXPECT_TRUE(TakeMessage(UWM_GAME_SCREEN_READY));

    // Only once: a second start would reload the page without storing it.
    EXPECT_EQ(Command(ID_START), 1);
    EXPECT_FALSE(TakeMessage(UWM_GAME_SCREEN_READY));
    EXPECT_EQ(controller.GetState(), kStateStarting);
}

TEST_F(ControllerTest, TheFirstPaintStartsPlayAndShowsTheDirectionsOnlyOnce) {
    Paint();
    EXPECT_EQ(controller.GetState(), kStateTitle);
    ASSERT_EQ(g_showOneTimeDirections, 1);
    Command(ID_START);
    DrainMessages();
    Paint();
    EXPECT_EQ(controller.GetState(), kStatePlaying);
    EXPECT_EQ(g_dialogsClosed, 1);
    EXPECT_EQ(g_showOneTimeDirections, 0);
    EXPECT_EQ(ReadAll(dir.File("options.dta"))[16], 0); // saved at once
    Paint();
    EXPECT_EQ(g_dialogsClosed, 1);
    EXPECT_EQ(controller.GetState(), kStatePlaying);
}

TEST_F(ControllerTest, PageCommandsStoreThePageLeftAndWrapAround) {
    StartPlaying();
    EXPECT_EQ(Command(ID_PREV_PAGE), 1);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 30);
    EXPECT_EQ(ReadAll(SavePath(1)).size(), 20u); // an empty page: no pictures here
    EXPECT_EQ(Command(ID_NEXT_PAGE), 1);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 1);
    EXPECT_TRUE(std::filesystem::exists(SavePath(30)));
    EXPECT_EQ(Command(ID_CLEAR_PAGE), 1);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 1);
    EXPECT_EQ(g_dialogsClosed, 0);
}

TEST_F(ControllerTest, InfoStoresThePageThenShowsTheAboutBoxQuitOnlyAsksToClose) {
    StartPlaying();
    EXPECT_EQ(Command(ID_INFO), 1);
    EXPECT_EQ(g_dialogsClosed, 1);
    EXPECT_TRUE(std::filesystem::exists(SavePath(1)));
    EXPECT_EQ(Command(ID_QUIT), 0);
    EXPECT_TRUE(TakeMessage(WM_CLOSE));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(g_dialogsClosed, 1);
}

TEST_F(ControllerTest, ClosingWhilePlayingShowsTheEndingStoresThePageAndDestroysTheWindow) {
    StartPlaying();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(g_dialogsClosed, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(ReadAll(SavePath(1)).size(), 20u);
}

TEST_F(ControllerTest, ClosingFromTheTitleKeepsAStoredPageAsItWas) {
    const Bytes stored = {8,   0,   0, 0, 'V', 'A', 'R', 'N', 'O', 'L',
                          'T', '1', 0, 1, 0,   0,   3,   0,   0,   0};
    WriteAll(SavePath(1), stored);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(g_dialogsClosed, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(ReadAll(SavePath(1)), stored);
    EXPECT_FALSE(std::filesystem::exists(SavePath(30)));
}

TEST_F(ControllerTest, EndingTheSessionStoresThePageAndTheOptionsButNeverAnEmptyPage) {
    std::filesystem::remove(dir.File("options.dta"));
    controller.OnEndSession(window);
    EXPECT_TRUE(std::filesystem::exists(dir.File("options.dta")));
    EXPECT_FALSE(std::filesystem::exists(SavePath(1)));

    StartPlaying();
    std::filesystem::remove(dir.File("options.dta"));
    controller.OnEndSession(window);
    EXPECT_EQ(ReadAll(dir.File("options.dta"))[16], 0);
    EXPECT_EQ(ReadAll(SavePath(1)).size(), 20u);
    EXPECT_EQ(g_dialogsClosed, 0);
    EXPECT_TRUE(IsWindow(window));
}

TEST(Keyboard, EnterOrSpaceOnTheTitleScreenPostsTheStartCommand) {
    // The game's own controller has not left its title screen in this program.
    ASSERT_EQ(g_gameController.GetState(), kStateTitle);
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    MSG message;
    for (uint32_t key : {static_cast<uint32_t>(VK_RETURN), static_cast<uint32_t>(VK_SPACE)}) {
        OnKeyDown(window, key);
        ASSERT_TRUE(PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE)) << key;
        EXPECT_EQ(message.wParam, static_cast<WPARAM>(ID_START));
        EXPECT_EQ(message.lParam, 0);
    }
    const uint32_t others[] = {VK_NEXT, VK_ESCAPE, 'Q', 'C', 'I'};
    for (uint32_t key : others)
        OnKeyDown(window, key);
    EXPECT_FALSE(PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_TRUE(IsWindow(window)); // Escape ends nothing on the title screen
    DestroyWindow(window);
}
