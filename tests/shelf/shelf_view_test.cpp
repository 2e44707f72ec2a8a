// The picture book's "your pictures" page composed without a window, from
// made-up pictures whose every part has a colour of its own: each picture's
// thumbnail in its box, its mark from the cell of its count and progress,
// the outlines, the remove control's face following its hold, empty slots
// and hidden arrows showing the background.
#include "photos/photo_test_support.h"
#include "shelf_test_support.h"
#include "support/play_page_test.h"

#include "game/player_badges.h"
#include "game/shelf_book.h"
#include "game/shelf_layout.h"
#include "image/dib_image.h"
#include "persist/player_saves.h"
#include "persist/store_locations.h"
#include "photos/game_picture.h"
#include "shelf/own_page.h"
#include "shelf/photo_adding.h"
#include "shelf/shelf.h"
#include "shelf/shelf_pages.h"
#include "shelf/shelf_view.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using photos::Image;
using photos::Rgb;

constexpr Rgb kPaper{250, 243, 223};
constexpr Rgb kTurnToShelf{10, 20, 30};
constexpr Rgb kTurnToBook{30, 20, 10};
constexpr Rgb kAdd{5, 100, 5};
constexpr Rgb kArrows{90, 90, 1};
constexpr Rgb kCurrent{0, 0, 250};
constexpr Rgb kHighlight{250, 120, 0};

Rgb MarkColour(int column, int row) {
    return {static_cast<uint8_t>(20 + column), static_cast<uint8_t>(40 + row), 60};
}

Rgb BadgeColour(int row, int column) {
    return {static_cast<uint8_t>(150 + row), static_cast<uint8_t>(column), 150};
}

Rgb RemoveColour(int frame) {
    return {static_cast<uint8_t>(100 + frame), 7, 7};
}

// A ring two pixels wide of colour round a keyed middle.
Image Ring(int width, int height, Rgb colour) {
    Image ring(width, height, photos::kKey);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (x < 2 || y < 2 || x >= width - 2 || y >= height - 2)
                ring.At(x, y) = colour;
    return ring;
}

class ShelfViewTest : public ShelfFixture {
protected:
    ShelfViewTest() : ShelfFixture({1}) {
        Write(kShelfBackgroundPath, Image(kScreenWidth, kScreenHeight, kPaper));
        Image marks(kShelfMarkWidth * kShelfMarkColumns, kShelfMarkHeight * kShelfMarkRows);
        for (int column = 0; column < kShelfMarkColumns; ++column)
            for (int row = 0; row < kShelfMarkRows; ++row)
                marks.Paste(Image(kShelfMarkWidth, kShelfMarkHeight, MarkColour(column, row)),
                            column * kShelfMarkWidth, row * kShelfMarkHeight);
        Write(kShelfMarksPath, marks);
        Image outlines(kShelfOutlineWidth, 2 * kShelfOutlineHeight);
        outlines.Paste(Ring(kShelfOutlineWidth, kShelfOutlineHeight, kCurrent), 0, 0);
        outlines.Paste(Ring(kShelfOutlineWidth, kShelfOutlineHeight, kHighlight), 0,
                       kShelfOutlineHeight);
        Write(kShelfOutlinesPath, outlines);
        Image faces(kRemoveWidth, kRemoveHeight * kRemoveFrames);
        for (int frame = 0; frame < kRemoveFrames; ++frame)
            faces.Paste(Image(kRemoveWidth, kRemoveHeight, RemoveColour(frame)), 0,
                        frame * kRemoveHeight);
        Write(kRemoveControlPath, faces);
        Image tab(kTurnTabBox.width, 2 * kTurnTabBox.height, kTurnToShelf);
        tab.Paste(Image(kTurnTabBox.width, kTurnTabBox.height, kTurnToBook), 0, kTurnTabBox.height);
        Write(kTurnTabPath, tab);
        Write(kAddPicturePath, Image(kAddPictureBox.width, 2 * kAddPictureBox.height, kAdd));
        Write(kSheetArrowsPath, Image(kNextSheetBox.width, 2 * kNextSheetBox.height, kArrows));
        Image badges(2 * kBadgeSize, kBadgeRows * kBadgeSize);
        for (int row = 0; row < kBadgeRows; ++row)
            for (int column = 0; column < 2; ++column)
                badges.Paste(Image(kBadgeSize, kBadgeSize, BadgeColour(row, column)),
                             column * kBadgeSize, row * kBadgeSize);
        Write(kBadgesPath, badges);
    }
    ~ShelfViewTest() override { CPlayerSaves::GetInstance()->SetBadge(0); }

    void Write(const char* gamePath, const Image& picture) {
        const std::vector<uint8_t> bytes = photos::EncodeGamePicture(picture);
        const std::string path = gamePath;
        std::ofstream((dir.Path() / "Data" / path.substr(path.rfind('\\') + 1)).string(),
                      std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::string Add(int width, int height, int32_t count, Rgb colour) {
        return AddPhoto(Image(width, height, colour), count);
    }
    // The shelf opened on entries with current played, shown, and composed
    // at now.
    bool Show(const std::vector<ShelfEntry>& entries, const std::string& current, uint32_t now) {
        book.Open(entries, current);
        view.LoadPictures();
        if (!view.Show(nullptr, shelf))
            return false;
        view.Tick(now);
        return true;
    }
    // The composed page's pixel, as red, green, blue.
    Rgb At(int32_t x, int32_t y) const {
        uint32_t colour = 0;
        EXPECT_TRUE(view.Offscreen()->GetPixel(x, y, &colour)) << x << " " << y;
        return {static_cast<uint8_t>(colour & 0xFF), static_cast<uint8_t>((colour >> 8) & 0xFF),
                static_cast<uint8_t>(colour >> 16)};
    }
    static bool Near(Rgb a, Rgb b) {
        return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
    }
    // The composed page's pixel at r's middle.
    Rgb Middle(const RECT& r) const { return At((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    static RECT Inner(const RECT& r) { return {r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}; }

    CShelfBook book;
    CShelfView view{&book};
};

} // namespace

TEST_F(ShelfViewTest, ComposesThumbnailsMarksOutlinesAndTheRemoveControlsHold) {
    const Rgb red{200, 30, 30}, green{30, 160, 60};
    const std::string landscape = Add(800, 600, 4, red);
    const std::string portrait = Add(300, 500, 16, green);
    std::vector<ShelfEntry> entries = ReadShelfEntries(shelf, 0);
    ASSERT_EQ(entries.size(), 2u);
    entries[0].progress.placed = 2;
    ASSERT_TRUE(Show(entries, portrait, 1000));

    // The landscape picture fills its box; the portrait one stands in its
    // middle with the paper beside it.
    const RECT wide = ShelfThumbBoxRect(0);
    EXPECT_TRUE(Near(At(wide.left + 3, wide.top + 3), red));
    EXPECT_TRUE(Near(At(wide.right - 4, wide.bottom - 4), red));
    const RECT tall = ShelfThumbBoxRect(1);
    EXPECT_TRUE(Near(Middle(tall), green));
    EXPECT_EQ(At(tall.left + 3, (tall.top + tall.bottom) / 2), kPaper);
    // Marks: 2 of 4 and 0 of 16, each from its column's and row's cell.
    const RECT mark0 = ShelfMarkRect(0), mark1 = ShelfMarkRect(1);
    EXPECT_EQ(At(mark0.left, mark0.top), MarkColour(ShelfMarkColumn(4), 2));
    EXPECT_EQ(At(mark1.right - 1, mark1.bottom - 1), MarkColour(ShelfMarkColumn(16), 0));
    // The picture played is outlined, the highlight is on it too.
    const RECT outline1 = ShelfOutlineRect(1), outline0 = ShelfOutlineRect(0);
    EXPECT_EQ(At(outline1.left, outline1.top), kHighlight);
    EXPECT_EQ(At(outline0.left, outline0.top), kPaper);
    // An empty slot and the hidden arrows show the paper; the turn control
    // leads back to the book, the add control is at rest.
    EXPECT_EQ(Middle(ShelfCellRect(2)), kPaper);
    EXPECT_EQ(At(ShelfRemoveRect(2).left, ShelfRemoveRect(2).top), kPaper);
    EXPECT_EQ(At(kNextSheetBox.x + 5, kNextSheetBox.y + 5), kPaper);
    EXPECT_EQ(At(kTurnTabBox.x + 5, kTurnTabBox.y + 5), kTurnToBook);
    EXPECT_EQ(At(kAddPictureBox.x + 5, kAddPictureBox.y + 5), kAdd);

    // The highlight moves to the first picture: only the current outline
    // stays on the second.
    book.Move(BookMove::kLeft);
    view.SlotChanged(1);
    view.SlotChanged(0);
    view.Tick(1000);
    EXPECT_EQ(At(outline0.left, outline0.top), kHighlight);
    EXPECT_EQ(At(outline1.left, outline1.top), kCurrent);

    // The remove control's face follows its hold, and a tap's notice ends.
    const RECT remove = Inner(ShelfRemoveRect(0));
    EXPECT_EQ(At(remove.left, remove.top), RemoveColour(kRemoveRestFrame));
    ASSERT_TRUE(book.PressRemove(0, 2000));
    view.Tick(2000 + kRemoveHoldMs / 2);
    EXPECT_EQ(At(remove.left, remove.top), RemoveColour(2 + kRemoveSteps / 2));
    EXPECT_EQ(At(ShelfRemoveRect(1).left + 3, ShelfRemoveRect(1).top + 3),
              RemoveColour(kRemoveRestFrame));
    EXPECT_TRUE(book.ReleaseRemove(2000 + kRemoveHoldMs / 2));
    view.Tick(2000 + kRemoveHoldMs / 2 + 10);
    EXPECT_EQ(At(remove.left, remove.top), RemoveColour(kRemoveTapFrame));
    view.Tick(2000 + kRemoveHoldMs / 2 + kRemoveTapNoticeMs + 10);
    EXPECT_EQ(At(remove.left, remove.top), RemoveColour(kRemoveRestFrame));

    // A picture taken off: the second moves up, its old cell shows paper.
    book.Remove(landscape);
    view.SheetChanged();
    view.Tick(9000);
    EXPECT_TRUE(Near(Middle(wide), green));
    EXPECT_EQ(Middle(tall), kPaper);
}

TEST_F(ShelfViewTest, ShowsWhosePicturesWithThePlayersPlainBadge) {
    CPlayerSaves::GetInstance()->SetBadge(3);
    ASSERT_TRUE(Show(ReadShelfEntries(shelf, 0), "", 1000));
    EXPECT_EQ(At(kShelfBadgeBox.x, kShelfBadgeBox.y), BadgeColour(3, 0));
    EXPECT_EQ(At(kShelfBadgeBox.x + kBadgeSize - 1, kShelfBadgeBox.y + kBadgeSize - 1),
              BadgeColour(3, 0));
}

TEST_F(ShelfViewTest, MoreThanASheetShowsTheArrowsAndTheSheetOfTheHighlight) {
    std::vector<ShelfEntry> entries;
    const std::string only = Add(400, 300, 9, {250, 250, 0});
    for (int i = 0; i < kShelfPerSheet; ++i)
        entries.push_back({"page99999" + std::to_string(i % 10), {0, 9}});
    entries.push_back(ReadShelfEntry(shelf, only, 0));
    ASSERT_TRUE(Show(entries, only, 0));
    EXPECT_EQ(book.Sheet(), 1);
    EXPECT_EQ(At(kNextSheetBox.x + 5, kNextSheetBox.y + 5), kArrows);
    EXPECT_EQ(At(kPreviousSheetBox.x + 5, kPreviousSheetBox.y + 5), kArrows);
    const RECT box = ShelfThumbBoxRect(0);
    EXPECT_TRUE(Near(At(box.left + 3, box.top + 3), {250, 250, 0}));
    // Pages whose pictures cannot be read show no thumbnail and no mark
    // beyond their count's.
    book.TurnSheet(1);
    view.SheetChanged();
    view.Tick(0);
    EXPECT_EQ(At(box.left + 3, box.top + 3), kPaper);
    EXPECT_EQ(At(ShelfMarkRect(0).left, ShelfMarkRect(0).top), MarkColour(ShelfMarkColumn(9), 0));
    EXPECT_EQ(view.Thumbnails().MadeCount(), 1);
}
