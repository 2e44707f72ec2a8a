// What a key does, by the controller's state. The window procedure carries
// the answer out (keyboard.cpp); kept apart so the rules can be checked
// without a window.
#pragma once

#include "game/play_keys.h"

#include <cstdint>

enum class KeyAction {
    kNothing,
    kStart,        // post ID_START
    kEndAtOnce,    // destroy the window: no ending picture, the page not stored
    kPressButton,  // press the game button of `command` visibly, then send it
    kPlay,         // hand `playKey` to the view
    kBook,         // hand the picture book the BookKey in `command`
    kChoosePlayer, // move the title screen's badge highlight `command` (-1, 1) badges
    kCommand,      // send `command`, which has no button to press
    kCornerDoor,   // G on the title screen: the corner's door is held while it is down
    kCorner,       // hand the grown-up corner the CornerKey in `command`
};

// What a key asks of the grown-up corner.
enum CornerKey : int32_t {
    kCornerKeyNext,     // the focus on to the next control
    kCornerKeyPrevious, // back to the one before
    kCornerKeyPress,    // the focused control pressed (held while the key is)
    kCornerKeyBack,     // back to the title screen
};

// What a key asks of the open picture book.
enum BookKey : int32_t {
    kBookKeyLeft,
    kBookKeyRight,
    kBookKeyUp,
    kBookKeyDown,
    kBookKeyOpen,  // open the highlighted page
    kBookKeyClose, // back to the page that was showing
    kBookKeySound, // the sound switch, whose button the book covers
    // For a player with pictures of their own:
    kBookKeyNextPage,     // on to "your pictures" and through its sheets
    kBookKeyPreviousPage, // the same, backwards
    kBookKeyTurn,         // between the thirty pages and "your pictures"
    kBookKeyAddPicture,   // "add a picture", as A while playing
    kBookKeyRemove,       // held: the highlighted picture taken off the shelf
};

struct KeyResponse {
    KeyAction action;
    // The button's command for kPressButton, the BookKey for kBook, else 0.
    int32_t command;
    const char* logLine;                   // the diagnostic line to write first, or null
    PlayKey playKey = PlayKey::kNextPiece; // for kPlay
};

// state is the controller's (GameState); key a Windows virtual-key code;
// shift whether a Shift key is held.
KeyResponse RespondToKey(int32_t state, uint32_t key, bool shift = false);
