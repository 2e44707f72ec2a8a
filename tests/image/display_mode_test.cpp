// Whether the display already shows the game's mode, so that the switch at
// start-up can be left out: only the very size and depth asked for count,
// and a report that leaves something out never does.
#include "platform/display_mode.h"

#include <gtest/gtest.h>

namespace {

const DisplayMode kGameMode = {1024, 768, 32};

TEST(DisplayModeTest, OnlyTheSizeAndDepthAskedForAreTheGamesMode) {
    EXPECT_TRUE(ShowsMode(DisplayMode{1024, 768, 32}, kGameMode));
    // Another size, either way round, or another depth needs the switch.
    EXPECT_FALSE(ShowsMode(DisplayMode{1280, 768, 32}, kGameMode));
    EXPECT_FALSE(ShowsMode(DisplayMode{1024, 1024, 32}, kGameMode));
    EXPECT_FALSE(ShowsMode(DisplayMode{768, 1024, 32}, kGameMode));
    EXPECT_FALSE(ShowsMode(DisplayMode{1024, 768, 16}, kGameMode));
    EXPECT_FALSE(ShowsMode(DisplayMode{1024, 768, 24}, kGameMode));
    // The same question for another mode gets its own answer.
    EXPECT_TRUE(ShowsMode(DisplayMode{1920, 1080, 32}, DisplayMode{1920, 1080, 32}));
    EXPECT_FALSE(ShowsMode(kGameMode, DisplayMode{1920, 1080, 32}));
}

TEST(DisplayModeTest, AReportLeavingSomethingOutIsNeverTheGamesMode) {
    // The settings could not be read at all.
    EXPECT_FALSE(ShowsMode(DisplayMode{}, kGameMode));
    // One field missing: the switch runs to be sure, even if the rest fits.
    EXPECT_FALSE(ShowsMode(DisplayMode{0, 768, 32}, kGameMode));
    EXPECT_FALSE(ShowsMode(DisplayMode{1024, 0, 32}, kGameMode));
    EXPECT_FALSE(ShowsMode(DisplayMode{1024, 768, 0}, kGameMode));
    // Nor does a request for nothing match a report of nothing.
    EXPECT_FALSE(ShowsMode(DisplayMode{}, DisplayMode{}));
}

} // namespace
