#include "diag/log_switch.h"
#include "persist/mapped_file.h"
#include "sprite_test_support.h"
#include "sprites/sprite.h"
#include "support/temp_dir.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// A sprite whose picture is given in memory: w x h of one colour at (x, y).
class SpriteTest : public ::testing::Test {
protected:
    static void Picture(CSprite& sprite, int32_t w, int32_t h, uint32_t colour) {
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

TEST_F(SpriteTest, NewSpriteIsAVisibleThirtyTwoSquareAtItsPoint) {
    EXPECT_EQ(sprite.GetWidth(), 32);
    EXPECT_EQ(sprite.GetHeight(), 32);
    EXPECT_EQ(sprite.GetX(), 100);
    EXPECT_EQ(sprite.GetY(), 50);
    EXPECT_EQ(sprite.GetDepth(), 10);
    EXPECT_EQ(sprite.GetColourKey(), 0xFF00FFu);
    EXPECT_EQ(sprite.GetSerial(), 7);
    EXPECT_EQ(sprite.GetTag(), 226);
    EXPECT_TRUE(sprite.IsVisible());
    EXPECT_TRUE(sprite.IsShown());
    EXPECT_FALSE(sprite.IsHidden());
    EXPECT_FALSE(sprite.IsMirrored());
    EXPECT_EQ(sprite.GetOwner(), nullptr);
    RECT r;
    sprite.GetRect(&r);
    EXPECT_EQ(r, Rect(100, 50, 132, 82));

    CSprite blank;
    EXPECT_EQ(blank.GetTag(), 0);
    EXPECT_EQ(blank.GetX(), 0);
    CSprite noPoint(1, 2, nullptr);
    EXPECT_EQ(noPoint.GetY(), 0);
}

TEST_F(SpriteTest, RectangleEdgesStopAtTheIntegerRange) {
    sprite.MoveTo(INT_MAX - 5, INT_MAX - 20);
    RECT r;
    sprite.GetRect(&r);
    EXPECT_EQ(r, Rect(INT_MAX - 5, INT_MAX - 20, INT_MAX, INT_MAX));
}

TEST_F(SpriteTest, MoveReportsOldThenNewRectangleEvenWhenUnmoved) {
    sprite.SetOwner(&owner);
    sprite.MoveTo(101, 50);
    sprite.MoveTo(101, 50);
    ASSERT_EQ(owner.reports.size(), 2u);
    for (const SpriteReport& report : owner.reports) {
        EXPECT_EQ(report.sprite, &sprite);
        EXPECT_EQ(report.change, 2u);
        ASSERT_TRUE(report.hasRect1 && report.hasRect2);
        EXPECT_EQ(report.rect2, Rect(101, 50, 133, 82));
    }
    EXPECT_EQ(owner.reports[0].rect1, Rect(100, 50, 132, 82));
    EXPECT_EQ(owner.reports[1].rect1, Rect(101, 50, 133, 82));
}

TEST_F(SpriteTest, DepthChangeReportsOnceAndSameDepthNotAtAll) {
    sprite.SetOwner(&owner);
    sprite.SetDepth(10);
    EXPECT_TRUE(owner.reports.empty());
    sprite.SetDepth(4);
    EXPECT_EQ(sprite.GetDepth(), 4);
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].change, 1u);
    EXPECT_EQ(owner.reports[0].rect1, Rect(100, 50, 132, 82));
    EXPECT_FALSE(owner.reports[0].hasRect2);
}

TEST_F(SpriteTest, ShowAndHideReportTheirRectangleEvenWithoutChange) {
    sprite.SetOwner(&owner);
    sprite.Show();
    sprite.Hide();
    EXPECT_TRUE(sprite.IsHidden());
    sprite.Hide();
    ASSERT_EQ(owner.reports.size(), 3u);
    for (const SpriteReport& report : owner.reports) {
        EXPECT_EQ(report.change, 4u);
        EXPECT_EQ(report.rect1, Rect(100, 50, 132, 82));
        EXPECT_FALSE(report.hasRect2);
    }
}

TEST_F(SpriteTest, InvalidateReportsTheRectangleGiven) {
    sprite.SetOwner(&owner);
    const RECT given = Rect(1, 2, 3, 4);
    sprite.Invalidate(&given);
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].change, 8u);
    EXPECT_EQ(owner.reports[0].rect1, given);
}

TEST_F(SpriteTest, QuietSettersAndLoadingTellNobody) {
    sprite.SetOwner(&owner);
    sprite.SetDepthQuiet(30);
    sprite.SetVisibleQuiet(false);
    sprite.ToggleMirrored();
    EXPECT_TRUE(sprite.IsMirrored());
    sprite.ToggleMirrored();
    sprite.SetMirrored(true);
    ASSERT_TRUE(sprite.Create(10, 10));
    EXPECT_EQ(sprite.GetDepth(), 30);
    EXPECT_TRUE(sprite.IsHidden());
    EXPECT_TRUE(sprite.IsMirrored());
    EXPECT_TRUE(owner.reports.empty());
    sprite.SetOwner(nullptr);
    sprite.Show();
    EXPECT_TRUE(owner.reports.empty());
}

TEST_F(SpriteTest, HitNeedsAnOpaquePixelStrictlyInside) {
    Picture(sprite, 10, 8, kRed);
    SetPixel(sprite, 4, 3, kMagenta);
    EXPECT_TRUE(sprite.HitTest(101, 51));
    EXPECT_TRUE(sprite.HitTest(109, 57));
    // Left and top edges are outside, opaque as they are.
    EXPECT_FALSE(sprite.HitTest(100, 53));
    EXPECT_FALSE(sprite.HitTest(105, 50));
    EXPECT_FALSE(sprite.HitTest(110, 53));
    EXPECT_FALSE(sprite.HitTest(105, 58));
    EXPECT_FALSE(sprite.HitTest(104, 53));
    // Hidden sprites still have a shape.
    sprite.SetVisibleQuiet(false);
    EXPECT_TRUE(sprite.HitTest(105, 53));
}

TEST_F(SpriteTest, MirroredHitReadsTheMirroredColumn) {
    Picture(sprite, 10, 8, kRed);
    SetPixel(sprite, 8, 3, kMagenta);
    EXPECT_TRUE(sprite.HitTest(101, 53));
    EXPECT_FALSE(sprite.HitTest(108, 53));
    sprite.SetMirrored(true);
    EXPECT_FALSE(sprite.HitTest(101, 53));
    EXPECT_TRUE(sprite.HitTest(108, 53));
}

TEST_F(SpriteTest, ContainsPointIgnoresPixelsButNotEdges) {
    Picture(sprite, 10, 8, kMagenta);
    EXPECT_TRUE(sprite.ContainsPoint(101, 51));
    EXPECT_TRUE(sprite.ContainsPoint(109, 57));
    EXPECT_FALSE(sprite.ContainsPoint(100, 51));
    EXPECT_FALSE(sprite.ContainsPoint(101, 50));
    EXPECT_FALSE(sprite.ContainsPoint(110, 51));
    EXPECT_FALSE(sprite.ContainsPoint(101, 58));
}

TEST_F(SpriteTest, PositionsNearTheIntegerLimitsNeverHit) {
    Picture(sprite, 10, 8, kRed);
    sprite.MoveTo(INT_MAX - 3, INT_MIN);
    // The picture reaches past the largest x; the tests must neither
    // overflow nor wrap around to the other end.
    EXPECT_FALSE(sprite.HitTest(INT_MIN + 5, 3));
    EXPECT_FALSE(sprite.ContainsPoint(INT_MAX - 3, INT_MIN + 2));
    EXPECT_TRUE(sprite.ContainsPoint(INT_MAX, INT_MIN + 2));
    EXPECT_TRUE(sprite.HitTest(INT_MAX - 1, INT_MIN + 2));
}

TEST_F(SpriteTest, SerializeWritesSixLittleEndianIntegers) {
    ScopedTempDir dir;
    POINT p{-2, 300};
    CSprite source(1, 451, &p);
    source.SetDepthQuiet(11);
    source.SetVisibleQuiet(false);
    source.SetMirrored(true);
    source.SaveToFile(dir.File("sprite.bin"));
    EXPECT_EQ(ReadAll(dir.File("sprite.bin")),
              (Bytes{0xC3, 0x01, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0,
                     11,   0,    0, 0, 0,    0,    0,    0,    1,    0,    0, 0}));
}

TEST_F(SpriteTest, DeSerializeSetsTheFieldsWithoutNotification) {
    ScopedTempDir dir;
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
    EXPECT_EQ(sprite.GetWidth(), 32);
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

TEST_F(SpriteTest, DrawCopiesOpaquePixelsAndKeepsTheBackgroundUnderMagenta) {
    CDIBImage screen(200, 100);
    Fill(screen, kGrey);
    Picture(sprite, 4, 3, kRed);
    SetPixel(sprite, 1, 1, kMagenta);
    SetPixel(sprite, 3, 0, kBlue);
    sprite.Draw(&screen, nullptr);
    EXPECT_EQ(PixelAt(screen, 100, 50), kRed);
    EXPECT_EQ(PixelAt(screen, 103, 50), kBlue);
    EXPECT_EQ(PixelAt(screen, 101, 51), kGrey);
    EXPECT_EQ(PixelAt(screen, 103, 52), kRed);
    EXPECT_EQ(PixelAt(screen, 104, 50), kGrey);
    EXPECT_EQ(PixelAt(screen, 100, 53), kGrey);
    EXPECT_EQ(PixelAt(screen, 99, 50), kGrey);
}

TEST_F(SpriteTest, DrawMirroredReadsColumnsFromTheRight) {
    CDIBImage screen(200, 100);
    Fill(screen, kGrey);
    ASSERT_TRUE(sprite.Create(4, 2));
    FillWithPattern(sprite);
    sprite.SetMirrored(true);
    sprite.Draw(&screen, nullptr);
    for (int32_t col = 0; col < 4; ++col)
        EXPECT_EQ(PixelAt(screen, 100 + col, 51), Pattern(3 - col, 1)) << col;
}

TEST_F(SpriteTest, DrawStaysInsideTheClipAndSkipsHiddenSprites) {
    CDIBImage screen(200, 100);
    Fill(screen, kGrey);
    ASSERT_TRUE(sprite.Create(10, 10));
    FillWithPattern(sprite);
    const RECT clip = Rect(103, 52, 105, 70);
    sprite.Draw(&screen, &clip);
    EXPECT_EQ(PixelAt(screen, 103, 52), Pattern(3, 2));
    EXPECT_EQ(PixelAt(screen, 104, 59), Pattern(4, 9));
    EXPECT_EQ(PixelAt(screen, 102, 52), kGrey);
    EXPECT_EQ(PixelAt(screen, 105, 52), kGrey);
    EXPECT_EQ(PixelAt(screen, 103, 51), kGrey);

    Fill(screen, kGrey);
    const RECT apart = Rect(0, 0, 100, 100);
    sprite.Draw(&screen, &apart);
    sprite.Hide();
    sprite.Draw(&screen, nullptr);
    sprite.Draw(nullptr, nullptr);
    for (int32_t y = 45; y < 65; ++y)
        for (int32_t x = 95; x < 115; ++x)
            ASSERT_EQ(PixelAt(screen, x, y), kGrey) << x << "," << y;
}

TEST_F(SpriteTest, DrawNeverLeavesEitherPicture) {
    // Sprites hanging over every edge of a small destination, and clips that
    // reach beyond it: the sanitizers catch any stray read or write, and
    // the pixels that land must be the ones at the matching place.
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
                        const int32_t from = mirrored ? 8 - sx : sx;
                        ASSERT_EQ(PixelAt(screen, x + sx, y + sy), Pattern(from, sy))
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

class SpriteLoadTest : public SpriteTest {
protected:
    SpriteLoadTest() {
        WriteAll(dir.File("piece.dat"), PictureFile(5, 3));
        Bytes wrong = PictureFile(5, 3);
        wrong[0] = 'B';
        wrong[1] = 'M';
        WriteAll(dir.File("wrong.dat"), wrong);
    }
    std::string LogText() { return ReadText("log.txt"); }

    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
};

TEST_F(SpriteLoadTest, LoadingReplacesThePictureQuietly) {
    sprite.SetOwner(&owner);
    ASSERT_TRUE(sprite.LoadFromPath(dir.File("piece.dat")));
    EXPECT_EQ(sprite.GetWidth(), 5);
    EXPECT_EQ(sprite.GetHeight(), 3);
    EXPECT_EQ(PixelAt(sprite, 4, 2), Pattern(4, 2));
    EXPECT_EQ(sprite.GetColourKey(), 0xFF00FFu);
    RECT r;
    sprite.GetRect(&r);
    EXPECT_EQ(r, Rect(100, 50, 105, 53));
    EXPECT_TRUE(owner.reports.empty());
    EXPECT_TRUE(LogText().empty());
}

TEST_F(SpriteLoadTest, FailedLoadFromPathLogsThePath) {
    const std::string missing = dir.File("missing.dat");
    EXPECT_FALSE(sprite.LoadFromPath(missing));
    EXPECT_NE(LogText().find("Failed to load Sprite; LPSTR " + missing), std::string::npos);
    EXPECT_FALSE(sprite.LoadFromPath(dir.File("wrong.dat")));
    EXPECT_NE(LogText().find("Failed to load Sprite; LPSTR " + dir.File("wrong.dat")),
              std::string::npos);
}

TEST_F(SpriteLoadTest, LoadFromReaderReadsAnOpenFile) {
    CMappedFile file;
    ASSERT_NE(file.OpenRead(dir.File("piece.dat")), 0);
    ASSERT_TRUE(sprite.LoadFromReader(file));
    file.Close();
    EXPECT_EQ(sprite.GetWidth(), 5);

    CMappedFile wrong;
    ASSERT_NE(wrong.OpenRead(dir.File("wrong.dat")), 0);
    EXPECT_FALSE(sprite.LoadFromReader(wrong));
    wrong.Close();
    EXPECT_NE(LogText().find("Failed to load Sprite; CFile"), std::string::npos);
    EXPECT_EQ(sprite.GetWidth(), 5);
}
