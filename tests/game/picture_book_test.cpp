// The picture book's marks from save files the game itself wrote, choosing
// a page, and starting again.
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/page_progress.h"
#include "game/picture_book.h"
#include "persist/save_backup.h"
#include "platform/files.h"
#include "sprites/page_completion.h"
#include "sprites/rect_math.h"
#include "support/play_page_test.h"

namespace fs = std::filesystem;

namespace {

class PictureBookTest : public PlayPageTest {
protected:
    PictureBookTest() : PlayPageTest({1, 2, 3, 4, 5, 6}) {}

    // Puts the first `pieces` pieces of page into their holes and, unless
    // told not to, stores the page as leaving it does.
    void Play(int32_t page, int32_t pieces, bool store = true) {
        ASSERT_TRUE(session->ShowPage(page));
        for (int32_t k = 0; k < pieces; ++k)
            ASSERT_TRUE(session->PlacePiece(k)) << page << " " << k;
        if (store) {
            ASSERT_TRUE(session->Document().StoreCurrentPage());
        }
    }
    std::string SavePath(int32_t page) const { return session->Document().SavePathOf(page); }
    static std::string Native(const std::string& path) { return platform::NativePath(path); }
    static PageProgress Untouched(int32_t page) { return {0, PieceCountOfPage(page)}; }

    void OpenOn(int32_t page) {
        book.Open(page, PageProgressOf(session->Document()),
                  [this](int32_t p) { return SavePath(p); });
    }

    CPictureBook book;
};

} // namespace

TEST_F(PictureBookTest, MarksComeFromTheSaveFilesAndTheCurrentPageFromMemory) {
    ASSERT_NO_FATAL_FAILURE(Play(1, PieceCountOfPage(1)));
    ASSERT_NO_FATAL_FAILURE(Play(2, 1));
    ASSERT_NO_FATAL_FAILURE(Play(3, 2));
    ASSERT_NO_FATAL_FAILURE(Play(4, 3));
    // Page 3's header is damaged: the game would lay the page out afresh.
    Bytes damaged = ReadAll(Native(SavePath(3)));
    damaged[11] = 'X';
    WriteAll(Native(SavePath(3)), damaged);
    // Page 4 ends inside a record: what loading keeps is what counts.
    Bytes cut = ReadAll(Native(SavePath(4)));
    cut.resize(cut.size() - 24 * PieceCountOfPage(4) - 10);
    WriteAll(Native(SavePath(4)), cut);
    ASSERT_TRUE(session->ShowPage(4));
    const PageProgress loaded4 = PageProgressOf(session->Document());
    EXPECT_TRUE(loaded4.Started());
    // Page 5 is being played and was never stored.
    ASSERT_NO_FATAL_FAILURE(Play(5, 2, false));

    OpenOn(5);
    EXPECT_TRUE(book.Progress(1).Finished());
    EXPECT_EQ(book.Progress(2), (PageProgress{1, PieceCountOfPage(2)}));
    EXPECT_TRUE(book.Progress(2).Started());
    EXPECT_EQ(book.Progress(3), Untouched(3));
    EXPECT_EQ(book.Progress(4), loaded4);
    EXPECT_EQ(book.Progress(5), (PageProgress{2, PieceCountOfPage(5)}));
    EXPECT_EQ(book.Progress(6), Untouched(6));
    EXPECT_FALSE(book.Progress(6).Started());
    // Opening stored nothing.
    EXPECT_FALSE(fs::exists(Native(SavePath(5))));
    EXPECT_EQ(ReadAll(Native(SavePath(3))), damaged);
}

TEST_F(PictureBookTest, TheHighlightStartsOnTheCurrentPageAndWrapsRound) {
    OpenOn(12);
    EXPECT_EQ(book.CurrentPage(), 12);
    EXPECT_EQ(book.Highlight(), 12);
    const struct {
        BookMove move;
        int32_t from, to;
    } steps[] = {{BookMove::kRight, 12, 13}, {BookMove::kLeft, 13, 12}, {BookMove::kDown, 12, 18},
                 {BookMove::kUp, 18, 12},    {BookMove::kUp, 12, 6},    {BookMove::kUp, 6, 30},
                 {BookMove::kDown, 30, 6},   {BookMove::kLeft, 6, 5},   {BookMove::kRight, 5, 6}};
    for (const auto& step : steps) {
        EXPECT_EQ(book.Move(step.move), step.from);
        EXPECT_EQ(book.Highlight(), step.to);
    }
    OpenOn(30);
    book.Move(BookMove::kRight);
    EXPECT_EQ(book.Highlight(), 1);
    book.Move(BookMove::kLeft);
    EXPECT_EQ(book.Highlight(), 30);
    EXPECT_EQ(book.CurrentPage(), 30);
}

TEST_F(PictureBookTest, AClickFindsThePageOfTheCellUnderIt) {
    for (int32_t page = 1; page <= kPageCount; ++page) {
        const RECT thumbnail = ThumbnailRect(page);
        const RECT mark = BookMarkRect(page);
        EXPECT_EQ(BookPageAt(thumbnail.left, thumbnail.top), page);
        EXPECT_EQ(BookPageAt(thumbnail.right - 1, thumbnail.bottom - 1), page);
        EXPECT_EQ(BookPageAt(mark.right - 1, mark.top), page);
        // Each drawn apart: the mark compares alike on every page.
        EXPECT_TRUE(RectIsEmpty(RectIntersection(OutlineRect(page), mark)));
    }
    const RECT last = BookCellRect(kPageCount);
    for (const POINT at : {POINT{0, 0}, POINT{500, 40}, POINT{BookCellRect(1).right, 150},
                           POINT{last.right, last.bottom - 10}, POINT{last.left + 20, last.bottom}})
        EXPECT_EQ(BookPageAt(at.x, at.y), 0) << at.x << "," << at.y;
    EXPECT_TRUE(InStartAgain(kStartAgainRect.left, kStartAgainRect.top));
    EXPECT_FALSE(InStartAgain(kStartAgainRect.right, kStartAgainRect.top));
}

TEST_F(PictureBookTest, StartAgainNeedsTwoSecondsOfHolding) {
    OpenOn(1);
    // Across the clock's wrap, as after 49 days of running.
    const uint32_t start = 0xFFFFFF00u;
    EXPECT_EQ(book.HoldFrame(start), 0);
    book.BeginHold(start);
    EXPECT_EQ(book.HoldFrame(start), 1);
    EXPECT_EQ(book.HoldFrame(start + 1000), 1 + kStartAgainSteps / 2);
    EXPECT_FALSE(book.HoldComplete(start + 1999));
    EXPECT_TRUE(book.HoldComplete(start + 2000));
    EXPECT_EQ(book.HoldFrame(start + 2000), kStartAgainFrames - 1);
    book.EndHold();
    EXPECT_FALSE(book.HoldComplete(start + 5000));
    EXPECT_EQ(book.HoldFrame(start + 5000), 0);
}

TEST_F(PictureBookTest, StartingAgainMovesTheSavesAsideReplacingTheOlderSet) {
    ASSERT_NO_FATAL_FAILURE(Play(1, 2));
    ASSERT_NO_FATAL_FAILURE(Play(2, 1));
    std::vector<std::string> paths;
    for (int32_t page = 1; page <= kPageCount; ++page)
        paths.push_back(SavePath(page));
    EXPECT_EQ(MoveSavesToPrevious(paths), 2);

    ASSERT_NO_FATAL_FAILURE(Play(3, PieceCountOfPage(3)));
    const Bytes page3 = ReadAll(Native(SavePath(3)));
    EXPECT_EQ(MoveSavesToPrevious(paths), 1);
    for (int32_t page = 1; page <= kPageCount; ++page) {
        EXPECT_FALSE(fs::exists(Native(SavePath(page)))) << page;
        EXPECT_EQ(fs::exists(Native(PreviousPathFor(SavePath(page)))), page == 3) << page;
    }
    EXPECT_EQ(ReadAll(Native(PreviousPathFor(SavePath(3)))), page3);
}
