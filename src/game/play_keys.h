// The keys that play a page without the mouse, as the view understands them.
// The keyboard handler turns key codes into these (key_commands.h); the view
// decides what each means at that moment (keyboard_play.cpp).
#pragma once

enum class PlayKey {
    kNextPiece,     // Tab: select the next loose piece; while carrying, the next hole
    kPreviousPiece, // Shift+Tab: the same backwards
    kNextHole,      // Right: while carrying, the next open hole
    kPreviousHole,  // Left: while carrying, the previous open hole
    kLiftOrDrop,    // Enter, Space: lift the selected piece, or drop the carried one
    kSendHome,      // Backspace: the carried piece goes back where it lay
    kHint,          // H: make the hole of the carried (or next) piece glow
};
