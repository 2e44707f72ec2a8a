#include "sprites/carry_mode.h"

namespace {

// A button that comes up closer than this to where it went down was a
// click: the piece stays lifted until the next press.
constexpr int64_t kClickReach = 6;

} // namespace

void CCarryMode::Pressed(int32_t x, int32_t y) {
    kind = Kind::kHeld;
    pressedAt = POINT{x, y};
}

bool CCarryMode::ReleasedAsClick(int32_t x, int32_t y) {
    const int64_t dx = int64_t{x} - pressedAt.x;
    const int64_t dy = int64_t{y} - pressedAt.y;
    if (kind != Kind::kHeld || dx * dx + dy * dy >= kClickReach * kClickReach)
        return false;
    kind = Kind::kClicked;
    return true;
}
