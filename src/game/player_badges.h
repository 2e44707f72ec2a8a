// The players' badges on the title screen: which badge stands where, which
// one the arrow keys have highlighted, and which one a click hits. A badge
// is a friendly animal the content tool draws, so that nobody has to read;
// the last badge, while there is room for another player, adds one.
#pragma once

#include "game/screen_layout.h"
#include "persist/family_settings.h"

#include <cstdint>

// The badge picture: kBadgeCount animal rows and the "add a player" row,
// each row a plain face and, beside it, the highlighted one.
constexpr const char* kBadgesPath = "\\data\\m0041.dat";
constexpr int32_t kAddBadgeRow = kBadgeCount;
constexpr int32_t kBadgeRows = kBadgeCount + 1;

class CPlayerBadges {
public:
    // Called by the controller when the title screen is entered and after a
    // player is added: the household's players, the highlight on the one
    // who played last.
    void SetFamily(const FamilyChoice& family);

    // One slot per player, then the add badge while fewer than six play.
    int32_t SlotCount() const { return slots; }
    bool IsAddSlot(int32_t slot) const { return slot == players && players < kMostPlayers; }
    // Where slot stands on the title screen.
    ScreenBox SlotBox(int32_t slot) const;
    // The badge picture's row for slot (the animal, or the add badge).
    int32_t RowOf(int32_t slot) const;
    // The slot under (x, y), -1 for none.
    int32_t SlotAt(int32_t x, int32_t y) const;

    int32_t Highlight() const { return highlight; }
    // The arrow keys: the highlight moves step slots, wrapping round.
    void Move(int32_t step);
    void HighlightSlot(int32_t slot);

private:
    int32_t players = 1;
    int32_t slots = 2;
    int32_t highlight = 0;
    int32_t badges[kMostPlayers] = {};
};

// The process-wide badges, made on first use; the title screen draws them
// and the controller answers their clicks and keys.
CPlayerBadges* GetPlayerBadges();
