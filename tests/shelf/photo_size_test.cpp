// The size a photo is decoded at, judged from the size its file reports.
#include "photos/photo_frame.h"
#include "photos/photo_size.h"

#include <gtest/gtest.h>

using photos::Orientation;
using photos::PhotoVerdict;

TEST(PhotoSize, SmallAndHugePhotosAreRefusedBeforeDecoding) {
    EXPECT_EQ(photos::JudgePhotoSize(63, 500), PhotoVerdict::kTooSmall);
    EXPECT_EQ(photos::JudgePhotoSize(500, 63), PhotoVerdict::kTooSmall);
    EXPECT_EQ(photos::JudgePhotoSize(64, 64), PhotoVerdict::kUsable);
    EXPECT_EQ(photos::JudgePhotoSize(4000, 3000), PhotoVerdict::kUsable);
    EXPECT_EQ(photos::JudgePhotoSize(20000, 20000), PhotoVerdict::kTooLarge);
    EXPECT_EQ(photos::JudgePhotoSize(10000, 5001), PhotoVerdict::kTooLarge);
    EXPECT_EQ(photos::JudgePhotoSize(2000000000, 2000000000), PhotoVerdict::kTooLarge);
}

TEST(PhotoSize, ALargePhotoIsDecodedAtTwiceItsFrameAndASmallOneWhole) {
    int32_t w = 0;
    int32_t h = 0;
    photos::DecodeSize(4000, 3000, Orientation::kUpright, &w, &h);
    EXPECT_EQ(w, 2 * photos::kLandscapeFrame.w);
    EXPECT_EQ(h, 2 * photos::kLandscapeFrame.h);
    // A wide panorama keeps its shape and still covers the frame's height.
    photos::DecodeSize(8000, 2000, Orientation::kUpright, &w, &h);
    EXPECT_EQ(h, 2 * photos::kLandscapeFrame.h);
    EXPECT_EQ(w, 4 * h);
    photos::DecodeSize(600, 800, Orientation::kUpright, &w, &h);
    EXPECT_EQ(w, 600);
    EXPECT_EQ(h, 800);
}

TEST(PhotoSize, APhotoTakenSidewaysIsFramedAndDecodedAsItIsShown) {
    // Stored 4000 x 3000, shown upright as 3000 x 4000: a portrait frame.
    EXPECT_TRUE(photos::SameBox(photos::FrameForStored(4000, 3000, Orientation::kTurnedLeft),
                                photos::kPortraitFrame));
    EXPECT_TRUE(photos::SameBox(photos::FrameForStored(4000, 3000, Orientation::kUpsideDown),
                                photos::kLandscapeFrame));
    int32_t w = 0;
    int32_t h = 0;
    photos::DecodeSize(4000, 3000, Orientation::kTurnedLeft, &w, &h);
    // The frame's height lies along the stored rows.
    EXPECT_GE(w, 2 * photos::kPortraitFrame.h);
    EXPECT_GE(h, 2 * photos::kPortraitFrame.w);
    EXPECT_LT(w, 4000);
}
