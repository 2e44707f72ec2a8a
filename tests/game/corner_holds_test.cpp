// The corner's door and its held controls on a made-up clock: a click or a
// short press never opens the corner or puts a player's progress aside, a
// hold does exactly once, sliding off lets go, and the keys reach every
// control the mouse does.
#include "game/corner_holds.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kDoorX = kCornerDoor.x + kCornerDoor.width / 2;
constexpr int32_t kDoorY = kCornerDoor.y + kCornerDoor.height / 2;

FamilyChoice Household(int32_t players) {
    FamilyChoice family;
    while (static_cast<int32_t>(family.players.size()) < players)
        AddPlayer(family);
    return family;
}

int32_t CentreX(const ScreenBox& box) {
    return box.x + box.width / 2;
}

int32_t CentreY(const ScreenBox& box) {
    return box.y + box.height / 2;
}

bool Same(const CornerHit& a, const CornerHit& b) {
    return a.act == b.act && a.value == b.value;
}

// Ticks every 10 ms from `from` up to and including `to`: how many opened.
int32_t TickDoor(CCornerDoor& door, uint32_t from, uint32_t to) {
    int32_t opened = 0;
    for (uint32_t now = from; now <= to; now += 10)
        opened += door.Opens(now) ? 1 : 0;
    return opened;
}

} // namespace

TEST(CornerDoorTest, AClickOrAShortPressNeverOpensAndAThreeSecondHoldOpensOnce) {
    CCornerDoor door;
    EXPECT_FALSE(door.Press(kCornerDoor.x - 1, kDoorY, 1000)) << "beside the door";
    EXPECT_FALSE(door.Holding());

    // A click.
    ASSERT_TRUE(door.Press(kDoorX, kDoorY, 1000));
    EXPECT_EQ(TickDoor(door, 1000, 1100), 0);
    EXPECT_FALSE(door.Release(1100));
    EXPECT_EQ(TickDoor(door, 1100, 9000), 0) << "a click opens nothing later either";
    EXPECT_EQ(door.Face(5000), 0);

    // Held: the face shows how far, and the door opens at three seconds.
    ASSERT_TRUE(door.Press(kDoorX, kDoorY, 10000));
    EXPECT_EQ(door.Face(10000), 1);
    EXPECT_EQ(door.Face(11500), 1 + kCornerHoldSteps / 2);
    EXPECT_EQ(TickDoor(door, 10000, 12990), 0);
    EXPECT_TRUE(door.Opens(13000));
    EXPECT_FALSE(door.Holding());
    EXPECT_EQ(TickDoor(door, 13010, 20000), 0) << "opened once, the button still down";
    EXPECT_FALSE(door.Release(20000));
}

TEST(CornerDoorTest, SlidingOffLetsGoAndAReleaseAfterTheHoldStillOpens) {
    CCornerDoor door;
    ASSERT_TRUE(door.Press(kDoorX, kDoorY, 0));
    door.Move(kDoorX + 2, kDoorY + 2);
    EXPECT_TRUE(door.Holding()) << "moving on the door keeps the hold";
    door.Move(kCornerDoor.x + kCornerDoor.width, kDoorY);
    EXPECT_FALSE(door.Holding());
    EXPECT_EQ(TickDoor(door, 0, 5000), 0);

    // A slow tick: the button comes up after three seconds, before any tick
    // saw the hold done. It was a hold, not a tap.
    ASSERT_TRUE(door.Press(kDoorX, kDoorY, 6000));
    EXPECT_FALSE(door.Opens(8000));
    EXPECT_TRUE(door.Release(9001));
    EXPECT_FALSE(door.Opens(9010));
}

TEST(CornerDoorTest, TheGKeyOpensOnlyWhenHeldAndTheMouseCannotEndItsHold) {
    CCornerDoor door;
    door.KeyDown(0);
    door.KeyDown(900); // the key's repeats
    door.KeyDown(1800);
    EXPECT_FALSE(door.KeyUp(2000)) << "two seconds are not three";
    EXPECT_EQ(TickDoor(door, 2000, 6000), 0);

    door.KeyDown(10000);
    for (uint32_t repeat = 10030; repeat < 12990; repeat += 30)
        door.KeyDown(repeat);
    EXPECT_FALSE(door.HeldByMouse());
    door.Move(0, 0);
    EXPECT_FALSE(door.Release(12000)) << "a button that was never pressed on the door";
    EXPECT_TRUE(door.Holding());
    EXPECT_EQ(door.Face(12999), kCornerHoldSteps);
    EXPECT_EQ(TickDoor(door, 12000, 12990), 0);
    EXPECT_TRUE(door.Opens(13000));
    EXPECT_FALSE(door.KeyUp(13100));

    // Losing the keyboard forgets the hold.
    door.KeyDown(20000);
    door.Cancel();
    EXPECT_EQ(TickDoor(door, 20000, 25000), 0);
}

TEST(CornerControlsTest, OnlyStartAgainAndRemoveWaitForTheirTwoSecondHold) {
    const FamilyChoice family = Household(3);
    CCornerControls controls;
    controls.Open();
    const CornerHit lock = controls.Press(family, CentreX(kCornerLock), CentreY(kCornerLock), 100);
    EXPECT_EQ(lock.act, CornerAct::kLock) << "acts as it is pressed";
    EXPECT_EQ(controls.Release(150).act, CornerAct::kNothing);

    const ScreenBox again = CornerStartAgainBox(1);
    EXPECT_EQ(controls.Press(family, CentreX(again), CentreY(again), 1000).act,
              CornerAct::kNothing);
    EXPECT_TRUE(Same(controls.Held(), {CornerAct::kStartAgain, 1}));
    EXPECT_EQ(controls.HeldFace(2000), 1 + kCornerHoldSteps / 2);
    EXPECT_EQ(controls.Tick(2999).act, CornerAct::kNothing);
    EXPECT_TRUE(Same(controls.Tick(3000), {CornerAct::kStartAgain, 1}));
    EXPECT_EQ(controls.Tick(3010).act, CornerAct::kNothing) << "once";
    EXPECT_EQ(controls.Held().act, CornerAct::kNothing);
    EXPECT_EQ(controls.Release(3500).act, CornerAct::kNothing);

    // Let go after a second: nothing, then or later.
    const ScreenBox remove = CornerRemoveBox(2);
    controls.Press(family, CentreX(remove), CentreY(remove), 5000);
    EXPECT_TRUE(Same(controls.Held(), {CornerAct::kRemove, 2}));
    EXPECT_EQ(controls.Release(6000).act, CornerAct::kNothing);
    EXPECT_EQ(controls.Tick(9000).act, CornerAct::kNothing);
    EXPECT_EQ(controls.HeldFace(9000), 0);

    // Sliding onto the next player's button lets go.
    controls.Press(family, CentreX(remove), CentreY(remove), 10000);
    controls.Move(family, CentreX(remove) + 3, CentreY(remove));
    EXPECT_TRUE(Same(controls.Held(), {CornerAct::kRemove, 2}));
    controls.Move(family, CentreX(CornerStartAgainBox(2)), CentreY(remove));
    EXPECT_EQ(controls.Tick(13000).act, CornerAct::kNothing);

    // Let go after the hold but before a tick saw it: it still acts.
    controls.Press(family, CentreX(remove), CentreY(remove), 20000);
    EXPECT_TRUE(Same(controls.Release(22500), {CornerAct::kRemove, 2}));
}

TEST(CornerControlsTest, TheKeysGoRoundEveryControlTheMouseReaches) {
    for (int32_t players : {1, 3, kMostPlayers}) {
        const FamilyChoice family = Household(players);
        const std::vector<CornerHit> all = CornerControls(family);
        // 9 settings, a start again each, a remove for all but the first,
        // the add badge while there is room, back.
        const size_t expected =
            9 + static_cast<size_t>(2 * players - 1) + (players < kMostPlayers ? 1 : 0) + 1;
        ASSERT_EQ(all.size(), expected) << players;
        CCornerControls controls;
        controls.Open();
        for (size_t i = 0; i < all.size(); ++i) {
            const ScreenBox box = CornerBoxOf(all[i]);
            EXPECT_TRUE(Same(CornerHitAt(family, CentreX(box), CentreY(box)), all[i]))
                << players << " players, control " << i;
            EXPECT_TRUE(Same(controls.Focus(family), all[i])) << i;
            controls.MoveFocus(family, 1);
        }
        EXPECT_TRUE(Same(controls.Focus(family), all.front())) << "round to the first";
        controls.MoveFocus(family, -1);
        EXPECT_EQ(controls.Focus(family).act, CornerAct::kBack) << "and back to the last";
    }
}

TEST(CornerControlsTest, EnterWorksTheFocusedControlAsAPressAndTheFocusOutlivesARemoval) {
    FamilyChoice family = Household(3);
    CCornerControls controls;
    controls.Open();
    controls.MoveFocus(family, 1);
    EXPECT_EQ(controls.PressFocused(family, 0).act, CornerAct::kMusicUp);
    controls.Release(10);

    // Round to the third player's remove, held with Enter and its repeats.
    controls.MoveFocus(family, -4);
    ASSERT_TRUE(Same(controls.Focus(family), {CornerAct::kRemove, 2}));
    EXPECT_EQ(controls.PressFocused(family, 1000).act, CornerAct::kNothing);
    EXPECT_EQ(controls.PressFocused(family, 1500).act, CornerAct::kNothing) << "a repeat";
    EXPECT_TRUE(Same(controls.Tick(3000), {CornerAct::kRemove, 2}));

    family = ApplyCornerAct(family, {CornerAct::kRemove, 2});
    family = ApplyCornerAct(family, {CornerAct::kRemove, 1});
    controls.KeepFocus(family);
    const std::vector<CornerHit> left = CornerControls(family);
    EXPECT_TRUE(Same(controls.Focus(family), left.back()));
}
