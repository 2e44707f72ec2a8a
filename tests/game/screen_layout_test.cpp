// The screen's places fit together: nothing on the button bar overlaps, every
// button lies on the picture it is drawn over.
#include "game/commands.h"
#include "game/screen_layout.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr ScreenBox kScreen = {0, 0, kScreenWidth, kScreenHeight};

bool Inside(const ScreenBox& inner, const ScreenBox& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool Overlap(const ScreenBox& a, const ScreenBox& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

} // namespace

TEST(ScreenLayoutTest, TheButtonsAndThePageNumberShareTheBarWithoutOverlapping) {
    const ScreenBox bar = {0, kButtonBarTop, kScreenWidth, kScreenHeight - kButtonBarTop};
    std::vector<ScreenBox> places(kGameButtons, kGameButtons + kButtonCount);
    places.push_back(kPageLabel);
    for (size_t i = 0; i < places.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Inside(places[i], bar));
        for (size_t j = i + 1; j < places.size(); ++j)
            EXPECT_FALSE(Overlap(places[i], places[j])) << "and " << j;
    }
    const ScreenBox& previous = kGameButtons[ID_PREV_PAGE - ID_QUIT];
    const ScreenBox& next = kGameButtons[ID_NEXT_PAGE - ID_QUIT];
    EXPECT_EQ(kPageLabel.x, previous.x + previous.width);
    EXPECT_EQ(kPageLabel.x + kPageLabel.width, next.x);
    EXPECT_TRUE(Inside(kFinishedStar, kPageLabel));
}

TEST(ScreenLayoutTest, EveryOtherButtonLiesOnItsPictureInWholeDialogUnits) {
    EXPECT_TRUE(Inside(kTitlePicture, kScreen));
    EXPECT_TRUE(Inside(kStartButton, kTitlePicture));
    EXPECT_TRUE(Inside(kDialogOkButton, {0, 0, kPictureDialogSize, kPictureDialogSize}));
    EXPECT_TRUE(Inside(kEndingQuitButton, kScreen));
    // Dialog templates hold half the pixels; an odd number would move a button.
    for (const ScreenBox& button : {kDialogOkButton, kEndingQuitButton}) {
        for (int32_t value : {button.x, button.y, button.width, button.height})
            EXPECT_EQ(value % 2, 0);
    }
    EXPECT_EQ(kPictureDialogSize % 2, 0);
}
