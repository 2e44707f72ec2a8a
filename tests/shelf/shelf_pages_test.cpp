// The shelf as the picture book reads it: each player's progress on one of
// the player's own pictures is their own (a save of their own in the page's
// folder), and thumbnails are made from the stored page picture once, kept,
// shaped like the page and true to its colours. Photos are in the headless
// platform's test format.
#include "photos/photo_test_support.h"
#include "shelf_test_support.h"
#include "support/play_page_test.h"

#include "game/page_progress.h"
#include "game/shelf_layout.h"
#include "image/dib_image.h"
#include "persist/player_saves.h"
#include "persist/store_locations.h"
#include "photos/page_import.h"
#include "photos/photo_frame.h"
#include "shelf/own_page.h"
#include "shelf/photo_adding.h"
#include "shelf/shelf.h"
#include "shelf/shelf_pages.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class ShelfPages : public ShelfFixture {
protected:
    ShelfPages() : ShelfFixture({1}) { EXPECT_TRUE(session->ShowPage(1)); }
    ~ShelfPages() override { CPlayerSaves::GetInstance()->SetFolder(0); }

    // A photo of width x height, one colour, added with count pieces; its
    // page's folder name.
    std::string Add(int width, int height, int32_t count, photos::Rgb colour = {40, 90, 200}) {
        return AddPhoto(photos::Image(width, height, colour), count);
    }
    // Plays `pieces` pieces of the page as the player in folder, and leaves
    // it as leaving it stores it.
    void PlayAs(int32_t player, const std::string& name, int32_t pieces) {
        CPlayerSaves::GetInstance()->SetFolder(player);
        COwnPage page;
        ASSERT_TRUE(page.Open(shelf + "\\" + name));
        session->Document().ShowOwnPage(&page);
        for (int32_t k = 0; k < pieces; ++k)
            ASSERT_TRUE(session->PlacePiece(k)) << k;
        session->Document().GoToPage(1);
    }
};

} // namespace

TEST_F(ShelfPages, EachPlayersProgressOnAPictureIsTheirOwn) {
    const std::string first = Add(300, 400, 4);
    const std::string second = Add(400, 300, 9);
    ASSERT_NO_FATAL_FAILURE(PlayAs(0, first, 4));
    ASSERT_NO_FATAL_FAILURE(PlayAs(2, first, 1));
    ASSERT_NO_FATAL_FAILURE(PlayAs(2, second, 3));
    // Each save lies in the page's own folder, named for its player.
    EXPECT_EQ(OwnSaveNameOf(0), kOwnSaveName);
    EXPECT_EQ(OwnSaveNameOf(2), "progress02.sav");
    EXPECT_TRUE(fs::exists(PageFile(first, "progress.sav")));
    EXPECT_TRUE(fs::exists(PageFile(first, "progress02.sav")));
    EXPECT_FALSE(fs::exists(PageFile(second, "progress.sav")));

    const std::vector<ShelfEntry> firstPlayers = ReadShelfEntries(shelf, 0);
    ASSERT_EQ(firstPlayers.size(), 2u);
    EXPECT_EQ(firstPlayers[0].name, first);
    EXPECT_EQ(firstPlayers[0].progress, (PageProgress{4, 4}));
    EXPECT_TRUE(firstPlayers[0].progress.Finished());
    EXPECT_EQ(firstPlayers[1].progress, (PageProgress{0, 9})) << "new to the first player";
    const std::vector<ShelfEntry> thirdPlayers = ReadShelfEntries(shelf, 2);
    EXPECT_EQ(thirdPlayers[0].progress, (PageProgress{1, 4}));
    EXPECT_EQ(thirdPlayers[1].progress, (PageProgress{3, 9}));
    EXPECT_EQ(ReadShelfEntries(shelf, 5)[0].progress, (PageProgress{0, 4})) << "a player new to it";

    // A page whose page file is damaged is listed without a count.
    std::ofstream(PageFile(second, photos::kPageFileName), std::ios::binary) << "VPHOTOPG";
    EXPECT_EQ(ReadShelfEntry(shelf, second, 0).progress.total, 0);
    EXPECT_TRUE(ReadShelfEntries(shelf + "\\nowhere", 0).empty());
}

TEST_F(ShelfPages, ThumbnailsAreMadeOnceFromTheStoredPictureInThePagesShape) {
    const std::string landscape = Add(800, 600, 4, {200, 40, 30});
    const std::string portrait = Add(300, 500, 6, {20, 160, 60});
    CShelfThumbnails thumbnails;
    const CDIBImage* wide = thumbnails.Get(shelf, landscape);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->GetWidth(), kShelfThumbWidth);
    EXPECT_EQ(wide->GetHeight(), kShelfThumbHeight);
    const CDIBImage* tall = thumbnails.Get(shelf, portrait);
    ASSERT_NE(tall, nullptr);
    EXPECT_EQ(tall->GetHeight(), kShelfThumbHeight);
    EXPECT_LT(tall->GetWidth(), kShelfThumbWidth);
    // True to the picture: the middle pixel is the photo's colour.
    uint32_t middle = 0;
    ASSERT_TRUE(wide->GetPixel(wide->GetWidth() / 2, wide->GetHeight() / 2, &middle));
    EXPECT_NEAR(static_cast<int>(middle & 0xFF), 200, 2);
    EXPECT_NEAR(static_cast<int>((middle >> 8) & 0xFF), 40, 2);
    EXPECT_NEAR(static_cast<int>(middle >> 16), 30, 2);
    EXPECT_EQ(thumbnails.MadeCount(), 2);

    // Kept: the stored picture is not read again, even when it has gone.
    fs::remove(PageFile(landscape, photos::kPagePictureName));
    EXPECT_EQ(thumbnails.Get(shelf, landscape), wide);
    EXPECT_EQ(thumbnails.MadeCount(), 2);
    // A page whose picture cannot be read has none, and is not tried again.
    CShelfThumbnails fresh;
    EXPECT_EQ(fresh.Get(shelf, landscape), nullptr);
    EXPECT_EQ(fresh.Get(shelf, landscape), nullptr);
    EXPECT_EQ(fresh.MadeCount(), 0);
    EXPECT_EQ(MakeShelfThumbnail(photos::Image()).Width(), 0);
}
