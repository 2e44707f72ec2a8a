// The grown-up corner in play: the title screen's door (held for three
// seconds with the mouse, or G), the corner's screen, its controls worked by
// the mouse and the keys, and every change kept in the settings file at
// once, put in force (CHouseRules) and shown on the players' badges.
// Starting a player again or removing one moves that player's saves into
// "previous" folders. The controller holds it, switches to and from its
// screen and passes on the mouse, the keys and the tick. Windows only.
#pragma once

#include "game/corner_holds.h"
#include "game/win32/corner_screen.h"
#include "platform/win_types.h"

#include <cstdint>

class CHouseRules;
class CSoundEffects;
class CTitleScreen;

class CCornerPlay {
public:
    CCornerPlay(CTitleScreen* titleScreen, CHouseRules* rules, CSoundEffects* sounds);

    // On the title screen: WM_LBUTTONDOWN, WM_MOUSEMOVE and WM_LBUTTONUP at
    // x, y; true when the door took the message.
    bool OnDoorMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    // G went down or came up on the title screen.
    void OnDoorKey(HWND window, bool down);
    // The main loop's call on the title screen: the door's face moves on;
    // true once the door has been held long enough (the corner then opens).
    bool TickDoor(HWND window);
    // The window lost the keyboard or the mouse: a hold is let go.
    void Cancel(HWND window);

    // The corner opens: its screen, which the controller makes current.
    CScreen* Open(HWND window);
    // In the corner: WM_LBUTTONDOWN, WM_MOUSEMOVE and WM_LBUTTONUP at x, y,
    // a CornerKey going down, and Enter or Space coming up. True when the
    // corner is to close (its back control, or Escape).
    bool OnMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    bool OnKey(HWND window, int32_t key);
    bool OnKeyUp(HWND window);
    // The main loop's call in the corner: a held control moves on, and acts
    // once held long enough.
    void Tick(HWND window);

    CCornerPlay(const CCornerPlay&) = delete;
    CCornerPlay& operator=(const CCornerPlay&) = delete;

private:
    // Carries out hit: true when it is the way back out.
    bool Carry(HWND window, const CornerHit& hit);
    // Player `player`'s saves moved aside, wherever they lie.
    void PutSavesAside(int32_t folder);
    // The look follows the controls; the screen is drawn again when it changed.
    void ShowLook(HWND window, uint32_t now);
    void SetDoorFace(HWND window, int32_t face);

    CTitleScreen* titleScreen;
    CHouseRules* rules;
    CSoundEffects* sounds;
    CCornerDoor door;
    CCornerControls controls;
    CornerLook look;
    CCornerScreen screen{&look};
    int32_t doorFace = 0;
};
