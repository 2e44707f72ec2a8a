// The child lock's hold and the press-and-hold it is built on, on a
// simulated clock: off, everything acts at once; on, a tap acts never and
// says so, a two-second hold acts once, whatever the key's repeats.
#include "game/child_lock.h"

#include <gtest/gtest.h>

TEST(ChildLockTest, OffEverythingActsAtOnce) {
    CChildLock lock;
    EXPECT_TRUE(lock.Pressed(LockedAct::kEndAtOnce, 100));
    EXPECT_FALSE(lock.Holding());
    EXPECT_FALSE(lock.Released(150));
    EXPECT_EQ(lock.Poll(5000), LockedAct::kNone);
}

TEST(ChildLockTest, OnATapNeverActsAndSaysSo) {
    CChildLock lock;
    lock.SetOn(true);
    EXPECT_FALSE(lock.Pressed(LockedAct::kEndAtOnce, 1000));
    EXPECT_EQ(lock.HeldAct(), LockedAct::kEndAtOnce);
    EXPECT_EQ(lock.Poll(1500), LockedAct::kNone);
    EXPECT_EQ(lock.Poll(2999), LockedAct::kNone);
    EXPECT_TRUE(lock.Released(2999)) << "a tap, just under two seconds";
    EXPECT_EQ(lock.HeldAct(), LockedAct::kNone);
    EXPECT_EQ(lock.Poll(9000), LockedAct::kNone) << "nothing acts after the release";
}

TEST(ChildLockTest, OnATwoSecondHoldActsOnceWhateverTheRepeats) {
    CChildLock lock;
    lock.SetOn(true);
    EXPECT_FALSE(lock.Pressed(LockedAct::kQuit, 1000));
    // The key's repeats, and another locked key, while it is held.
    for (uint32_t t = 1030; t < 3000; t += 30) {
        EXPECT_FALSE(lock.Pressed(t % 60 == 0 ? LockedAct::kEndAtOnce : LockedAct::kQuit, t));
        EXPECT_EQ(lock.Poll(t), LockedAct::kNone) << t;
    }
    EXPECT_EQ(lock.Poll(3000), LockedAct::kQuit);
    EXPECT_EQ(lock.Poll(3010), LockedAct::kNone) << "once";
    EXPECT_FALSE(lock.Released(4000)) << "a hold is no tap";

    // Held past two seconds with no tick in between still is no tap.
    EXPECT_FALSE(lock.Pressed(LockedAct::kEndAtOnce, 10000));
    EXPECT_FALSE(lock.Released(12000));
}

TEST(ChildLockTest, ACancelledHoldOrALockTurnedOffActsNever) {
    CChildLock lock;
    lock.SetOn(true);
    lock.Pressed(LockedAct::kQuit, 0);
    lock.Cancel();
    EXPECT_EQ(lock.Poll(5000), LockedAct::kNone);
    lock.Pressed(LockedAct::kQuit, 6000);
    lock.SetOn(false);
    EXPECT_EQ(lock.Poll(9000), LockedAct::kNone);
}

TEST(PressHoldTest, ProgressAndTheClockWrapping) {
    CPressHold hold(kCornerHoldMs);
    EXPECT_EQ(hold.Progress(0, 6), 0);
    // Pressed just before the millisecond clock wraps round.
    const uint32_t start = 0xFFFFFFFFu - 1000;
    hold.Press(start);
    EXPECT_EQ(hold.Progress(start + 1500, 6), 3);
    EXPECT_FALSE(hold.Completed(start + 2999));
    EXPECT_TRUE(hold.Completed(start + 3000));
    EXPECT_EQ(hold.Progress(start + 4000, 6), 6);
    EXPECT_FALSE(hold.Release(start + 4000));
    EXPECT_EQ(hold.Progress(start + 4000, 6), 0);
}
