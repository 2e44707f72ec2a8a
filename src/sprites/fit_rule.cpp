#include "sprites/fit_rule.h"
#include "game/catalogue.h"
#include "sprites/sprite.h"

namespace {

// The normal fit's reach (anim_view.cpp); the generous ones multiply it.
constexpr int64_t kNormalReach = 20;

bool Within(int64_t value, int64_t centre, int64_t reach) {
    return centre - reach < value && value < centre + reach;
}

} // namespace

int32_t CFitRule::ReachOf(FitSetting setting) {
    switch (setting) {
    case kFitGenerous:
        return 2 * kNormalReach;
    case kFitVeryGenerous:
        return 3 * kNormalReach;
    case kFitNormal:
        break;
    }
    return kNormalReach;
}

bool CFitRule::Forgives(const CSprite* ownHole, const CSprite* carried) const {
    if (fit == kFitNormal || ownHole == nullptr || carried == nullptr || ownHole->IsHidden())
        return false;
    const int64_t reach = ReachOf(fit);
    // In 64 bits: positions read from a damaged save file may lie anywhere.
    return Within(carried->GetX(), int64_t{ownHole->GetX()} + kFitOffsetX, reach) &&
           Within(carried->GetY(), int64_t{ownHole->GetY()} + kFitOffsetY, reach);
}
