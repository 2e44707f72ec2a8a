// The title screen's badges: one per player and the add badge while there
// is room, centred in a row; the highlight starts on the last player and
// wraps; adding a player takes the first free badge and folder.
#include "game/player_badges.h"

#include <gtest/gtest.h>

namespace {

FamilyChoice Household(int32_t players, int32_t last) {
    FamilyChoice family;
    for (int32_t i = 1; i < players; ++i)
        AddPlayer(family);
    family.lastPlayer = last;
    return family;
}

} // namespace

TEST(PlayerBadgesTest, OneBadgePerPlayerThenTheAddBadgeCentredInARow) {
    CPlayerBadges badges;
    badges.SetFamily(Household(1, 0));
    ASSERT_EQ(badges.SlotCount(), 2);
    EXPECT_FALSE(badges.IsAddSlot(0));
    EXPECT_TRUE(badges.IsAddSlot(1));
    EXPECT_EQ(badges.RowOf(0), 0);
    EXPECT_EQ(badges.RowOf(1), kAddBadgeRow);
    const ScreenBox first = badges.SlotBox(0), second = badges.SlotBox(1);
    EXPECT_EQ(first.x + second.x + kBadgeSize, kScreenWidth) << "centred";
    EXPECT_EQ(second.x - first.x, kBadgeSize + kBadgeGap);
    EXPECT_EQ(first.y, kTitleBadgesTop);
    EXPECT_EQ(badges.SlotAt(first.x, first.y), 0);
    EXPECT_EQ(badges.SlotAt(second.x + kBadgeSize - 1, second.y + kBadgeSize - 1), 1);
    EXPECT_EQ(badges.SlotAt(first.x + kBadgeSize, first.y), -1) << "the gap";
    EXPECT_EQ(badges.SlotAt(first.x, first.y - 1), -1);

    badges.SetFamily(Household(6, 5));
    EXPECT_EQ(badges.SlotCount(), 6) << "no add badge for a seventh";
    EXPECT_FALSE(badges.IsAddSlot(5));
    EXPECT_EQ(badges.RowOf(5), 5);
}

TEST(PlayerBadgesTest, TheHighlightStartsOnTheLastPlayerAndWraps) {
    CPlayerBadges badges;
    badges.SetFamily(Household(3, 2));
    EXPECT_EQ(badges.Highlight(), 2);
    badges.Move(1);
    EXPECT_EQ(badges.Highlight(), 3) << "the add badge";
    badges.Move(1);
    EXPECT_EQ(badges.Highlight(), 0);
    badges.Move(-1);
    EXPECT_EQ(badges.Highlight(), 3);
    badges.HighlightSlot(9);
    EXPECT_EQ(badges.Highlight(), 0);
}

TEST(PlayerBadgesTest, AddingAPlayerTakesTheFirstFreeBadgeAndFolder) {
    FamilyChoice family;
    family.players = {{0, 0}, {2, 3}};
    EXPECT_EQ(AddPlayer(family), 2);
    EXPECT_EQ(family.players[2].badge, 1);
    EXPECT_EQ(family.players[2].folder, 1);
    EXPECT_EQ(AddPlayer(family), 3);
    EXPECT_EQ(family.players[3].badge, 3);
    EXPECT_EQ(family.players[3].folder, 2);
    AddPlayer(family);
    AddPlayer(family);
    EXPECT_TRUE(IsValidFamily(family));
    EXPECT_EQ(AddPlayer(family), -1);
    EXPECT_EQ(family.players.size(), 6u);
}
