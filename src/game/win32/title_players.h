// Who plays: the title screen's badges answered. A click on a player's badge,
// or the arrows and Enter, start the game for that player; Start, Enter and
// Space start the player who played last, as they always started the game;
// the add badge adds a player. The controller holds it. Windows only.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

class CTitlePlayers {
public:
    // The title screen is shown: the badges of the settings' household.
    void Enter();
    // The arrows: the highlight moves on, and the title is drawn again.
    void OnArrow(HWND window, int32_t step);
    // A press on the title screen at (x, y): true when it hit a badge (a
    // player's starts the game for them, the add badge adds one).
    bool OnClick(HWND window, int32_t x, int32_t y);
    // Enter or Space: true when the highlight is on the add badge, which
    // they then press; otherwise the caller starts the game.
    bool OnStartKey(HWND window);
    // Called by the controller as the game starts: the highlighted player
    // (the one who played last, unless the arrows moved on) becomes the
    // current one, and is remembered as the last.
    void ChooseHighlighted();

private:
    void AddPlayer(HWND window);
};
