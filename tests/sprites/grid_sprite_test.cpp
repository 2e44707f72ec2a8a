#include "diag/log_switch.h"
#include "sprite_test_support.h"
#include "sprites/grid_sprite.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

class GridSpriteTest : public ::testing::Test {
protected:
    std::string LogText() { return ReadText("log.txt"); }

    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
    CGridSprite grid{3, 10004};
    RecordingOwner owner;
};

} // namespace

TEST_F(GridSpriteTest, RowsCutThePictureAndRefuseCellsUnderOnePixel) {
    ASSERT_TRUE(grid.Create(60, 118));
    // Loading does not recompute the cell size.
    EXPECT_EQ(grid.GetCellHeight(), 32);
    ASSERT_TRUE(grid.SetRows(2));
    EXPECT_EQ(grid.GetCellHeight(), 59);
    EXPECT_EQ(grid.GetHeight(), 118);
    RECT r;
    grid.GetRect(&r);
    EXPECT_EQ(r, Rect(0, 0, 32, 59));

    EXPECT_FALSE(grid.SetRows(200));
    EXPECT_NE(LogText().find("Can't make them that small"), std::string::npos);
    EXPECT_EQ(grid.GetRows(), 2);
    EXPECT_EQ(grid.GetCellHeight(), 59);

    EXPECT_FALSE(grid.SetRow(2));
    EXPECT_NE(LogText().find("Invalid row"), std::string::npos);
    EXPECT_FALSE(grid.SetRow(-1));
    EXPECT_EQ(grid.GetRow(), 0);

    EXPECT_FALSE(grid.SetRows(0));
    EXPECT_NE(LogText().find("Invalid number of rows"), std::string::npos);
    EXPECT_EQ(grid.GetRows(), 2);
}

TEST_F(GridSpriteTest, ColumnsFollowTheSameRulesWithTheirOwnMessages) {
    ASSERT_TRUE(grid.Create(30, 10));
    EXPECT_FALSE(grid.SetColumns(0));
    EXPECT_TRUE(LogText().empty());
    EXPECT_FALSE(grid.SetColumns(31));
    EXPECT_NE(LogText().find("Can't make them that small"), std::string::npos);
    ASSERT_TRUE(grid.SetColumns(3));
    EXPECT_EQ(grid.GetCellWidth(), 10);
    EXPECT_FALSE(grid.SetColumn(3));
    EXPECT_NE(LogText().find("Invalid column"), std::string::npos);
    ASSERT_TRUE(grid.SetColumn(2));
    // Setting the count again shows the first cell.
    ASSERT_TRUE(grid.SetColumns(2));
    EXPECT_EQ(grid.GetColumn(), 0);
    EXPECT_EQ(grid.GetCellWidth(), 15);
}

TEST_F(GridSpriteTest, ShowingAnotherCellReportsTheCellOnce) {
    ASSERT_TRUE(grid.Create(68, 100));
    ASSERT_TRUE(grid.SetRows(2));
    grid.MoveTo(399, 693);
    grid.SetOwner(&owner);
    EXPECT_TRUE(grid.SetRow(1));
    EXPECT_FALSE(grid.SetRow(1));
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].change, 4u);
    // Only rows were set: the cell keeps the construction picture's width.
    EXPECT_EQ(owner.reports[0].rect1, Rect(399, 693, 431, 743));
    EXPECT_FALSE(owner.reports[0].hasRect2);

    ASSERT_TRUE(grid.SetColumns(2));
    EXPECT_TRUE(grid.SetColumn(1));
    EXPECT_FALSE(grid.SetColumn(1));
    ASSERT_EQ(owner.reports.size(), 2u);
    EXPECT_EQ(owner.reports[1].rect1, Rect(399, 693, 433, 743));
}

TEST_F(GridSpriteTest, DrawCopiesTheShownCellOnly) {
    ASSERT_TRUE(grid.Create(6, 8));
    FillWithPattern(grid);
    SetPixel(grid, 4, 5, kMagenta);
    ASSERT_TRUE(grid.SetRows(2));
    ASSERT_TRUE(grid.SetColumns(2));
    ASSERT_TRUE(grid.SetRow(1));
    ASSERT_TRUE(grid.SetColumn(1));
    grid.MoveTo(10, 20);
    CDIBImage screen(40, 40);
    Fill(screen, kGrey);
    grid.Draw(&screen, nullptr);
    for (int32_t y = 18; y < 26; ++y) {
        for (int32_t x = 8; x < 15; ++x) {
            const bool inCell = x >= 10 && x < 13 && y >= 20 && y < 24;
            const bool keyed = x == 11 && y == 21;
            const uint32_t expected = inCell && !keyed ? Pattern(x - 10 + 3, y - 20 + 4) : kGrey;
            ASSERT_EQ(PixelAt(screen, x, y), expected) << x << "," << y;
        }
    }
    // The view decides about visibility; the grid draws when asked.
    Fill(screen, kGrey);
    grid.SetVisibleQuiet(false);
    const RECT clip = Rect(12, 0, 40, 21);
    grid.Draw(&screen, &clip);
    EXPECT_EQ(PixelAt(screen, 12, 20), Pattern(5, 4));
    EXPECT_EQ(PixelAt(screen, 11, 20), kGrey);
    EXPECT_EQ(PixelAt(screen, 12, 21), kGrey);
}

TEST_F(GridSpriteTest, StaleCellLargerThanThePictureReadsOnlyThePicture) {
    // Rows set on a tall picture, then a smaller picture put in: the cell
    // reaches past the new picture, which must not be read beyond its end.
    ASSERT_TRUE(grid.Create(8, 40));
    ASSERT_TRUE(grid.SetRows(2));
    ASSERT_TRUE(grid.SetRow(1));
    ASSERT_TRUE(grid.Create(8, 24));
    FillWithPattern(grid);
    CDIBImage screen(30, 30);
    Fill(screen, kGrey);
    grid.MoveTo(2, 1);
    grid.Draw(&screen, nullptr);
    // Cell row 1 starts at picture row 20; only rows 20 to 23 exist.
    for (int32_t y = 0; y < 30; ++y) {
        const uint32_t expected = y >= 1 && y < 5 ? Pattern(0, y - 1 + 20) : kGrey;
        ASSERT_EQ(PixelAt(screen, 2, y), expected) << y;
    }
    // The hit test reads through the checked pixel access instead.
    grid.HitTest(3, 10);
    EXPECT_NE(LogText().find("Out of range pixel coords"), std::string::npos);
}

TEST_F(GridSpriteTest, HitTestUsesTheShownCellAndItsEdges) {
    ASSERT_TRUE(grid.Create(10, 20));
    Fill(grid, kRed);
    SetPixel(grid, 3, 12, kMagenta);
    ASSERT_TRUE(grid.SetRows(2));
    ASSERT_TRUE(grid.SetColumns(1));
    grid.MoveTo(100, 100);
    EXPECT_TRUE(grid.HitTest(103, 102));
    EXPECT_FALSE(grid.HitTest(100, 102));
    EXPECT_FALSE(grid.HitTest(103, 100));
    EXPECT_FALSE(grid.HitTest(103, 110));
    EXPECT_FALSE(grid.HitTest(110, 102));
    ASSERT_TRUE(grid.SetRow(1));
    EXPECT_FALSE(grid.HitTest(103, 102));
    EXPECT_TRUE(grid.HitTest(104, 102));
    // Mirroring is a plain sprite's affair; a grid cell is never mirrored.
    grid.SetMirrored(true);
    EXPECT_FALSE(grid.HitTest(103, 102));
}
