#include "game/button_state.h"

#include <gtest/gtest.h>

TEST(ButtonStateMachine, TakesTheRequestedStateUnlessLockedAndReleasesOnTheNewState) {
    for (int32_t current : {0, 1, 2, 4, 5}) {
        for (int32_t requested : {0, 1, 2, 3, 4})
            EXPECT_EQ(NextButtonState(current, requested), requested)
                << current << " " << requested;
        EXPECT_EQ(NextButtonState(current, kButtonNew), kButtonReleased) << current;
    }
    // A locked button stays locked whatever is asked, except the release
    // that the new state stands for.
    for (int32_t requested : {0, 1, 2, 4})
        EXPECT_EQ(NextButtonState(kButtonLocked, requested), kButtonLocked) << requested;
    EXPECT_EQ(NextButtonState(kButtonLocked, kButtonNew), kButtonReleased);
}

TEST(ButtonStateMachine, TwoFramePicturesShowReleasedAndPressedFacesAndKeepTheirFaceOtherwise) {
    EXPECT_EQ(FrameForState(2, kButtonReleased, 1), 0);
    EXPECT_EQ(FrameForState(2, kButtonPressed, 0), 1);
    for (int32_t state : {1, 3, 4, 5, -1}) {
        EXPECT_EQ(FrameForState(2, state, 0), 0) << state;
        EXPECT_EQ(FrameForState(2, state, 1), 1) << state;
    }
}

TEST(ButtonStateMachine, FourFramePicturesHaveAFacePerStateAndOtherCountsNeverChange) {
    for (int32_t state = 0; state <= 3; ++state)
        EXPECT_EQ(FrameForState(4, state, 2), state);
    EXPECT_EQ(FrameForState(4, 4, 2), 2);
    EXPECT_EQ(FrameForState(4, 5, 1), 1);
    for (uint32_t count : {0u, 1u, 3u, 31u}) {
        EXPECT_EQ(FrameForState(count, kButtonReleased, 1), 1) << count;
        EXPECT_EQ(FrameForState(count, kButtonPressed, 0), 0) << count;
    }
}
