// The rules that make every page playable, checked on the generated files at
// the catalogue's positions, for all thirty pages.
#include "generated_content.h"
#include "layout.h"
#include "page_sprites.h"
#include "piece_art.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace content::testing {
namespace {

// A set of screen pixels, (x, y) each.
using ScreenSet = std::set<std::pair<int, int>>;

size_t Shared(const ScreenSet& a, const ScreenSet& b) {
    return std::count_if(a.begin(), a.end(), [&](const auto& pixel) { return b.count(pixel); });
}

// The sprite's pixels that pass the test, placed at `at` on the screen.
template <typename Keep> ScreenSet PixelsOf(const Image& picture, Point at, Keep keep) {
    ScreenSet set;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (keep(x, y))
                set.insert({at.x + x, at.y + y});
    return set;
}

ScreenSet Opaque(const Image& picture, Point at) {
    return PixelsOf(picture, at, [&](int x, int y) { return picture.At(x, y) != kKey; });
}

class Geometry : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { sprites = &GeneratedPageSprites(GetParam()); }
    const PageSprites* sprites = nullptr;
};

TEST_P(Geometry, TheFirstHoleCoversThePictureAndEveryHoleLiesInsideIt) {
    EXPECT_EQ(sprites->holes[0].Rect().x, kPictureArea.x);
    EXPECT_EQ(sprites->holes[0].Rect().y, kPictureArea.y);
    EXPECT_EQ(sprites->holes[0].Rect().w, kPictureArea.w);
    EXPECT_EQ(sprites->holes[0].Rect().h, kPictureArea.h);
    for (size_t i = 0; i < sprites->holes.size(); ++i) {
        EXPECT_TRUE(kPictureArea.Contains(sprites->holes[i].Rect()))
            << "piece " << sprites->holes[i].piece;
        EXPECT_EQ(sprites->placed[i].Rect().x, sprites->holes[i].Rect().x);
        EXPECT_EQ(sprites->placed[i].Rect().w, sprites->holes[i].Rect().w);
    }
}

TEST_P(Geometry, LoosePiecesLieBesideThePictureOnScreenAndAboveTheButtonBar) {
    const Box frame = kPictureArea.Inflated(kFrameWidth);
    for (size_t i = 0; i < sprites->loose.size(); ++i) {
        SCOPED_TRACE("piece " + std::to_string(sprites->loose[i].piece));
        const Box rect = sprites->loose[i].Rect();
        EXPECT_TRUE((Box{0, 0, kScreenWidth, kButtonBarTop}.Contains(rect)));
        EXPECT_TRUE((Box{0, 0, kScreenWidth, kButtonBarTop}.Contains(sprites->drags[i].Rect())));
        const Image& picture = sprites->loose[i].picture;
        bool left = false, right = false;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.At(x, y) != kKey) {
                    const int sx = rect.x + x, sy = rect.y + y;
                    EXPECT_FALSE((frame.Intersects({sx, sy, 1, 1}))) << sx << "," << sy;
                    (sx < frame.x ? left : right) = true;
                }
        EXPECT_NE(left, right) << "a loose piece lies in one column, left or right";
    }
}

TEST_P(Geometry, NoLoosePieceCoversMoreThanAQuarterOfAnother) {
    std::vector<ScreenSet> shapes;
    for (const TestSprite& loose : sprites->loose)
        shapes.push_back(Opaque(loose.picture, loose.at));
    for (size_t i = 0; i < shapes.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            EXPECT_LE(4 * Shared(shapes[i], shapes[j]),
                      std::min(shapes[i].size(), shapes[j].size()))
                << "pieces " << sprites->loose[i].piece << " and " << sprites->loose[j].piece;
}

TEST_P(Geometry, TheHiddenDragPictureCoversExactlyTheVisibleLoosePiece) {
    for (size_t i = 0; i < sprites->loose.size(); ++i) {
        const ScreenSet drag = Opaque(sprites->drags[i].picture, sprites->drags[i].at);
        EXPECT_TRUE(drag == Opaque(sprites->loose[i].picture, sprites->loose[i].at))
            << "piece " << sprites->loose[i].piece;
        EXPECT_GT(drag.size(), 3000u);
    }
}

TEST_P(Geometry, ADragPictureCarriedToItsHoleLiesExactlyOverTheRecess) {
    for (size_t i = 0; i < sprites->holes.size(); ++i) {
        SCOPED_TRACE("piece " + std::to_string(sprites->holes[i].piece));
        const Image& drag = sprites->drags[i].picture;
        const Point carried{sprites->holes[i].at.x + kDragFromHole.x,
                            sprites->holes[i].at.y + kDragFromHole.y};
        // The piece itself, without its shadow.
        const ScreenSet body = PixelsOf(drag, carried, [&](int x, int y) {
            return drag.At(x, y) != kKey && drag.At(x, y) != kShadow;
        });
        const Image& hole = sprites->holes[i].picture;
        const Image& placed = sprites->placed[i].picture;
        const ScreenSet recess = PixelsOf(hole, sprites->holes[i].at, [&](int x, int y) {
            return hole.At(x, y) != placed.At(x, y);
        });
        EXPECT_TRUE(body == recess);
        EXPECT_GT(recess.size(), 3000u);
    }
}

// Through the engine's own sprite list: pressing on any pixel the player can
// see of a loose piece lifts that piece, and letting it go where its drag
// picture lies over its hole, or a few pixels off, puts it in.
TEST_P(Geometry, EveryPieceCanBeLiftedFromAnyOfItsPixelsAndDroppedIntoItsHole) {
    EnginePage page(GetParam());
    for (size_t n = 0; n < sprites->loose.size(); ++n) {
        const TestSprite& loose = sprites->loose[n];
        SCOPED_TRACE("piece " + std::to_string(loose.piece));
        const Box rect = loose.Rect();
        int pixels = 0, own = 0;
        for (int y = rect.y; y < rect.Bottom(); ++y)
            for (int x = rect.x; x < rect.Right(); ++x)
                if (loose.OpaqueAt(x, y)) {
                    ++pixels;
                    const CSprite* lifted = page.List().PieceAt(x, y);
                    own +=
                        lifted && lifted->GetTag() == page.Index().firstDrag + static_cast<int>(n);
                }
        EXPECT_EQ(own, pixels);
        // Lifting centres the drag picture on the pointer.
        const CSprite* drag = page.Sprite(Kind::kDrag, static_cast<int>(n));
        const CSprite* hole = page.Sprite(Kind::kHole, static_cast<int>(n));
        ASSERT_TRUE(drag && hole);
        const Point exact{hole->GetX() + kDragFromHole.x, hole->GetY() + kDragFromHole.y};
        for (int dy = -6; dy <= 6; dy += 3)
            for (int dx = -6; dx <= 6; dx += 3) {
                const Point carried{exact.x + dx, exact.y + dy};
                const Point pointer{carried.x + drag->GetWidth() / 2,
                                    carried.y + drag->GetHeight() / 2};
                EXPECT_TRUE(DropFits(page, static_cast<int>(n), carried, pointer))
                    << "dropped " << dx << "," << dy << " off";
            }
    }
}

TEST_P(Geometry, PiecesAreHandSizedAndNoTwoOnAPageShareAShape) {
    std::vector<Mask> masks;
    for (const PieceLayout& piece : sprites->layout) {
        SCOPED_TRACE("piece " + std::to_string(piece.piece));
        EXPECT_GE(std::min(piece.w, piece.h), 70);
        EXPECT_LE(std::max(piece.w, piece.h), 150);
        const Mask mask = BodyMask(GetParam(), piece);
        // Tabs, blanks or curves: clearly not a rectangle.
        EXPECT_LT(mask.Count(), piece.w * piece.h * 93 / 100);
        EXPECT_GT(mask.Count(), piece.w * piece.h * 3 / 10);
        for (const Mask& other : masks)
            EXPECT_FALSE(mask == other);
        masks.push_back(mask);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, Geometry, ::testing::Range(1, kPages + 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Page" + std::to_string(info.param);
                         });

} // namespace
} // namespace content::testing
