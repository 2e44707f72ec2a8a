#include "app/keyboard.h"
#include "diag/log.h"
#include "game/commands.h"
#include "game/key_commands.h"
#include "game/win32/game_controller.h"
#include "game/win32/screens.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"

void OnKeyDown(HWND window, uint32_t key, bool repeated) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const KeyResponse response = RespondToKey(g_gameController.GetState(), key, shift);
    if (response.logLine != nullptr)
        Log("%s", response.logLine);
    switch (response.action) {
    case KeyAction::kStart:
        // Only a press starts: Enter held down on the corner's back control
        // (or on the add badge) would otherwise repeat into a start (or a
        // row of new players) on the title screen.
        if (repeated)
            break;
        // On the add badge Enter adds a player instead.
        if (!g_gameController.TitlePlayers().OnStartKey(window))
            PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(ID_START), 0);
        break;
    case KeyAction::kChoosePlayer:
        g_gameController.TitlePlayers().OnArrow(window, response.command);
        break;
    case KeyAction::kEndAtOnce:
        // No ending picture and no store: the player asked to be gone. With
        // the child lock on, only once the key has been held.
        if (g_gameController.HouseRules().LockedPress(LockedAct::kEndAtOnce))
            DestroyWindow(window);
        break;
    case KeyAction::kPressButton:
        if (response.command == ID_QUIT &&
            !g_gameController.HouseRules().LockedPress(LockedAct::kQuit))
            break;
        PressButton(window, response.command);
        break;
    case KeyAction::kPlay:
        g_animView.OnPlayKey(window, response.playKey);
        break;
    case KeyAction::kCommand:
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(response.command), 0);
        break;
    case KeyAction::kBook:
        g_gameController.OnBookKey(window, response.command);
        break;
    case KeyAction::kCornerDoor:
        g_gameController.Corner().OnDoorKey(window, true);
        break;
    case KeyAction::kCorner:
        g_gameController.OnCornerKey(window, response.command);
        break;
    case KeyAction::kNothing:
        break;
    }
}

void OnKeyUp(HWND window, uint32_t key) {
    // Escape and Q are the child lock's keys; a tap of either shows that
    // it needs holding.
    if (key == VK_ESCAPE || key == 'Q')
        g_gameController.HouseRules().LockedRelease();
    // Delete held in the book removes a picture of the player's own.
    if (key == VK_DELETE)
        g_gameController.OnBookRemoveKeyUp();
    // G holds the corner's door; Enter and Space hold a corner control.
    if (key == 'G')
        g_gameController.Corner().OnDoorKey(window, false);
    if (key == VK_RETURN || key == VK_SPACE)
        g_gameController.OnCornerKeyUp(window);
}
