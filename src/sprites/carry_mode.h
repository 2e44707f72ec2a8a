// How the carried piece is carried: with the button held, after a click
// (until the next press lets it go), or by keyboard (from hole to hole). The
// view asks it at every press and release; it knows nothing of the page.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

class CCarryMode {
public:
    // Called by the view when a press lifts a piece: carried held, from the
    // pointer's (x, y).
    void Pressed(int32_t x, int32_t y);
    // Called by the view when the button comes up: true when the piece was
    // carried held and the button came up within a few pixels of where it
    // went down, which was a click; the piece is carried by click from now.
    bool ReleasedAsClick(int32_t x, int32_t y);
    // Called by the view when keyboard play lifts a piece.
    void KeyboardLifted() { kind = Kind::kKeyboard; }
    // Called by the view when the carry ends.
    void Reset() { kind = Kind::kHeld; }

    // Meaningful while a piece is carried; held otherwise.
    bool Held() const { return kind == Kind::kHeld; }
    bool Clicked() const { return kind == Kind::kClicked; }
    bool ByKeyboard() const { return kind == Kind::kKeyboard; }

private:
    enum class Kind { kHeld, kClicked, kKeyboard };

    Kind kind = Kind::kHeld;
    POINT pressedAt = {0, 0};
};
