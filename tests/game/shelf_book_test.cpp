// The picture book's "your pictures" page without a window: where its parts
// lie and what a point hits, the marks' columns, thumbnails fitted to their
// box, the highlight and the sheets, and the remove control's hold on a
// simulated clock (a tap removes nothing and says so, two seconds remove
// exactly once).
#include "game/shelf_book.h"
#include "game/shelf_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<ShelfEntry> Pictures(int count) {
    std::vector<ShelfEntry> entries;
    for (int i = 1; i <= count; ++i)
        entries.push_back({"page" + std::to_string(1000000 + i).substr(1), {0, 4}});
    return entries;
}

bool Inside(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

TEST(ShelfLayoutTest, EveryPartLiesInItsCellAndEveryPointHitsWhatIsDrawnThere) {
    const RECT screen = {0, 0, kScreenWidth, kScreenHeight};
    for (int32_t slot = 0; slot < kShelfPerSheet; ++slot) {
        const RECT cell = ShelfCellRect(slot);
        EXPECT_TRUE(Inside(screen, cell)) << slot;
        EXPECT_TRUE(Inside(cell, ShelfOutlineRect(slot))) << slot;
        EXPECT_TRUE(Inside(cell, ShelfMarkRect(slot))) << slot;
        EXPECT_TRUE(Inside(cell, ShelfRemoveRect(slot))) << slot;
        EXPECT_FALSE(Overlap(ShelfMarkRect(slot), ShelfRemoveRect(slot))) << slot;
        EXPECT_FALSE(Overlap(ShelfOutlineRect(slot), ShelfRemoveRect(slot))) << slot;
        for (int32_t other = slot + 1; other < kShelfPerSheet; ++other)
            EXPECT_FALSE(Overlap(cell, ShelfCellRect(other))) << slot << " " << other;
        const RECT remove = ShelfRemoveRect(slot);
        EXPECT_EQ(ShelfSpotAt(remove.left, remove.top, false),
                  (ShelfSpot{ShelfSpotKind::kRemove, slot}));
        EXPECT_EQ(ShelfSpotAt(remove.right - 1, remove.bottom - 1, false),
                  (ShelfSpot{ShelfSpotKind::kRemove, slot}));
        const RECT thumb = ShelfThumbBoxRect(slot);
        EXPECT_EQ(ShelfSpotAt((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2, true),
                  (ShelfSpot{ShelfSpotKind::kPicture, slot}));
        const RECT mark = ShelfMarkRect(slot);
        EXPECT_EQ(ShelfSpotAt(mark.left, mark.top, true).kind, ShelfSpotKind::kPicture);
        // Between two cells nothing is hit.
        EXPECT_EQ(ShelfSpotAt(cell.left, cell.top, true).kind, ShelfSpotKind::kNothing);
    }
    const RECT grid = {kShelfGridLeft, kShelfGridTop, ShelfCellRect(kShelfPerSheet - 1).right,
                       ShelfCellRect(kShelfPerSheet - 1).bottom};
    for (const ScreenBox* box :
         {&kTurnTabBox, &kAddPictureBox, &kPreviousSheetBox, &kNextSheetBox}) {
        EXPECT_TRUE(Inside(screen, BoxRect(*box)));
        EXPECT_FALSE(Overlap(grid, BoxRect(*box)));
    }
    EXPECT_EQ(ShelfSpotAt(kTurnTabBox.x, kTurnTabBox.y, false).kind, ShelfSpotKind::kTurn);
    EXPECT_TRUE(InTurnTab(kTurnTabBox.x + kTurnTabBox.width - 1, kTurnTabBox.y));
    EXPECT_FALSE(InTurnTab(kTurnTabBox.x + kTurnTabBox.width, kTurnTabBox.y));
    EXPECT_EQ(ShelfSpotAt(kAddPictureBox.x + 5, kAddPictureBox.y + 5, false).kind,
              ShelfSpotKind::kAddPicture);
    // The sheets' arrows act only while shown.
    EXPECT_EQ(ShelfSpotAt(kNextSheetBox.x + 5, kNextSheetBox.y + 5, false).kind,
              ShelfSpotKind::kNothing);
    EXPECT_EQ(ShelfSpotAt(kNextSheetBox.x + 5, kNextSheetBox.y + 5, true).kind,
              ShelfSpotKind::kNextSheet);
    EXPECT_EQ(ShelfSpotAt(kPreviousSheetBox.x + 5, kPreviousSheetBox.y + 5, true).kind,
              ShelfSpotKind::kPreviousSheet);
}

TEST(ShelfLayoutTest, MarksHaveAColumnPerPieceCountAndThumbnailsKeepTheirShape) {
    EXPECT_EQ(ShelfMarkColumn(4), 0);
    EXPECT_EQ(ShelfMarkColumn(9), 2);
    EXPECT_EQ(ShelfMarkColumn(16), 4);
    EXPECT_EQ(ShelfMarkColumn(0), -1) << "an unreadable page shows no mark";
    EXPECT_EQ(ShelfMarkColumn(5), -1);
    EXPECT_EQ(kShelfMarkRows, kShelfMarkCounts[kShelfMarkColumns - 1] + 1);

    int32_t w = 0, h = 0;
    FitThumbnail(576, 432, &w, &h); // the landscape frame fills the box
    EXPECT_EQ(w, kShelfThumbWidth);
    EXPECT_EQ(h, kShelfThumbHeight);
    FitThumbnail(426, 576, &w, &h); // the portrait one stands in its middle
    EXPECT_EQ(h, kShelfThumbHeight);
    EXPECT_EQ(w, 87);
    const RECT portrait = ShelfThumbRect(0, w, h);
    const RECT box = ShelfThumbBoxRect(0);
    const int32_t leftGap = portrait.left - box.left, rightGap = box.right - portrait.right;
    EXPECT_TRUE(leftGap == rightGap || leftGap + 1 == rightGap) << leftGap << " " << rightGap;
    FitThumbnail(4000, 10, &w, &h);
    EXPECT_EQ(w, kShelfThumbWidth);
    EXPECT_EQ(h, 1) << "never empty";
    FitThumbnail(0, 0, &w, &h);
    EXPECT_EQ(w, kShelfThumbWidth);
}

TEST(ShelfBookTest, OpensOnThePicturePlayedAndTheHighlightMovesRoundEveryPicture) {
    CShelfBook shelf;
    shelf.Open(Pictures(7), "page000003");
    EXPECT_EQ(shelf.Current(), "page000003");
    EXPECT_EQ(shelf.Highlight(), 2);
    EXPECT_EQ(shelf.SheetCount(), 1);
    EXPECT_EQ(shelf.InSlot(6)->name, "page000007");
    EXPECT_EQ(shelf.InSlot(7), nullptr);
    EXPECT_EQ(shelf.InSlot(-1), nullptr);
    shelf.Move(BookMove::kLeft);
    shelf.Move(BookMove::kLeft);
    shelf.Move(BookMove::kLeft);
    EXPECT_EQ(shelf.Highlight(), 6) << "left from the first wraps to the last";
    shelf.Move(BookMove::kRight);
    EXPECT_EQ(shelf.Highlight(), 0);
    shelf.Move(BookMove::kDown);
    EXPECT_EQ(shelf.Highlight(), 5);
    shelf.Move(BookMove::kDown);
    EXPECT_EQ(shelf.Highlight(), 0) << "down from the last row goes round its column";
    shelf.Move(BookMove::kUp);
    EXPECT_EQ(shelf.Highlight(), 5);
    shelf.Move(BookMove::kLeft);
    shelf.Move(BookMove::kLeft);
    EXPECT_EQ(shelf.Highlight(), 3);
    shelf.Move(BookMove::kUp);
    EXPECT_EQ(shelf.Highlight(), 3) << "a column with one picture keeps it";

    shelf.Open(Pictures(3), "page000099");
    EXPECT_EQ(shelf.Current(), "page000099");
    EXPECT_EQ(shelf.Highlight(), 0) << "no picture played: the first";
    shelf.Open({}, "");
    EXPECT_TRUE(shelf.Empty());
    EXPECT_EQ(shelf.Highlight(), -1);
    EXPECT_FALSE(shelf.Move(BookMove::kRight));
    EXPECT_EQ(shelf.HighlightSlot(), -1);
}

TEST(ShelfBookTest, ManyPicturesFillSheetsThatTurnWithTheArrowsAndTheHighlight) {
    CShelfBook shelf;
    shelf.Open(Pictures(2 * kShelfPerSheet + 4), "page000033");
    EXPECT_EQ(shelf.SheetCount(), 3);
    EXPECT_EQ(shelf.Sheet(), 2) << "the sheet of the picture played";
    EXPECT_EQ(shelf.HighlightSlot(), 2);
    EXPECT_EQ(shelf.InSlot(3)->name, "page000034");
    EXPECT_EQ(shelf.InSlot(4), nullptr);
    EXPECT_EQ(shelf.SlotOf("page000031"), 0);
    EXPECT_EQ(shelf.SlotOf("page000001"), -1);
    shelf.TurnSheet(1);
    EXPECT_EQ(shelf.Sheet(), 0) << "round from the last sheet";
    EXPECT_EQ(shelf.Highlight(), 0);
    EXPECT_EQ(shelf.InSlot(14)->name, "page000015");
    EXPECT_TRUE(shelf.Move(BookMove::kLeft)) << "left from the first: the last sheet";
    EXPECT_EQ(shelf.Sheet(), 2);
    EXPECT_EQ(shelf.Highlight(), 33);
    shelf.TurnSheet(-1);
    EXPECT_EQ(shelf.Sheet(), 1);
    EXPECT_EQ(shelf.HighlightSlot(), 0);
    for (int i = 0; i < kShelfPerSheet - 1; ++i)
        EXPECT_FALSE(shelf.Move(BookMove::kRight)) << i;
    EXPECT_TRUE(shelf.Move(BookMove::kRight));
    EXPECT_EQ(shelf.Sheet(), 2);

    shelf.Open(Pictures(kShelfPerSheet), "");
    EXPECT_EQ(shelf.SheetCount(), 1) << "exactly one sheet full";
    shelf.Remove("page000015");
    EXPECT_EQ(shelf.Entries().size(), static_cast<size_t>(kShelfPerSheet - 1));
}

TEST(ShelfBookTest, ATapOnRemoveTakesNothingAndShowsItMustBeHeld) {
    CShelfBook shelf;
    shelf.Open(Pictures(3), "");
    EXPECT_FALSE(shelf.PressRemove(5, 1000)) << "an empty slot has no control";
    EXPECT_FALSE(shelf.HoldingRemove());
    ASSERT_TRUE(shelf.PressRemove(1, 1000));
    EXPECT_EQ(shelf.RemoveFrame(1, 1000), 2) << "pressed, nothing of the hold done";
    EXPECT_EQ(shelf.RemoveFrame(0, 1000), kRemoveRestFrame);
    EXPECT_EQ(shelf.CompletedRemoval(1999), "");
    EXPECT_EQ(shelf.CompletedRemoval(2999), "");
    EXPECT_TRUE(shelf.ReleaseRemove(2999)) << "let go just before two seconds";
    EXPECT_EQ(shelf.RemoveFrame(1, 3000), kRemoveTapFrame);
    EXPECT_EQ(shelf.RemoveFrame(1, 2999 + kRemoveTapNoticeMs - 1), kRemoveTapFrame);
    EXPECT_EQ(shelf.RemoveFrame(1, 2999 + kRemoveTapNoticeMs), kRemoveRestFrame);
    EXPECT_EQ(shelf.CompletedRemoval(9000), "") << "nothing acts after the release";
    EXPECT_EQ(shelf.Entries().size(), 3u);

    // Slid off the control: let go without a word.
    ASSERT_TRUE(shelf.PressRemove(2, 10000));
    shelf.CancelRemove();
    EXPECT_FALSE(shelf.ReleaseRemove(10100));
    EXPECT_EQ(shelf.RemoveFrame(2, 10100), kRemoveRestFrame);
    EXPECT_EQ(shelf.CompletedRemoval(20000), "");
}

TEST(ShelfBookTest, ATwoSecondHoldRemovesThatPictureOnceAndTheFaceShowsTheHold) {
    CShelfBook shelf;
    shelf.Open(Pictures(4), "page000002");
    ASSERT_TRUE(shelf.PressRemove(1, 5000));
    EXPECT_EQ(shelf.RemoveSlot(), 1);
    EXPECT_EQ(shelf.RemoveFrame(1, 5000 + kRemoveHoldMs / 2), 2 + kRemoveSteps / 2);
    EXPECT_EQ(shelf.CompletedRemoval(5000 + kRemoveHoldMs - 1), "");
    EXPECT_EQ(shelf.CompletedRemoval(5000 + kRemoveHoldMs), "page000002");
    EXPECT_EQ(shelf.RemoveFrame(1, 5000 + kRemoveHoldMs), 2 + kRemoveSteps);
    EXPECT_EQ(shelf.CompletedRemoval(5000 + kRemoveHoldMs + 10), "") << "exactly once";
    EXPECT_FALSE(shelf.ReleaseRemove(9000)) << "a hold is no tap";

    shelf.Remove("page000002");
    EXPECT_EQ(shelf.Current(), "") << "the picture played is gone";
    EXPECT_EQ(shelf.InSlot(1)->name, "page000003");
    EXPECT_EQ(shelf.Highlight(), 1) << "the highlight stays in its place";
    shelf.Remove("page000404");
    EXPECT_EQ(shelf.Entries().size(), 3u) << "an unknown name changes nothing";

    // Let go after the full time, before any tick saw it: still the hold.
    ASSERT_TRUE(shelf.PressRemove(2, 20000));
    EXPECT_FALSE(shelf.ReleaseRemove(20000 + kRemoveHoldMs + 5));
    EXPECT_EQ(shelf.CompletedRemoval(20000 + kRemoveHoldMs + 20), "page000004");
    EXPECT_EQ(shelf.CompletedRemoval(20000 + kRemoveHoldMs + 40), "");
    shelf.Remove("page000004");
    EXPECT_EQ(shelf.Highlight(), 1);
    shelf.Remove("page000003");
    shelf.Remove("page000001");
    EXPECT_TRUE(shelf.Empty());
    EXPECT_EQ(shelf.Highlight(), -1);
}

TEST(ShelfBookTest, TurningTheSheetLetsGoOfAHeldRemove) {
    CShelfBook shelf;
    shelf.Open(Pictures(kShelfPerSheet + 1), "");
    ASSERT_TRUE(shelf.PressRemove(0, 100));
    shelf.TurnSheet(1);
    EXPECT_FALSE(shelf.HoldingRemove());
    EXPECT_EQ(shelf.CompletedRemoval(100 + kRemoveHoldMs), "");
    EXPECT_EQ(shelf.Entries().size(), static_cast<size_t>(kShelfPerSheet + 1));
}
