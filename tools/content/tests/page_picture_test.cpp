// What the player sees of the picture: composed from the generated files in
// the game's stacking order, it is the drawn picture exactly where pieces
// are in place, and a visible recess wherever one is missing.
#include "art/pictures.h"
#include "game_files.h"
#include "generated_content.h"
#include "page_sprites.h"
#include "page_view.h"
#include "piece_art.h"
#include "random.h"

#include <gtest/gtest.h>

namespace content::testing {
namespace {

// Which piece owns each picture pixel: the piece whose body covers it, or
// the page's first piece for the picture around the bodies.
std::vector<int> Owners(int page, const std::vector<PieceLayout>& layout) {
    std::vector<int> owner(static_cast<size_t>(kPictureArea.w) * kPictureArea.h, 0);
    for (size_t i = 1; i < layout.size(); ++i) {
        const Mask mask = BodyMask(page, layout[i]);
        const Box body = layout[i].HoleBody();
        for (int y = 0; y < body.h; ++y)
            for (int x = 0; x < body.w; ++x)
                if (mask.At(x, y))
                    owner[static_cast<size_t>(body.y - kPictureArea.y + y) * kPictureArea.w +
                          body.x - kPictureArea.x + x] = static_cast<int>(i);
    }
    return owner;
}

// The screen with every piece in `placed` put in its hole and the others
// missing, stacked as the game stacks them: holes, then placed pieces.
Image Compose(const Image& background, const PageSprites& sprites,
              const std::vector<bool>& placed) {
    Image screen = background;
    for (size_t i = 0; i < sprites.holes.size(); ++i)
        if (!placed[i])
            screen.Paste(sprites.holes[i].picture, sprites.holes[i].at.x, sprites.holes[i].at.y,
                         false);
    for (size_t i = 0; i < sprites.placed.size(); ++i)
        if (placed[i])
            screen.Paste(sprites.placed[i].picture, sprites.placed[i].at.x, sprites.placed[i].at.y,
                         false);
    return screen;
}

class PagePicture : public ::testing::TestWithParam<int> {};

TEST_P(PagePicture, ASolvedPageIsExactlyThePicture) {
    const int page = GetParam();
    const Image solved = ComposePage(GeneratedContent(), page, PageState::kSolved, {false});
    const Image shown = solved.Crop(kPictureArea.x, kPictureArea.y, kPictureArea.w, kPictureArea.h);
    EXPECT_TRUE(shown == content::PagePicture(page));
}

TEST_P(PagePicture, EachMissingPieceLeavesARecessWhateverElseIsInPlace) {
    const int page = GetParam();
    const Image picture = content::PagePicture(page);
    const PageSprites& sprites = GeneratedPageSprites(page);
    const Image background = LoadPicture(GeneratedContent(), kBackgroundFile);
    const std::vector<int> owner = Owners(page, sprites.layout);
    const Mask firstBody = BodyMask(page, sprites.layout[0]);
    const Box firstBox = sprites.layout[0].HoleBody();
    Random random(0x7465737473ull, static_cast<uint64_t>(page));
    // None placed, then a few mixtures of placed and missing pieces.
    for (int round = 0; round < 4; ++round) {
        std::vector<bool> placed(sprites.layout.size(), false);
        if (round > 0)
            for (size_t i = 0; i < placed.size(); ++i)
                placed[i] = random.Chance(0.5);
        const Image screen = Compose(background, sprites, placed);
        int wrong = 0;
        for (int y = 0; y < kPictureArea.h; ++y)
            for (int x = 0; x < kPictureArea.w; ++x) {
                const int piece = owner[static_cast<size_t>(y) * kPictureArea.w + x];
                const bool inBody = piece > 0 || firstBody.At(kPictureArea.x + x - firstBox.x,
                                                              kPictureArea.y + y - firstBox.y);
                const bool missing = inBody && !placed[piece];
                const bool same =
                    screen.At(kPictureArea.x + x, kPictureArea.y + y) == picture.At(x, y);
                wrong += missing == same;
            }
        EXPECT_EQ(wrong, 0) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, PagePicture, ::testing::Range(1, kPages + 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Page" + std::to_string(info.param);
                         });

TEST(PagePictures, EveryPageHasItsOwnColourfulPicture) {
    std::vector<Image> pictures;
    for (int page = 1; page <= kPages; ++page) {
        const Image picture = content::PagePicture(page);
        ASSERT_EQ(picture.Width(), kPictureArea.w);
        ASSERT_EQ(picture.Height(), kPictureArea.h);
        // Clear shapes and colours: many distinct colours, but large areas
        // of a few, not noise. Sample a grid of pixels.
        std::map<uint32_t, int> colours;
        for (int y = 0; y < picture.Height(); y += 4)
            for (int x = 0; x < picture.Width(); x += 4) {
                const Rgb p = picture.At(x, y);
                ++colours[(p.r >> 4) << 8 | (p.g >> 4) << 4 | (p.b >> 4)];
            }
        EXPECT_GE(colours.size(), 12u) << "page " << page;
        std::vector<int> counts;
        for (const auto& entry : colours)
            counts.push_back(entry.second);
        std::sort(counts.rbegin(), counts.rend());
        int top = 0;
        for (size_t i = 0; i < std::min<size_t>(8, counts.size()); ++i)
            top += counts[i];
        EXPECT_GT(top * 100 / (picture.Width() / 4 * (picture.Height() / 4)), 30)
            << "page " << page;
        for (const Image& other : pictures)
            EXPECT_FALSE(other == picture) << "page " << page;
        pictures.push_back(picture);
    }
}

} // namespace
} // namespace content::testing
