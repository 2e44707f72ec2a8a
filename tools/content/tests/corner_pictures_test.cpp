// The grown-up corner's pictures: each face the size the game cuts it at,
// every face told apart from the others, and each control's corners the
// very pixels the game draws it over (the corner's paper, the title screen
// behind the door), so that nothing shows a seam.
#include "art/screens.h"
#include "game/corner_holds.h"
#include "game_files.h"
#include "generated_content.h"
#include "layout.h"
#include "page_view.h"
#include "picture_file.h"

#include <gtest/gtest.h>

namespace content::testing {
namespace {

std::vector<Image> Faces(const Image& strip, const ScreenBox& box, int count) {
    std::vector<Image> faces;
    for (int i = 0; i < count; ++i)
        faces.push_back(strip.Crop(0, i * box.height, box.width, box.height));
    return faces;
}

void ExpectDistinctOverBehind(const std::vector<Image>& faces, const Image& behind,
                              const std::string& what) {
    SCOPED_TRACE(what);
    for (size_t i = 0; i < faces.size(); ++i) {
        // The rounded face leaves its outermost corner pixel to what is behind.
        EXPECT_EQ(faces[i].At(0, 0), behind.At(0, 0)) << "face " << i;
        const int right = behind.Width() - 1, bottom = behind.Height() - 1;
        EXPECT_EQ(faces[i].At(right, bottom), behind.At(right, bottom)) << "face " << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(faces[i], faces[j]) << "faces " << i << " and " << j;
    }
}

} // namespace

TEST(CornerPictures, EveryFaceHasItsSizeShowsSomethingOfItsOwnAndSitsOnItsBackground) {
    const std::string& folder = GeneratedContent();
    const Image corner = LoadPicture(folder, kCornerBackgroundPath);
    ASSERT_EQ(corner.Width(), kScreenWidth);
    ASSERT_EQ(corner.Height(), kScreenHeight);

    const Image steps = LoadPicture(folder, kCornerStepsPath);
    ASSERT_EQ(steps.Width(), kCornerMusicSteps.width);
    ASSERT_EQ(steps.Height(), (kVolumeFull + 1) * kCornerMusicSteps.height);
    const auto crop = [&corner](const ScreenBox& box) {
        return corner.Crop(box.x, box.y, box.width, box.height);
    };
    // Both volumes' steps and every held button are drawn over the same paper.
    EXPECT_EQ(crop(kCornerMusicSteps), crop(kCornerEffectsSteps));
    ExpectDistinctOverBehind(Faces(steps, kCornerMusicSteps, kVolumeFull + 1),
                             crop(kCornerMusicSteps), "steps");

    const Image choices = LoadPicture(folder, kCornerChoicesPath);
    ASSERT_EQ(choices.Width(), kCornerHelp.width);
    ASSERT_EQ(choices.Height(), 2 * kCornerChoiceKinds * kCornerHelp.height);
    for (const ScreenBox& box : {CornerFitBox(0), CornerFitBox(2), kCornerLock})
        EXPECT_EQ(crop(box), crop(kCornerHelp));
    ExpectDistinctOverBehind(Faces(choices, kCornerHelp, 2 * kCornerChoiceKinds), crop(kCornerHelp),
                             "choices");

    const Image held = LoadPicture(folder, kCornerHoldButtonsPath);
    ASSERT_EQ(held.Width(), kCornerHoldButton.width);
    ASSERT_EQ(held.Height(), 2 * kCornerHoldFaces * kCornerHoldButton.height);
    for (int player = 1; player < kMostPlayers; ++player) {
        EXPECT_EQ(crop(CornerStartAgainBox(player)), crop(CornerStartAgainBox(0))) << player;
        EXPECT_EQ(crop(CornerRemoveBox(player)), crop(CornerStartAgainBox(0))) << player;
    }
    ExpectDistinctOverBehind(Faces(held, kCornerHoldButton, 2 * kCornerHoldFaces),
                             crop(CornerStartAgainBox(0)), "start again and remove");

    // The door over the title screen as the game paints it.
    const Image title =
        DrawTitleScreen(LoadPicture(folder, kTitleTileFile), LoadPicture(folder, kTitleFile));
    const Image door = LoadPicture(folder, kCornerDoorPath);
    ASSERT_EQ(door.Width(), kCornerDoor.width);
    ASSERT_EQ(door.Height(), kCornerHoldFaces * kCornerDoor.height);
    ExpectDistinctOverBehind(
        Faces(door, kCornerDoor, kCornerHoldFaces),
        title.Crop(kCornerDoor.x, kCornerDoor.y, kCornerDoor.width, kCornerDoor.height), "door");
    // Clear of the title picture, the start button and the badges.
    EXPECT_GE(kCornerDoor.x, kTitlePicture.x + kTitlePicture.width);
    EXPECT_LE(kCornerDoor.y + kCornerDoor.height, kTitleBadgesTop);
}

} // namespace content::testing
