#include "sprites/carry_mode.h"

namespace {

// A button that comes up closer than this to where it went down was a
// click: the piece stays lifted until the next press.
constexpr int64_t kClickReach = 6;

// Each distance is bounded before it is squared: coordinates span 32 bits,
// and two such squares would not fit in 64.
bool WithinReach(int64_t dx, int64_t dy) {
    if (dx <= -kClickReach || dx >= kClickReach || dy <= -kClickReach || dy >= kClickReach)
        return false;
    return dx * dx + dy * dy < kClickReach * kClickReach;
}

} // namespace

void CCarryMode::Pressed(int32_t x, int32_t y) {
    kind = Kind::kHeld;
    pressedAt = POINT{x, y};
}

bool CCarryMode::ReleasedAsClick(int32_t x, int32_t y) {
    const int64_t dx = int64_t{x} - pressedAt.x;
    const int64_t dy = int64_t{y} - pressedAt.y;
    if (kind != Kind::kHeld || !WithinReach(dx, dy))
        return false;
    kind = Kind::kClicked;
    return true;
}
