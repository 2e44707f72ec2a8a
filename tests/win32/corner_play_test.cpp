// The grown-up corner behind the game's own window procedure: opened only
// from the title screen, its start button out of the way meanwhile; every
// control's change kept in the settings file at once and put in force; a
// player's progress put aside once their control has been held; and
// Escape or back leading to the title again, where only a fresh press of
// Enter starts.
#include "app/main_window.h"
#include "app/window_proc.h"
#include "game/commands.h"
#include "game/player_badges.h"
#include "game/win32/game_controller.h"
#include "game/win32/screens.h"
#include "persist/settings.h"
#include "persist/store_locations.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"
#include "support/temp_dir.h"
#include "win32/test_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

LPARAM Centre(const ScreenBox& box) {
    return MAKELPARAM(static_cast<WORD>(box.x + box.width / 2),
                      static_cast<WORD>(box.y + box.height / 2));
}

// The household as the settings file now holds it.
FamilyChoice Kept(const ScopedTempDir& dir) {
    CSettings read;
    read.Initialize(dir.Path().string());
    return read.GetFamily();
}

class CornerPlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedUser = g_userDataDirectory;
        g_userDataDirectory.clear();
        main = std::make_unique<CMainWindow>(MainWindowProc, "VarnoltCornerTest", "Varnolt",
                                             GetModuleHandleA(nullptr), SW_SHOWNORMAL, 0, 0, 1024,
                                             768, WS_POPUP);
        window = main->windowHandle;
        ASSERT_NE(window, nullptr);
        LinkAnimation(&g_animDoc, &g_animView, window);
        RunWaitingMessages(); // the title's start button
    }

    void TearDown() override {
        // Everything else expects a household that never opened the corner.
        CSettings::GetInstance()->SetFamily(FamilyChoice());
        g_gameController.HouseRules().Apply();
        GetPlayerBadges()->SetFamily(FamilyChoice());
        if (window != nullptr)
            DestroyWindow(window);
        g_animDoc.Clear();
        g_currentScreen = nullptr;
        g_userDataDirectory = savedUser;
    }

    void Click(const ScreenBox& box) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Centre(box));
        SendMessageA(window, WM_LBUTTONUP, 0, Centre(box));
    }

    // Holds box down, ticking as the main loop does, until done() or five
    // seconds have passed; true when done() came.
    bool HoldUntil(const ScreenBox& box, const std::function<bool()>& done) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Centre(box));
        const DWORD start = GetTickCount();
        bool reached = false;
        while (!reached && GetTickCount() - start < 5000) {
            g_gameController.TickCorner(window);
            RunWaitingMessages();
            reached = done();
            Sleep(10);
        }
        SendMessageA(window, WM_LBUTTONUP, 0, Centre(box));
        return reached;
    }

    ScopedTempDir dir{true};
    std::string savedUser;
    std::unique_ptr<CMainWindow> main;
    HWND window = nullptr;
};

} // namespace

TEST_F(CornerPlayTest, OpensOnlyFromTheTitleAndEscapeLeadsBack) {
    HWND start = g_titleScreen.StartButton();
    ASSERT_NE(start, nullptr);
    SendMessageA(window, UWM_OPEN_CORNER, 0, 0);
    ASSERT_EQ(g_gameController.GetState(), kStateCorner);
    EXPECT_FALSE(IsWindowVisible(start));
    // Nothing starts the game from the corner, and no page is stored.
    SendMessageA(window, WM_COMMAND, ID_START, 0);
    SendMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(window, WM_KEYUP, VK_RETURN, 0);
    RunWaitingMessages();
    EXPECT_EQ(g_gameController.GetState(), kStateCorner);
    EXPECT_NE(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("save\\page01.sav")));

    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(g_gameController.GetState(), kStateTitle);
    EXPECT_TRUE(IsWindowVisible(start));
    EXPECT_TRUE(IsWindow(window)) << "Escape in the corner never ends the game";

    // Back again: the back control too.
    SendMessageA(window, UWM_OPEN_CORNER, 0, 0);
    Click(kCornerBack);
    EXPECT_EQ(g_gameController.GetState(), kStateTitle);
}

TEST_F(CornerPlayTest, EachChangeIsKeptAtOnceAndPutInForce) {
    SendMessageA(window, UWM_OPEN_CORNER, 0, 0);
    Click(kCornerMusicDown);
    Click(kCornerEffectsDown);
    Click(kCornerEffectsDown);
    Click(CornerFitBox(kFitGenerous));
    Click(kCornerHelp);
    Click(kCornerLock);
    Click(CornerBadgeBox(1)); // the add badge
    FamilyChoice expected;
    expected.musicVolume = kVolumeFull - 1;
    expected.effectsVolume = kVolumeFull - 2;
    expected.fit = kFitGenerous;
    expected.helpWhenStuck = true;
    expected.childLock = true;
    AddPlayer(expected);
    EXPECT_TRUE(Kept(dir) == expected);
    EXPECT_TRUE(CSettings::GetInstance()->GetFamily() == expected);
    EXPECT_EQ(g_animView.Fit().GetFit(), kFitGenerous);
    EXPECT_TRUE(g_animView.Stuck().Enabled());
    EXPECT_TRUE(g_gameController.HouseRules().LockOn());
    EXPECT_EQ(GetPlayerBadges()->SlotCount(), 3) << "two players and the add badge";

    // The keys work the same controls: the focus starts on music down.
    SendMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(window, WM_KEYUP, VK_RETURN, 0);
    EXPECT_EQ(Kept(dir).musicVolume, kVolumeFull - 2);
    SendMessageA(window, WM_KEYDOWN, VK_TAB, 0);
    SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(window, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Kept(dir).musicVolume, kVolumeFull - 1);
}

TEST_F(CornerPlayTest, AHeldStartAgainOrRemovePutsThatPlayersSavesAside) {
    FamilyChoice family;
    AddPlayer(family);
    AddPlayer(family);
    CSettings::GetInstance()->SetFamily(family);
    const std::string first = dir.File("save\\page01.sav");
    const std::string second = dir.File("players\\01\\save\\page03.sav");
    const std::string third = dir.File("players\\02\\save\\page30.sav");
    for (const std::string& path : {first, second, third}) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteAll(path, {1, 2, 3});
    }
    SendMessageA(window, UWM_OPEN_CORNER, 0, 0);

    // A click on remove does nothing.
    Click(CornerRemoveBox(1));
    g_gameController.TickCorner(window);
    EXPECT_EQ(CSettings::GetInstance()->GetFamily().players.size(), 3u);

    const auto aside = [](const std::string& path) {
        return !std::filesystem::exists(path) &&
               std::filesystem::exists(std::filesystem::path(path).parent_path() / "previous" /
                                       std::filesystem::path(path).filename());
    };
    ASSERT_TRUE(HoldUntil(CornerStartAgainBox(1), [&] { return aside(second); }));
    EXPECT_EQ(CSettings::GetInstance()->GetFamily().players.size(), 3u) << "still playing";
    EXPECT_TRUE(std::filesystem::exists(first));
    EXPECT_TRUE(std::filesystem::exists(third));

    ASSERT_TRUE(HoldUntil(CornerRemoveBox(2), [&] { return aside(third); }));
    EXPECT_EQ(Kept(dir).players.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(first)) << "the first player's progress stays";
}

TEST_F(CornerPlayTest, EnterHeldOnTheWayBackDoesNotRepeatIntoAStart) {
    SendMessageA(window, UWM_OPEN_CORNER, 0, 0);
    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_EQ(g_gameController.GetState(), kStateTitle);
    // The keyboard's repeats of a key held since the corner: bit 30 set.
    SendMessageA(window, WM_KEYDOWN, VK_RETURN, LPARAM{1} << 30 | 1);
    RunWaitingMessages();
    EXPECT_EQ(g_gameController.GetState(), kStateTitle);
    SendMessageA(window, WM_KEYUP, VK_RETURN, 0);
    SendMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
    RunWaitingMessages();
    EXPECT_NE(g_gameController.GetState(), kStateTitle) << "a fresh press starts";
}
