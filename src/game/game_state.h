// The game's one state word, kept by the controller and read by the main
// loop (which ticks the page while playing, the book while it is open and
// the corner's holds) and by the keyboard.
#pragma once

#include <cstdint>

enum GameState : int32_t {
    kStateTitle = 0,    // the title screen; Enter, Space or its button start
    kStateStarting = 1, // page 1 loaded but not yet painted: no key works
    kStatePlaying = 2,  // a page is shown and played
    kStateBook = 3,     // the picture book is open; the page waits in memory
    kStateCorner = 4,   // the grown-up corner, opened from the title screen
};
