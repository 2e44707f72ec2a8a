#include "game/player_badges.h"

void CPlayerBadges::SetFamily(const FamilyChoice& family) {
    players = static_cast<int32_t>(family.players.size());
    slots = players + (players < kMostPlayers ? 1 : 0);
    for (int32_t i = 0; i < players && i < kMostPlayers; ++i)
        badges[i] = family.players[static_cast<size_t>(i)].badge;
    HighlightSlot(family.lastPlayer);
}

ScreenBox CPlayerBadges::SlotBox(int32_t slot) const {
    const int32_t width = slots * kBadgeSize + (slots - 1) * kBadgeGap;
    const int32_t left = (kScreenWidth - width) / 2;
    return {left + slot * (kBadgeSize + kBadgeGap), kTitleBadgesTop, kBadgeSize, kBadgeSize};
}

int32_t CPlayerBadges::RowOf(int32_t slot) const {
    if (slot < 0 || slot >= players)
        return kAddBadgeRow;
    return badges[slot];
}

int32_t CPlayerBadges::SlotAt(int32_t x, int32_t y) const {
    for (int32_t slot = 0; slot < slots; ++slot) {
        const ScreenBox box = SlotBox(slot);
        if (x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height)
            return slot;
    }
    return -1;
}

void CPlayerBadges::Move(int32_t step) {
    highlight = ((highlight + step) % slots + slots) % slots;
}

void CPlayerBadges::HighlightSlot(int32_t slot) {
    highlight = slot >= 0 && slot < slots ? slot : 0;
}

CPlayerBadges* GetPlayerBadges() {
    static CPlayerBadges badges;
    return &badges;
}
