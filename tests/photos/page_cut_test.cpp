// Photo pages cut in every frame and piece count: each piece lifts and fits
// its own hole through the game's own sprite list and fit rule, lies on the
// screen clear of the picture and the other pieces, and its pictures match
// its hole pixel for pixel; the same picture and seed give the same page.
#include "photo_test_support.h"
#include "photos/game_picture.h"
#include "photos/page_cut.h"
#include "photos/photo_frame.h"

#include "game/catalogue.h"
#include "game/page_sprite_index.h"
#include "game/play_aids.h"
#include "game/screen_layout.h"
#include "sprites/sprite.h"
#include "sprites/sprite_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

using photos::Box;
using photos::CutPage;
using photos::Image;
using photos::PieceGeometry;

struct CutCase {
    bool landscape;
    int32_t count;
    uint32_t seed;
};

// Printed in test lists without the structure's padding bytes.
void PrintTo(const CutCase& c, std::ostream* out) {
    *out << (c.landscape ? "landscape " : "portrait ") << c.count << " pieces, seed " << c.seed;
}

std::string Name(const ::testing::TestParamInfo<CutCase>& info) {
    return std::string(info.param.landscape ? "Landscape" : "Portrait") +
           std::to_string(info.param.count) + "Seed" + std::to_string(info.param.seed);
}

std::vector<CutCase> AllCases() {
    std::vector<CutCase> cases;
    for (const bool landscape : {true, false})
        for (const int32_t count : photos::kPieceCounts)
            for (const uint32_t seed : {1u, 77u, 0xDEADBEEFu})
                cases.push_back({landscape, count, seed});
    return cases;
}

class PhotoCut : public ::testing::TestWithParam<CutCase> {
protected:
    void SetUp() override {
        frame = GetParam().landscape ? photos::kLandscapeFrame : photos::kPortraitFrame;
        picture = PatternPicture(frame.w, frame.h);
        page = photos::CutPhotoPage(picture, StripedBackground(), frame, GetParam().count,
                                    GetParam().seed);
        ASSERT_EQ(page.layout.pieces.size(), static_cast<size_t>(GetParam().count));
        ASSERT_EQ(page.pictures.size(), page.layout.pieces.size());
        ASSERT_EQ(page.aids.size(), page.layout.pieces.size());
    }
    const PieceGeometry& Piece(size_t i) const { return page.layout.pieces[i]; }

    Box frame;
    Image picture;
    CutPage page;
};

// The page's sprites in the order the document adds them (loose, hole,
// placed, drag pictures), tagged as a page whose pieces start at 1.
class PageSprites {
public:
    explicit PageSprites(const CutPage& page) : list(&index) {
        const int32_t count = static_cast<int32_t>(page.pictures.size());
        index.firstLoose = TagOf(kLooseKind, 1);
        index.firstHole = TagOf(kHoleKind, 1);
        index.firstPlaced = TagOf(kPlacedKind, 1);
        index.firstDrag = TagOf(kDragKind, 1);
        index.pieceCount = count;
        for (int32_t kind = kLooseKind; kind <= kDragKind; ++kind)
            for (int32_t k = 0; k < count; ++k) {
                const PieceGeometry& piece = page.layout.pieces[static_cast<size_t>(k)];
                const auto& pictures = page.pictures[static_cast<size_t>(k)];
                const Image& art = kind == kLooseKind    ? pictures.loose
                                   : kind == kHoleKind   ? pictures.hole
                                   : kind == kPlacedKind ? pictures.placed
                                                         : pictures.drag;
                const photos::Point at = kind == kLooseKind ? piece.loose
                                         : kind == kDragKind
                                             ? photos::Point{piece.loose.x + kDragRestOffsetX,
                                                             piece.loose.y + kDragRestOffsetY}
                                             : piece.hole;
                const POINT pos{at.x, at.y};
                auto sprite = std::make_unique<CSprite>(0, TagOf(kind, k + 1), &pos);
                EXPECT_TRUE(photos::CopyToDib(art, sprite.get()));
                sprites[kind].push_back(sprite.get());
                list.Add(sprite.release());
            }
    }
    CPageSpriteIndex index;
    CSpriteList list;
    std::vector<CSprite*> sprites[4];
};

TEST_P(PhotoCut, EveryPieceLiftsAndFitsItsOwnHoleByTheGamesRule) {
    PageSprites sprites(page);
    for (size_t k = 0; k < page.pictures.size(); ++k) {
        SCOPED_TRACE(k);
        CSprite* drag = sprites.sprites[kDragKind][k];
        // Somewhere on the loose piece's body the game lifts this piece.
        const Box body = Piece(k).LooseBody();
        bool lifts = false;
        for (int y = body.y; y < body.Bottom() && !lifts; ++y)
            for (int x = body.x; x < body.Right() && !lifts; ++x)
                lifts = sprites.list.PieceAt(x, y) == drag;
        EXPECT_TRUE(lifts);
        // Lifted, the drag picture is centred on the pointer; carried so that
        // it lies 10 right of and 9 below its hole, the pointer is here:
        const int32_t px = Piece(k).hole.x + kFitOffsetX + drag->GetWidth() / 2;
        const int32_t py = Piece(k).hole.y + kFitOffsetY + drag->GetHeight() / 2;
        const CSprite* hole = sprites.list.HoleAt(px, py);
        ASSERT_NE(hole, nullptr);
        EXPECT_EQ(hole->GetTag(), TagOf(kHoleKind, static_cast<int32_t>(k) + 1));
    }
}

TEST_P(PhotoCut, PiecesLieOnTheScreenClearOfThePictureAndEachOther) {
    const Box screen{0, 0, kScreenWidth, kButtonBarTop};
    const Box framed = frame.Inflated(photos::kFrameBorder);
    for (size_t i = 0; i < page.pictures.size(); ++i) {
        SCOPED_TRACE(i);
        const PieceGeometry& piece = Piece(i);
        EXPECT_TRUE(screen.Contains(piece.LooseRect()));
        EXPECT_TRUE(screen.Contains(piece.DragAtRest()));
        EXPECT_FALSE(piece.LooseFootprint().Intersects(framed));
        EXPECT_TRUE(frame.Contains(piece.HoleRect()));
        EXPECT_TRUE(frame.Contains(piece.HoleBody()));
        for (size_t j = 0; j < page.pictures.size(); ++j) {
            if (j == i)
                continue;
            EXPECT_FALSE(piece.LooseFootprint().Intersects(Piece(j).LooseFootprint())) << j;
            EXPECT_FALSE(piece.HoleBody()
                             .Inflated(photos::kPhotoHoleGap - 1)
                             .Intersects(Piece(j).HoleBody()))
                << j;
        }
    }
}

TEST_P(PhotoCut, HolesAndPiecesMatchPixelForPixel) {
    // Every picture pixel shows in exactly one placed picture, unchanged.
    std::vector<int> owners(static_cast<size_t>(frame.w * frame.h), 0);
    for (size_t i = 0; i < page.pictures.size(); ++i) {
        SCOPED_TRACE(i);
        const PieceGeometry& piece = Piece(i);
        const auto& pictures = page.pictures[i];
        const Box rect = piece.HoleRect();
        ASSERT_EQ(pictures.placed.Width(), rect.w);
        ASSERT_EQ(pictures.hole.Width(), rect.w);
        ASSERT_EQ(pictures.hole.Height(), rect.h);
        const Box body = piece.HoleBody();
        const photos::Mask& mask = page.layout.masks[i];
        for (int y = 0; y < rect.h; ++y)
            for (int x = 0; x < rect.w; ++x) {
                const photos::Rgb placed = pictures.placed.At(x, y);
                const photos::Rgb hole = pictures.hole.At(x, y);
                // The hole is opaque exactly where the placed piece is.
                ASSERT_EQ(placed == photos::kKey, hole == photos::kKey);
                if (placed == photos::kKey)
                    continue;
                const int fx = rect.x - frame.x + x, fy = rect.y - frame.y + y;
                ASSERT_TRUE(placed == picture.At(fx, fy));
                ++owners[static_cast<size_t>(fy * frame.w + fx)];
                // Over the body the hole is a recess, darker than the picture.
                const bool onBody = mask.At(rect.x + x - body.x, rect.y + y - body.y);
                if (onBody)
                    ASSERT_FALSE(hole == placed);
                else
                    ASSERT_TRUE(hole == placed);
            }
        // The drag picture's body is the hole's body: the mask itself.
        for (int y = 0; y < body.h; ++y)
            for (int x = 0; x < body.w; ++x) {
                const photos::Rgb lifted =
                    pictures.drag.At(x + photos::kBodyInset, y + photos::kBodyInset);
                const bool opaqueBody = lifted != photos::kKey && lifted != photos::kShadow;
                ASSERT_EQ(opaqueBody, mask.At(x, y)) << x << "," << y;
            }
        // The keyboard's ring and glow frame the body by the aids' margin,
        // and leave the body itself clear.
        const auto& aids = page.aids[i];
        const int offset = photos::AidBodyOffset();
        ASSERT_EQ(aids.selectionRing.Width(), body.w + 2 * offset);
        ASSERT_EQ(aids.holeGlow.Height(), (body.h + 2 * offset) * kGlowFrameCount);
        for (int y = 0; y < body.h; ++y)
            for (int x = 0; x < body.w; ++x)
                if (mask.At(x, y)) {
                    ASSERT_TRUE(aids.selectionRing.At(x + offset, y + offset) == photos::kKey);
                }
        // Non-first pieces are opaque only on their body.
        if (!piece.first) {
            int opaque = 0;
            for (int y = 0; y < rect.h; ++y)
                for (int x = 0; x < rect.w; ++x)
                    opaque += pictures.placed.At(x, y) != photos::kKey;
            EXPECT_EQ(opaque, mask.Count());
        }
    }
    for (const int owner : owners)
        ASSERT_EQ(owner, 1);
}

TEST_P(PhotoCut, TheSamePictureAndSeedGiveTheSamePage) {
    const CutPage again = photos::CutPhotoPage(picture, StripedBackground(), frame,
                                               GetParam().count, GetParam().seed);
    ASSERT_EQ(again.pictures.size(), page.pictures.size());
    for (size_t i = 0; i < page.pictures.size(); ++i) {
        EXPECT_EQ(again.layout.pieces[i].loose.x, Piece(i).loose.x);
        EXPECT_EQ(again.layout.pieces[i].hole.y, Piece(i).hole.y);
        EXPECT_TRUE(again.pictures[i].loose == page.pictures[i].loose);
        EXPECT_TRUE(again.pictures[i].hole == page.pictures[i].hole);
        EXPECT_TRUE(again.pictures[i].drag == page.pictures[i].drag);
    }
    // Another seed cuts another page.
    const auto other = photos::LayOutPhotoPage(frame, GetParam().count, GetParam().seed + 1);
    bool differs = false;
    for (size_t i = 0; i < page.pictures.size(); ++i)
        differs = differs || other.pieces[i].loose.x != Piece(i).loose.x ||
                  other.pieces[i].hole.x != Piece(i).hole.x ||
                  !(other.masks[i] == page.layout.masks[i]);
    EXPECT_TRUE(differs);
}

INSTANTIATE_TEST_SUITE_P(FramesCountsAndSeeds, PhotoCut, ::testing::ValuesIn(AllCases()), Name);

TEST(PhotoCutRefusals, WrongSizesCountsAndFramesCutNothing) {
    const Image background = StripedBackground();
    const Image picture = PatternPicture(photos::kPortraitFrame.w, photos::kPortraitFrame.h);
    EXPECT_TRUE(
        photos::CutPhotoPage(picture, background, photos::kLandscapeFrame, 4, 1).pictures.empty());
    EXPECT_TRUE(
        photos::CutPhotoPage(picture, background, photos::kPortraitFrame, 5, 1).pictures.empty());
    EXPECT_TRUE(photos::CutPhotoPage(picture, Image(10, 10), photos::kPortraitFrame, 4, 1)
                    .pictures.empty());
    EXPECT_TRUE(photos::LayOutPhotoPage({0, 0, 426, 576}, 4, 1).pieces.empty());
    EXPECT_EQ(photos::LayOutPhotoPage(photos::kPortraitFrame, 16, 1).pieces.size(), 16u);
}

TEST(PhotoCutFrames, LandscapePhotosGetTheLandscapeFrame) {
    EXPECT_TRUE(photos::SameBox(photos::FrameFor(4032, 3024), photos::kLandscapeFrame));
    EXPECT_TRUE(photos::SameBox(photos::FrameFor(3024, 4032), photos::kPortraitFrame));
    EXPECT_TRUE(photos::SameBox(photos::FrameFor(500, 500), photos::kPortraitFrame));
    // Both frames and their borders stay above the button bar.
    for (const Box& frame : {photos::kLandscapeFrame, photos::kPortraitFrame}) {
        const Box framed = frame.Inflated(photos::kFrameBorder);
        EXPECT_LE(framed.Bottom(), kButtonBarTop);
        EXPECT_GE(framed.x, 0);
        EXPECT_LE(framed.Right(), kScreenWidth);
    }
}

} // namespace
