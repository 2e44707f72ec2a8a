// Help when stuck: a piece dropped away from its hole three times in a row
// makes its hole glow, as the hint does, for a child too young to ask for
// the hint. The count belongs to one piece: it starts again when a piece
// goes in, when another piece is dropped and when the page changes.
#pragma once

#include <cstdint>

constexpr int32_t kMissesBeforeHelp = 3;

class CStuckHelp {
public:
    // Called by the play settings at start-up and by the corner; off by
    // default, as the game always was.
    void SetEnabled(bool on) { enabled = on; }
    bool Enabled() const { return enabled; }

    // Called by the view after each drop of piece k with the mouse: true when
    // this drop is the third miss in a row of that piece and help is on, so
    // that the view lights the hole. The count then starts again.
    bool Dropped(int32_t k, bool fits);
    // Called by the view when the page's sprites go.
    void Forget();
    int32_t Misses() const { return misses; }

private:
    bool enabled = false;
    int32_t piece = -1;
    int32_t misses = 0;
};
