// What a key does, by the controller's state. The window procedure carries
// the answer out (keyboard.cpp); kept apart so the rules can be checked
// without a window.
#pragma once

#include "game/play_keys.h"

#include <cstdint>

enum class KeyAction {
    kNothing,
    kStart,       // post ID_START
    kEndAtOnce,   // destroy the window: no ending picture, the page not stored
    kPressButton, // press the game button of `command` visibly, then send it
    kPlay,        // hand `playKey` to the view
};

struct KeyResponse {
    KeyAction action;
    int32_t command;                       // the button's command for kPressButton, else 0
    const char* logLine;                   // the diagnostic line to write first, or null
    PlayKey playKey = PlayKey::kNextPiece; // for kPlay
};

// state is the controller's (GameState); key a Windows virtual-key code;
// shift whether a Shift key is held.
KeyResponse RespondToKey(int32_t state, uint32_t key, bool shift = false);
