#include "diag/log_switch.h"
#include "picture_writer.h"
#include "sprite_test_support.h"
#include "sprites/sprite.h"
#include "support/temp_dir.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// A sprite at (100, 50) whose picture the test paints in memory.
class SpriteTest : public ::testing::Test {
protected:
    void Picture(int32_t w, int32_t h, uint32_t colour) {
        ASSERT_TRUE(sprite.Create(w, h));
        Fill(sprite, colour);
    }

    POINT at{100, 50};
    CSprite sprite{7, 226, &at};
    RecordingOwner owner;
};

// The thrown text of f, or "" when nothing was thrown.
template <typename F> std::string ThrownText(F f) {
    try {
        f();
    } catch (const char* text) {
        return text;
    }
    return "";
}

} // namespace

TEST_F(SpriteTest, EachChangeReportsItsRectangles) {
    sprite.SetOwner(&owner);
    sprite.MoveTo(101, 50);
    sprite.MoveTo(101, 50); // the same place still reports
    sprite.SetDepth(10);    // the same depth does not
    sprite.SetDepth(4);
    sprite.Hide();
    sprite.Hide(); // no change of the flag, still a report
    sprite.Show();
    const RECT given = Rect(1, 2, 3, 4);
    sprite.Invalidate(&given);
    EXPECT_EQ(owner.Lines(), (std::vector<std::string>{
                                 "2 {100, 50, 132, 82} {101, 50, 133, 82}",
                                 "2 {101, 50, 133, 82} {101, 50, 133, 82}",
                                 "1 {101, 50, 133, 82} -",
                                 "4 {101, 50, 133, 82} -",
                                 "4 {101, 50, 133, 82} -",
                                 "4 {101, 50, 133, 82} -",
                                 "8 {1, 2, 3, 4} -",
                             }));
    EXPECT_EQ(sprite.GetDepth(), 4);
    EXPECT_EQ(owner.reports[0].sprite, &sprite);
}

TEST_F(SpriteTest, QuietChangesAndLoadingTellNobody) {
    sprite.SetOwner(&owner);
    sprite.SetDepthQuiet(30);
    sprite.SetVisibleQuiet(false);
    sprite.ToggleMirrored();
    ASSERT_TRUE(sprite.Create(10, 10));
    EXPECT_EQ(sprite.GetDepth(), 30);
    EXPECT_TRUE(sprite.IsHidden());
    EXPECT_TRUE(sprite.IsMirrored());
    EXPECT_TRUE(owner.reports.empty());
}

TEST_F(SpriteTest, HitNeedsAnOpaquePixelStrictlyInside) {
    Picture(10, 8, kRed);
    SetPixel(sprite, 4, 3, kMagenta);
    sprite.SetVisibleQuiet(false);
    // The left and top edges are outside, opaque as they are. Holes are found
    // by their rectangle, transparent pixels included; hidden sprites count.
    const struct {
        int32_t x, y;
        bool hit, contains;
    } points[] = {{101, 51, true, true},   {109, 57, true, true},   {105, 53, true, true},
                  {104, 53, false, true},  {100, 53, false, false}, {105, 50, false, false},
                  {110, 53, false, false}, {105, 58, false, false}};
    for (const auto& p : points) {
        EXPECT_EQ(sprite.HitTest(p.x, p.y), p.hit) << p.x << "," << p.y;
        EXPECT_EQ(sprite.ContainsPoint(p.x, p.y), p.contains) << p.x << "," << p.y;
    }
}

TEST_F(SpriteTest, MirroredHitReadsTheMirroredColumn) {
    Picture(10, 8, kRed);
    SetPixel(sprite, 8, 3, kMagenta);
    EXPECT_TRUE(sprite.HitTest(101, 53));
    EXPECT_FALSE(sprite.HitTest(108, 53));
    sprite.SetMirrored(true);
    EXPECT_FALSE(sprite.HitTest(101, 53));
    EXPECT_TRUE(sprite.HitTest(108, 53));
}

TEST_F(SpriteTest, PositionsNearTheIntegerLimitsNeitherOverflowNorWrap) {
    // Edges that would pass the 32-bit range stop at its end.
    sprite.MoveTo(INT_MAX - 5, INT_MAX - 20);
    RECT r;
    sprite.GetRect(&r);
    EXPECT_EQ(r, Rect(INT_MAX - 5, INT_MAX - 20, INT_MAX, INT_MAX));

    Picture(10, 8, kRed);
    sprite.MoveTo(INT_MAX - 3, INT_MIN);
    EXPECT_FALSE(sprite.HitTest(INT_MIN + 5, 3));
    EXPECT_FALSE(sprite.ContainsPoint(INT_MAX - 3, INT_MIN + 2));
    EXPECT_TRUE(sprite.ContainsPoint(INT_MAX, INT_MIN + 2));
    EXPECT_TRUE(sprite.HitTest(INT_MAX - 1, INT_MIN + 2));
}

TEST_F(SpriteTest, RecordIsSixLittleEndianIntegersReadBackQuietly) {
    ScopedTempDir dir;
    const POINT p{-2, 300};
    CSprite source(1, 451, &p);
    source.SetDepthQuiet(11);
    source.SetVisibleQuiet(false);
    source.SetMirrored(true);
    source.SaveToFile(dir.File("sprite.bin"));
    EXPECT_EQ(ReadAll(dir.File("sprite.bin")),
              (Bytes{0xC3, 0x01, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0,
                     11,   0,    0, 0, 0,    0,    0,    0,    1,    0,    0, 0}));

    WriteAll(dir.File("record.bin"),
             {0xC3, 0x01, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    sprite.SetOwner(&owner);
    sprite.LoadFromFile(dir.File("record.bin"));
    EXPECT_EQ(sprite.GetTag(), 451);
    EXPECT_EQ(sprite.GetX(), 10);
    EXPECT_EQ(sprite.GetY(), 20);
    EXPECT_EQ(sprite.GetDepth(), 11);
    EXPECT_TRUE(sprite.IsHidden());
    EXPECT_TRUE(sprite.IsMirrored());
    EXPECT_EQ(sprite.GetSerial(), 7);
    EXPECT_TRUE(owner.reports.empty());
}

TEST_F(SpriteTest, RecordCutShortThrowsAndLeavesTheSpriteAsItWas) {
    ScopedTempDir dir;
    WriteAll(dir.File("short.bin"), {5, 0, 0, 0, 10, 0, 0, 0, 20, 0});
    EXPECT_EQ(ThrownText([&] { sprite.LoadFromFile(dir.File("short.bin")); }),
              "unexpected end of file");
    EXPECT_EQ(sprite.GetTag(), 226);
    EXPECT_EQ(sprite.GetX(), 100);
    EXPECT_EQ(ThrownText([&] { sprite.SaveToFile(dir.File("missing/x.bin")); }),
              "couldn't open file");
}

TEST_F(SpriteTest, DrawNeverLeavesEitherPicture) {
    // Over every edge of a small destination, plain and mirrored, with a
    // clip far larger than it: the sanitizers catch any stray access, and
    // each pixel that lands must come from the matching place.
    CDIBImage screen(20, 16);
    ASSERT_TRUE(sprite.Create(9, 7));
    FillWithPattern(sprite);
    const RECT everywhere = Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    for (bool mirrored : {false, true}) {
        sprite.SetMirrored(mirrored);
        for (int32_t y = -8; y <= 17; y += 5) {
            for (int32_t x = -10; x <= 21; x += 3) {
                Fill(screen, kGrey);
                sprite.MoveTo(x, y);
                sprite.Draw(&screen, &everywhere);
                for (int32_t sy = 0; sy < 7; ++sy) {
                    for (int32_t sx = 0; sx < 9; ++sx) {
                        if (x + sx < 0 || x + sx >= 20 || y + sy < 0 || y + sy >= 16)
                            continue;
                        ASSERT_EQ(PixelAt(screen, x + sx, y + sy),
                                  Pattern(mirrored ? 8 - sx : sx, sy))
                            << "at " << x << "," << y << " pixel " << sx << "," << sy;
                    }
                }
            }
        }
    }
    sprite.MoveTo(INT_MAX - 2, INT_MAX - 2);
    sprite.Draw(&screen, &everywhere);
    sprite.MoveTo(INT_MIN, INT_MIN);
    sprite.Draw(&screen, nullptr);
}

TEST_F(SpriteTest, LoadingReplacesThePictureQuietlyAndFailuresAreLogged) {
    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
    WriteAll(dir.File("piece.dat"), EncodePictureFile(5, 3, Pattern));
    sprite.SetOwner(&owner);
    ASSERT_TRUE(sprite.LoadFromPath(dir.File("piece.dat")));
    RECT r;
    sprite.GetRect(&r);
    EXPECT_EQ(r, Rect(100, 50, 105, 53));
    EXPECT_EQ(PixelAt(sprite, 4, 2), Pattern(4, 2));
    EXPECT_TRUE(owner.reports.empty());
    EXPECT_TRUE(ReadText("log.txt").empty());

    const std::string missing = dir.File("missing.dat");
    EXPECT_FALSE(sprite.LoadFromPath(missing));
    EXPECT_NE(ReadText("log.txt").find("Failed to load Sprite; LPSTR " + missing),
              std::string::npos);
}
