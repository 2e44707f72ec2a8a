// What the grown-up corner's controls do, without drawing anything: where
// each control stands (screen_layout.h), which one a press hits, and what
// it changes in the household's choices. Starting a player again and
// removing one must be held for two seconds, as the book's start again is;
// their files move into "previous" folders rather than being deleted.
#pragma once

#include "game/screen_layout.h"
#include "persist/family_settings.h"

#include <cstdint>
#include <string>
#include <vector>

enum class CornerAct {
    kNothing,
    kMusicDown,
    kMusicUp,
    kEffectsDown,
    kEffectsUp,
    kFit,        // value: the FitSetting chosen
    kHelp,       // help when stuck on or off
    kLock,       // the child lock on or off
    kAddPlayer,  // value: where it stands (the number of players)
    kStartAgain, // value: the player; held
    kRemove,     // value: the player; held, never the first
    kBack,
};

struct CornerHit {
    CornerAct act = CornerAct::kNothing;
    int32_t value = 0;
};

// Where player i's badge, start again and remove buttons stand, and the add
// badge (i = the number of players).
ScreenBox CornerBadgeBox(int32_t player);
ScreenBox CornerStartAgainBox(int32_t player);
ScreenBox CornerRemoveBox(int32_t player);
ScreenBox CornerFitBox(int32_t fit);

// The corner's controls for family in reading order (the keys' round), and
// where a control stands.
std::vector<CornerHit> CornerControls(const FamilyChoice& family);
ScreenBox CornerBoxOf(const CornerHit& hit);
// The control under (x, y) for the household's family.
CornerHit CornerHitAt(const FamilyChoice& family, int32_t x, int32_t y);
// Whether the act only happens once its control has been held.
bool CornerActNeedsHold(CornerAct act);
// family as the act leaves it: a step of a volume (never past silent or
// full), the fit chosen, a switch turned over, a player added or removed
// (the last player moved to stay on someone). Start again and back change
// nothing here.
FamilyChoice ApplyCornerAct(FamilyChoice family, const CornerHit& hit);
// Called by the corner when a player is started again or removed: the
// player's page save files below each of roots (the game's folder and the
// per-user one; empty roots are skipped), for MoveSavesToPrevious.
std::vector<std::string> PlayerSavePaths(const std::vector<std::string>& roots, int32_t folder);
