// The grown-up corner's controls: each one is hit where it stands and
// nowhere else, does what it says to the household's choices, and the two
// that put progress aside must be held; a player's files are found below
// every folder they may lie in.
#include "game/grown_up_corner.h"

#include <gtest/gtest.h>

namespace {

FamilyChoice Household(int32_t players) {
    FamilyChoice family;
    while (static_cast<int32_t>(family.players.size()) < players)
        AddPlayer(family);
    return family;
}

CornerHit At(const FamilyChoice& family, const ScreenBox& box) {
    return CornerHitAt(family, box.x + box.width / 2, box.y + box.height / 2);
}

bool Overlap(const ScreenBox& a, const ScreenBox& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

} // namespace

TEST(GrownUpCornerTest, EachControlIsHitWhereItStandsAndNowhereElse) {
    const FamilyChoice family = Household(3);
    struct Expect {
        ScreenBox box;
        CornerAct act;
        int32_t value;
    };
    const Expect controls[] = {
        {kCornerMusicDown, CornerAct::kMusicDown, 0},
        {kCornerMusicUp, CornerAct::kMusicUp, 0},
        {kCornerEffectsDown, CornerAct::kEffectsDown, 0},
        {kCornerEffectsUp, CornerAct::kEffectsUp, 0},
        {CornerFitBox(kFitNormal), CornerAct::kFit, kFitNormal},
        {CornerFitBox(kFitVeryGenerous), CornerAct::kFit, kFitVeryGenerous},
        {kCornerHelp, CornerAct::kHelp, 0},
        {kCornerLock, CornerAct::kLock, 0},
        {CornerStartAgainBox(0), CornerAct::kStartAgain, 0},
        {CornerStartAgainBox(2), CornerAct::kStartAgain, 2},
        {CornerRemoveBox(2), CornerAct::kRemove, 2},
        {CornerBadgeBox(3), CornerAct::kAddPlayer, 3},
        {kCornerBack, CornerAct::kBack, 0},
    };
    std::vector<ScreenBox> boxes;
    for (const Expect& e : controls) {
        const CornerHit hit = At(family, e.box);
        EXPECT_EQ(hit.act, e.act) << e.box.x << "," << e.box.y;
        EXPECT_EQ(hit.value, e.value) << e.box.x << "," << e.box.y;
        const CornerHit left = CornerHitAt(family, e.box.x - 1, e.box.y);
        EXPECT_FALSE(left.act == e.act && left.value == e.value) << "left of " << e.box.x;
        EXPECT_LE(e.box.x + e.box.width, kScreenWidth);
        EXPECT_LE(e.box.y + e.box.height, kScreenHeight);
        for (const ScreenBox& other : boxes)
            EXPECT_FALSE(Overlap(e.box, other)) << e.box.x << "," << e.box.y;
        boxes.push_back(e.box);
    }
    // The first player is never removed, and a full household has no add.
    EXPECT_EQ(At(family, CornerRemoveBox(0)).act, CornerAct::kNothing);
    EXPECT_EQ(At(Household(6), CornerBadgeBox(6)).act, CornerAct::kNothing);
    EXPECT_LE(CornerRemoveBox(5).x + CornerRemoveBox(5).width, kScreenWidth);
    EXPECT_EQ(CornerHitAt(family, 0, 0).act, CornerAct::kNothing);
}

TEST(GrownUpCornerTest, ControlsChangeTheHouseholdsChoices) {
    FamilyChoice family;
    family = ApplyCornerAct(family, {CornerAct::kMusicUp, 0});
    EXPECT_EQ(family.musicVolume, kVolumeFull) << "never past full";
    for (int i = 0; i < 6; ++i)
        family = ApplyCornerAct(family, {CornerAct::kMusicDown, 0});
    EXPECT_EQ(family.musicVolume, 0) << "never past silent";
    family = ApplyCornerAct(family, {CornerAct::kEffectsDown, 0});
    EXPECT_EQ(family.effectsVolume, kVolumeFull - 1);
    family = ApplyCornerAct(family, {CornerAct::kEffectsUp, 0});
    EXPECT_EQ(family.effectsVolume, kVolumeFull);
    family = ApplyCornerAct(family, {CornerAct::kFit, kFitGenerous});
    EXPECT_EQ(family.fit, kFitGenerous);
    family = ApplyCornerAct(family, {CornerAct::kFit, 7});
    EXPECT_EQ(family.fit, kFitGenerous) << "no such fit";
    family = ApplyCornerAct(family, {CornerAct::kHelp, 0});
    family = ApplyCornerAct(family, {CornerAct::kLock, 0});
    EXPECT_TRUE(family.helpWhenStuck && family.childLock);
    family = ApplyCornerAct(family, {CornerAct::kLock, 0});
    EXPECT_FALSE(family.childLock);
    const FamilyChoice before = family;
    EXPECT_TRUE(ApplyCornerAct(family, {CornerAct::kStartAgain, 0}) == before);
    EXPECT_TRUE(ApplyCornerAct(family, {CornerAct::kBack, 0}) == before);
    EXPECT_TRUE(IsValidFamily(family));
}

TEST(GrownUpCornerTest, PlayersAreAddedAndRemovedAndTheLastStaysOnSomeone) {
    FamilyChoice family = ApplyCornerAct(Household(3), {CornerAct::kAddPlayer, 0});
    ASSERT_EQ(family.players.size(), 4u);
    family.lastPlayer = 3;
    family = ApplyCornerAct(family, {CornerAct::kRemove, 1});
    ASSERT_EQ(family.players.size(), 3u);
    EXPECT_EQ(family.lastPlayer, 2) << "the same player, one place on";
    EXPECT_EQ(family.players[1].folder, 2);
    family = ApplyCornerAct(family, {CornerAct::kRemove, 2});
    EXPECT_EQ(family.lastPlayer, 0) << "the last player removed: the first plays";
    family = ApplyCornerAct(family, {CornerAct::kRemove, 0});
    EXPECT_EQ(family.players.size(), 2u) << "the first player stays";
    EXPECT_TRUE(IsValidFamily(family));
    EXPECT_TRUE(CornerActNeedsHold(CornerAct::kStartAgain));
    EXPECT_TRUE(CornerActNeedsHold(CornerAct::kRemove));
    EXPECT_FALSE(CornerActNeedsHold(CornerAct::kAddPlayer));
    EXPECT_FALSE(CornerActNeedsHold(CornerAct::kLock));
}

TEST(GrownUpCornerTest, APlayersSaveFilesBelowEveryFolder) {
    const std::vector<std::string> first = PlayerSavePaths({"C:\\Game", ""}, 0);
    ASSERT_EQ(first.size(), 30u);
    EXPECT_EQ(first.front(), "C:\\Game\\save\\page01.sav");
    const std::vector<std::string> third = PlayerSavePaths({"C:\\Game", "C:\\Users\\V"}, 2);
    ASSERT_EQ(third.size(), 60u);
    EXPECT_EQ(third[29], "C:\\Game\\players\\02\\save\\page30.sav");
    EXPECT_EQ(third[30], "C:\\Users\\V\\players\\02\\save\\page01.sav");
}
