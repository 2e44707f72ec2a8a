// Seeding from the clock, with the headless clock pinned.
#include "game/random.h"
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

namespace {

class RandomSeedingTest : public ::testing::Test {
protected:
    ~RandomSeedingTest() override { headless::SetClock(0); }
};

} // namespace

TEST_F(RandomSeedingTest, SeedZeroAndConstructionUseTheClock) {
    headless::SetClock(4711);
    CRandom fromClock;
    CRandom explicitSeed;
    explicitSeed.Seed(4711);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(fromClock.Draw(0, 99999), explicitSeed.Draw(0, 99999));

    headless::SetClock(815);
    fromClock.Seed(0);
    explicitSeed.Seed(815);
    EXPECT_EQ(fromClock.DrawCount(), 0);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(fromClock.Draw(0, 99999), explicitSeed.Draw(0, 99999));
}

TEST_F(RandomSeedingTest, ReseedsFromTheClockAfterFiveHundredDraws) {
    CRandom random;
    random.Seed(3);
    headless::SetClock(2718);
    for (int i = 0; i < CRandom::kDrawsPerSeed; ++i)
        random.Draw(0, 1000);
    EXPECT_EQ(random.DrawCount(), CRandom::kDrawsPerSeed);

    CRandom reference;
    reference.Seed(2718);
    // Draw 501 is the first of the clock's sequence.
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(random.Draw(0, 1000), reference.Draw(0, 1000));
}
