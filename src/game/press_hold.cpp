#include "game/press_hold.h"

void CPressHold::Press(uint32_t now) {
    if (holding)
        return;
    holding = true;
    acted = false;
    pressedAt = now;
}

bool CPressHold::Completed(uint32_t now) {
    if (!holding || acted || now - pressedAt < holdMs)
        return false;
    acted = true;
    return true;
}

bool CPressHold::Release(uint32_t now) {
    if (!holding)
        return false;
    // A release that comes before any tick saw the hold complete still
    // counts as the hold, so a slow tick never turns a hold into a tap.
    const bool tap = !acted && now - pressedAt < holdMs;
    holding = false;
    return tap;
}

int32_t CPressHold::Progress(uint32_t now, int32_t steps) const {
    if (!holding)
        return 0;
    const uint32_t held = now - pressedAt;
    if (held >= holdMs)
        return steps;
    return static_cast<int32_t>(static_cast<uint64_t>(held) * steps / holdMs);
}
