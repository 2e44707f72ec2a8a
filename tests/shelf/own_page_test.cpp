// A photo added to the shelf and opened as a page of the game: it plays by
// the mouse and the keyboard like a built-in page, is stored in its own
// folder and comes back as it was left, and the thirty pages stay as they
// are around it. Photos are in the headless platform's test format.
#include "photos/photo_test_support.h"
#include "shelf_test_support.h"
#include "support/play_page_test.h"

#include "game/page_cursor.h"
#include "game/page_progress.h"
#include "game/page_sprite_index.h"
#include "persist/store_locations.h"
#include "photos/page_import.h"
#include "photos/photo_frame.h"
#include "platform/headless/headless_platform.h"
#include "shelf/own_page.h"
#include "shelf/photo_adding.h"
#include "shelf/shelf.h"
#include "sprites/page_completion.h"
#include "sprites/page_source.h"
#include "sprites/sprite.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class OwnPages : public ShelfFixture {
protected:
    OwnPages() : ShelfFixture({1, 2, 3}) {
        EXPECT_TRUE(session->ShowPage(1));
        headless::TakeDecodedPhotoSizes();
    }

    // A photo of width x height added with count pieces; its page's folder.
    std::string Add(int width, int height, int32_t count) {
        return shelf + "\\" + AddPhoto(PatternPicture(width, height), count);
    }
    bool Placed(int32_t k) { return Piece(kPlacedKind, k)->IsVisible(); }
};

TEST_F(OwnPages, APhotoBecomesAPageThatPlaysIsStoredAndComesBackAsItWasLeft) {
    COwnPage page;
    ASSERT_TRUE(page.Open(Add(300, 400, 4)));
    EXPECT_TRUE(photos::SameBox(page.Info().frame, photos::kPortraitFrame));
    session->Document().ShowOwnPage(&page);
    const CPageSpriteIndex& index = *CPageSpriteIndex::Instance();
    EXPECT_EQ(index.pieceCount, 4);
    EXPECT_EQ(index.firstHole, TagOf(kHoleKind, 1));
    for (int32_t k = 0; k < 4; ++k) {
        ASSERT_NE(Piece(kLooseKind, k), nullptr);
        EXPECT_TRUE(session->PlacePiece(k)) << "piece " << k;
    }
    EXPECT_EQ(View().GetPlacedCount(), 4);
    EXPECT_TRUE(PageProgressOf(session->Document()).Finished());
    EXPECT_TRUE(View().Finish().StarShown());

    // Stored into its own folder, not over any built-in page's save file.
    session->Document().ChangePage(kSamePage);
    EXPECT_TRUE(fs::exists(platform::NativePath(page.SavePath())));
    const PageProgress pageOne = ReadPageProgress((dir.Path() / "save" / "page01.sav").string(), 1);
    EXPECT_EQ(pageOne, (PageProgress{0, PieceCountOfPage(1)}));
    EXPECT_TRUE(ReadOwnPageProgress(page.SavePath(), 4).Finished());

    // Opened afresh, as after a restart: every piece still placed.
    COwnPage again;
    ASSERT_TRUE(again.Open(page.Folder()));
    session->Document().ShowOwnPage(&again);
    for (int32_t k = 0; k < 4; ++k)
        EXPECT_TRUE(Placed(k)) << "piece " << k;
    EXPECT_EQ(View().GetPlacedCount(), 4);
    EXPECT_TRUE(View().Finish().StarShown());
    View().ClearPage(nullptr);
    EXPECT_FALSE(Placed(0));
}

TEST_F(OwnPages, APageIsSolvedByTheKeyboardAloneWithItsOwnRingAndHint) {
    COwnPage page;
    ASSERT_TRUE(page.Open(Add(200, 260, 9)));
    session->Document().ShowOwnPage(&page);
    for (int32_t placed = 0; placed < 9; ++placed) {
        View().OnPlayKey(nullptr, PlayKey::kNextPiece);
        const int32_t k = View().Keyboard().SelectedPiece();
        ASSERT_GE(k, 0);
        EXPECT_TRUE(View().Keyboard().SelectionRing().IsShown());
        View().OnPlayKey(nullptr, PlayKey::kLiftOrDrop);
        View().OnPlayKey(nullptr, PlayKey::kHint);
        EXPECT_TRUE(View().Hint().Overlay().IsShown());
        for (int32_t steps = 0; View().Keyboard().TargetHole() != k; ++steps) {
            ASSERT_LT(steps, 20);
            View().OnPlayKey(nullptr, PlayKey::kNextHole);
        }
        View().OnPlayKey(nullptr, PlayKey::kLiftOrDrop);
        EXPECT_TRUE(Placed(k)) << "piece " << k;
    }
    EXPECT_TRUE(PageProgressOf(session->Document()).Finished());
}

TEST_F(OwnPages, ALandscapePhotoGetsTheLandscapeFrameAndIsDecodedNoLargerThanItNeeds) {
    COwnPage page;
    ASSERT_TRUE(page.Open(Add(2400, 1800, 16)));
    EXPECT_TRUE(photos::SameBox(page.Info().frame, photos::kLandscapeFrame));
    EXPECT_EQ(page.BackgroundPath(), photos::kLandscapeBackgroundPath);
    const std::vector<platform::PhotoSize> sizes = headless::TakeDecodedPhotoSizes();
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].width, 2 * photos::kLandscapeFrame.w);
    EXPECT_EQ(sizes[0].height, 2 * photos::kLandscapeFrame.h);
    session->Document().ShowOwnPage(&page);
    EXPECT_EQ(CPageSpriteIndex::Instance()->pieceCount, 16);
    for (int32_t k = 0; k < 16; ++k) {
        RECT r;
        Piece(kLooseKind, k)->GetRect(&r);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 1024 && r.bottom <= 768) << k;
        EXPECT_TRUE(session->PlacePiece(k)) << "piece " << k;
    }
}

TEST_F(OwnPages, LeavingTheOwnPageShowsTheBuiltInPagesAsTheCatalogueHasThem) {
    COwnPage page;
    ASSERT_TRUE(page.Open(Add(300, 300, 6)));
    session->Document().ShowOwnPage(&page);
    EXPECT_TRUE(session->PlacePiece(0));
    session->Document().ChangePage(kNextPage);
    EXPECT_EQ(session->Document().GetPageSource(), nullptr);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 2);
    EXPECT_EQ(CPageSpriteIndex::Instance()->pieceCount, PieceCountOfPage(2));
    EXPECT_EQ(CPageSpriteIndex::Instance()->firstLoose, TagOf(kLooseKind, FirstPieceOfPage(2)));
    session->Document().GoToPage(3);
    EXPECT_EQ(CPageSpriteIndex::Instance()->pieceCount, PieceCountOfPage(3));
    // The own page's save file holds only its own pieces.
    EXPECT_EQ(ReadOwnPageProgress(page.SavePath(), 6).total, 6);
}

// The photo is prepared while the player chooses the count: preparing
// writes nothing, and the page stored afterwards is the page the photo
// gives when added in one step (the same picture, frame and cut).
TEST_F(OwnPages, APhotoPreparedBeforeTheCountGivesTheSamePage) {
    const std::string photo = (dir.Path() / "prepared.ppm").string();
    WritePpm(photo, PatternPicture(400, 300));
    const PreparedPhoto prepared = PreparePhoto(photo);
    ASSERT_EQ(prepared.verdict, AddedPhoto::kAdded);
    EXPECT_TRUE(ListShelf(shelf).empty());
    EXPECT_TRUE(photos::SameBox(prepared.frame, photos::kLandscapeFrame));
    std::string stored;
    std::string added;
    ASSERT_EQ(StorePreparedPhoto(prepared, 9, shelf, &stored), AddedPhoto::kAdded);
    ASSERT_EQ(AddPhotoToShelf(photo, 9, shelf, &added), AddedPhoto::kAdded);
    ASSERT_NE(stored, added);
    COwnPage one;
    COwnPage other;
    ASSERT_TRUE(one.Open(shelf + "\\" + stored));
    ASSERT_TRUE(other.Open(shelf + "\\" + added));
    EXPECT_EQ(one.Info().cutSeed, other.Info().cutSeed);
    EXPECT_TRUE(photos::SameBox(one.Info().frame, other.Info().frame));
    EXPECT_EQ(ReadAll(PageFile(stored, "picture.dat")), ReadAll(PageFile(added, "picture.dat")));
    // Another count cuts the same photo another way.
    ASSERT_EQ(StorePreparedPhoto(prepared, 4, shelf, &stored), AddedPhoto::kAdded);
    COwnPage four;
    ASSERT_TRUE(four.Open(shelf + "\\" + stored));
    EXPECT_NE(four.Info().cutSeed, one.Info().cutSeed);
    // And another photo with the same count is cut its own way.
    const std::string otherPhoto = (dir.Path() / "other.ppm").string();
    WritePpm(otherPhoto, PatternPicture(300, 400));
    ASSERT_EQ(StorePreparedPhoto(PreparePhoto(otherPhoto), 9, shelf, &stored), AddedPhoto::kAdded);
    COwnPage portrait;
    ASSERT_TRUE(portrait.Open(shelf + "\\" + stored));
    EXPECT_NE(portrait.Info().cutSeed, one.Info().cutSeed);
    // A refused photo stays refused when stored, and stores nothing.
    std::ofstream(photo, std::ios::binary) << "not a picture";
    const size_t pages = ListShelf(shelf).size();
    EXPECT_EQ(StorePreparedPhoto(PreparePhoto(photo), 9, shelf, &stored), AddedPhoto::kNotAPicture);
    EXPECT_EQ(ListShelf(shelf).size(), pages);
}

// Files are read whole only up to a limit: a photo or page file larger than
// the game would ever need is not read into memory at all.
TEST(WholeFiles, AFileOverItsLimitIsNotRead) {
    ScopedTempDir dir;
    const std::string path = dir.File(u8"\u00c9mile \u00e0 la plage.jpg");
    WriteAll(path, Bytes(10, 0x42));
    Bytes bytes;
    EXPECT_TRUE(ReadPlayerFile(path, 10, &bytes));
    EXPECT_EQ(bytes, Bytes(10, 0x42));
    EXPECT_TRUE(ReadWholeFile(path, 10, &bytes));
    bytes.clear();
    EXPECT_FALSE(ReadPlayerFile(path, 9, &bytes));
    EXPECT_FALSE(ReadWholeFile(path, 9, &bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadPlayerFile(dir.File("missing.jpg"), 10, &bytes));
}

TEST_F(OwnPages, PicturesThatCannotBeUsedAreRefusedAndLeaveTheShelfAsItWas) {
    const std::string photo = (dir.Path() / "refused.ppm").string();
    std::string name;
    WritePpm(photo, PatternPicture(63, 200));
    EXPECT_EQ(AddPhotoToShelf(photo, 4, shelf, &name), AddedPhoto::kTooSmall);
    WriteClaimedPpm(photo, 20000, 20000);
    EXPECT_EQ(AddPhotoToShelf(photo, 4, shelf, &name), AddedPhoto::kTooLarge);
    std::ofstream(photo, std::ios::binary) << "this is a letter, not a picture";
    EXPECT_EQ(AddPhotoToShelf(photo, 4, shelf, &name), AddedPhoto::kNotAPicture);
    WriteClaimedPpm(photo, 300, 300); // cut short
    EXPECT_EQ(AddPhotoToShelf(photo, 4, shelf, &name), AddedPhoto::kNotAPicture);
    EXPECT_EQ(AddPhotoToShelf((dir.Path() / "missing.ppm").string(), 4, shelf, &name),
              AddedPhoto::kNotAPicture);
    EXPECT_TRUE(headless::TakeDecodedPhotoSizes().empty());
    EXPECT_TRUE(ListShelf(shelf).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(platform::NativePath(shelf)),
                            fs::directory_iterator()),
              0);
}

TEST_F(OwnPages, ADamagedPageFileOrPictureOpensNothing) {
    const std::string folder = Add(300, 400, 4);
    const std::string pageFile = platform::NativePath(folder + "\\" + photos::kPageFileName);
    const std::string picture = platform::NativePath(folder + "\\" + photos::kPagePictureName);
    fs::copy_file(picture, picture + ".kept");
    fs::resize_file(picture, 100);
    COwnPage page;
    EXPECT_FALSE(page.Open(folder));
    fs::rename(picture + ".kept", picture);
    EXPECT_TRUE(page.Open(folder));
    {
        std::fstream file(pageFile, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(13);
        file.put('\x7f');
    }
    COwnPage damaged;
    EXPECT_FALSE(damaged.Open(folder));
}

TEST_F(OwnPages, TheSamePhotoAndCountGiveTheSamePageEveryTime) {
    COwnPage first;
    COwnPage second;
    ASSERT_TRUE(first.Open(Add(320, 240, 12)));
    ASSERT_TRUE(second.Open(Add(320, 240, 12)));
    EXPECT_NE(first.Folder(), second.Folder());
    EXPECT_EQ(first.Info().cutSeed, second.Info().cutSeed);
    for (int32_t kind = 0; kind < kPieceKindCount; ++kind)
        for (int32_t k = 0; k < 12; ++k) {
            const SpriteRecord a = first.Record(kind, k);
            const SpriteRecord b = second.Record(kind, k);
            EXPECT_TRUE(a.x == b.x && a.y == b.y && a.nameIndex == b.nameIndex);
            const PictureBytes pa = first.Piece(a.nameIndex);
            const PictureBytes pb = second.Piece(b.nameIndex);
            ASSERT_EQ(pa.size, pb.size);
            EXPECT_EQ(std::memcmp(pa.data, pb.data, pa.size), 0);
        }
    EXPECT_EQ(first.Piece(TagOf(kLooseKind, 13)).size, 0u);
}

} // namespace
