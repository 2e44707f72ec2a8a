// The picture buttons' window-procedure hooks on real button windows: the
// cases the end-to-end button scenarios never meet (a hook moved or
// destroyed) and the pointer over a button.
#include "game/win32/button_hooks.h"
#include "image/cursor_set.h"
#include "image/win32/cursor_loader.h"

#include <gtest/gtest.h>

namespace {

WNDPROC ProcOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// A hidden parent with two owner-drawn buttons of the system's class.
class ButtonHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        // Shown without being activated, Wine leaves it to itself and need
        // not wait for a window manager when it goes away.
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        for (HWND& button : buttons) {
            button = CreateWindowExA(0, "button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10,
                                     60, 59, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        }
        original = ProcOf(buttons[0]);
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND parent = nullptr;
    HWND buttons[2] = {};
    WNDPROC original = nullptr;
};

} // namespace

TEST_F(ButtonHookTest, HookingTwiceOrMovingToAnotherWindowNeverLosesTheOriginalProcedure) {
    CTitleButtonHook hook;
    hook.Attach(buttons[0]);
    hook.Attach(buttons[0]);
    // Not its own previous procedure, which would call itself for ever.
    EXPECT_EQ(hook.GetPreviousProc(), original);
    hook.Attach(buttons[1]);
    EXPECT_EQ(ProcOf(buttons[0]), original);
    EXPECT_EQ(ProcOf(buttons[1]), TitleButtonHookProc);
    EXPECT_EQ(CTitleButtonHook::Find(buttons[0]), nullptr);
    EXPECT_EQ(CTitleButtonHook::Find(buttons[1]), &hook);
    {
        CTitleButtonHook goesAway;
        goesAway.Attach(buttons[0]);
    }
    EXPECT_EQ(ProcOf(buttons[0]), original);
    EXPECT_EQ(CTitleButtonHook::Find(buttons[0]), nullptr);
}

TEST_F(ButtonHookTest, ADestroyedButtonIsLetGoAndItsMessagesStillReachItsOwnProcedure) {
    CGameButtonHook hook;
    hook.Attach(buttons[0]);
    // The button's own procedure still answers through the hook.
    EXPECT_EQ(SendMessageA(buttons[0], BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    SendMessageA(buttons[0], BM_SETSTATE, TRUE, 0);
    EXPECT_NE(SendMessageA(buttons[0], BM_GETSTATE, 0, 0) & BST_PUSHED, 0);

    DestroyWindow(buttons[0]);
    EXPECT_EQ(hook.GetHookedWindow(), nullptr);
    EXPECT_EQ(CGameButtonHook::Find(buttons[0]), nullptr);
}

TEST_F(ButtonHookTest, OverEitherKindOfButtonThePointerIsTheArrowWhateverThePageAsked) {
    CCursorSet* cursors = GetCursorSet();
    LoadCursors(cursors, GetModuleHandleA(nullptr));
    ASSERT_NE(cursors->GetCursor(kCursorArrow), nullptr);
    CGameButtonHook gameHook;
    CTitleButtonHook titleHook;
    gameHook.Attach(buttons[0]);
    titleHook.Attach(buttons[1]);
    cursors->SetKind(kCursorCarrying);
    for (HWND button : buttons) {
        SetCursor(cursors->GetCursor(kCursorCarrying));
        EXPECT_EQ(SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  0);
        EXPECT_EQ(GetCursor(), cursors->GetCursor(kCursorArrow));
    }
    EXPECT_EQ(cursors->GetKind(), kCursorCarrying);
    cursors->SetKind(kCursorArrow);
}
