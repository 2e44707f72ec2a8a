// Page save files: the byte layout, round trips of played pages, damaged and
// missing files, and saves that cannot be written.
#include "diag/log_switch.h"
#include "game/catalogue.h"
#include "game/page_furniture.h"
#include "game/page_sprite_index.h"
#include "persist/puzzle_file_ops.h"
#include "persist/serializer.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"
#include "sprites/page_storage.h"
#include "sprites/sprite.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

void Append(Bytes& out, int32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
}

Bytes Header(int32_t placedCount, const std::string& text = "VARNOLT1", int32_t version = 256) {
    Bytes bytes;
    Append(bytes, static_cast<int32_t>(text.size()));
    for (char c : text)
        bytes.push_back(static_cast<uint8_t>(c));
    Append(bytes, version);
    Append(bytes, placedCount);
    return bytes;
}

void AppendRecord(Bytes& out, int32_t tag, int32_t x, int32_t y, int32_t depth, int32_t visible,
                  int32_t mirrored) {
    for (int32_t field : {tag, x, y, depth, visible, mirrored})
        Append(out, field);
}

CSprite* BareSprite(int32_t tag, int32_t x, int32_t y) {
    const POINT at{x, y};
    return new CSprite(0, tag, &at);
}

// Page 1 (and pages 2 and 6, whose pictures a damaged page 1 file may name)
// in a game folder with a save folder, played through the game's own objects.
class SaveFiles : public ::testing::Test {
protected:
    SaveFiles() : cwd(true) {
        folder = game.Path().string();
        WritePageFolder(folder, {1, 2, 6});
        std::filesystem::create_directory(game.Path() / "save");
        session = std::make_unique<CPlaySession>(folder);
        EXPECT_TRUE(session->ShowPage(1));
    }

    std::string SavePath(int32_t page) const {
        return (game.Path() / "save" / g_pageSaveFileNames[page].substr(6)).string();
    }
    // Reads the save file at path onto the document, as entering the page
    // does: false when the file was not usable.
    // The file's bytes, read from memory, must give the same.
    bool ReadInto(const std::string& path) {
        PuzzleFileOps& files = *PuzzleFileOps::Instance();
        SavedPage saved;
        const bool read = files.ReadSaveFile(path, &saved);
        if (std::filesystem::exists(path)) {
            const Bytes bytes = ReadAll(path);
            SavedPage fromMemory;
            EXPECT_EQ(files.ReadSaveBytes(bytes.data(), bytes.size(), &fromMemory), read);
            EXPECT_TRUE(fromMemory == saved);
        }
        if (!read)
            return false;
        RestorePage(saved, Doc());
        return true;
    }
    CAnimDoc& Doc() { return session->Document(); }
    CAnimView& View() { return session->View(); }

    ScopedTempDir cwd; // where log.txt goes
    ScopedTempDir game;
    std::string folder;
    std::unique_ptr<CPlaySession> session;
};

} // namespace

TEST(SaveFileLayout, PiecesInListOrderAfterTheHeaderFurnitureLeftOut) {
    ScopedTempDir dir;
    CAnimDoc doc;
    CAnimView view;
    LinkAnimation(&doc, &view, nullptr);
    view.SetPlacedCount(3);
    doc.Sprites().Add(BareSprite(5, 1, 2));
    doc.Sprites().Add(BareSprite(10001, 20, 693));
    CSprite* hole = BareSprite(230, -3, 4);
    hole->SetVisibleQuiet(false);
    doc.Sprites().Add(hole);
    CSprite* placed = BareSprite(450, 7, 8);
    placed->SetMirrored(true);
    doc.Sprites().Add(placed);

    const std::string path = dir.File("page01.sav");
    const SavedPage saved = RecordPage(doc);
    ASSERT_TRUE(PuzzleFileOps::Instance()->WriteSaveFile(path, saved));
    Bytes expected = Header(3);
    // Depths as the list renumbered them: 11 on top, downwards from there.
    AppendRecord(expected, 5, 1, 2, 14, 1, 0);
    AppendRecord(expected, 230, -3, 4, 12, 0, 0);
    AppendRecord(expected, 450, 7, 8, 11, 1, 1);
    EXPECT_EQ(expected.size(), 92u);
    EXPECT_EQ(ReadAll(path), expected);
    EXPECT_FALSE(std::filesystem::exists(Serializer::TemporaryPathFor(path)));
    SavedPage back;
    ASSERT_TRUE(PuzzleFileOps::Instance()->ReadSaveFile(path, &back));
    EXPECT_EQ(back, saved);
}

TEST_F(SaveFiles, APlayedPageComesBackAsItWasLeft) {
    EXPECT_TRUE(session->PlacePiece(2));
    EXPECT_TRUE(session->PlacePiece(4));
    Doc().ChangePage(kNextPage);
    EXPECT_EQ(View().GetPlacedCount(), 0);
    EXPECT_EQ(ReadAll(SavePath(1)).size(), 20u + 36 * 24);

    Doc().ChangePage(kPreviousPage);
    EXPECT_EQ(View().GetPlacedCount(), 2);
    ASSERT_EQ(Doc().Sprites().Count(), 36u + kFurnitureCount);
    for (int32_t k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        const bool placed = k == 2 || k == 4;
        const CSprite* loose = session->Piece(kLooseKind, k);
        const CSprite* hole = session->Piece(kHoleKind, k);
        const CSprite* inHole = session->Piece(kPlacedKind, k);
        const CSprite* drag = session->Piece(kDragKind, k);
        ASSERT_TRUE(loose && hole && inHole && drag) << "a sprite of the piece was not restored";
        EXPECT_EQ(loose->IsVisible(), !placed);
        EXPECT_EQ(hole->IsVisible(), !placed);
        EXPECT_EQ(inHole->IsVisible(), placed);
        EXPECT_TRUE(drag->IsHidden());
        EXPECT_EQ(loose->GetX(), g_pageTable[1][kLooseKind][k].x);
        EXPECT_EQ(loose->GetY(), g_pageTable[1][kLooseKind][k].y);
    }
    // Saved pieces keep their stacking; the buttons, number and star go on top.
    EXPECT_EQ(Doc().Sprites().First()->GetTag(), TagOf(kLooseKind, 1));
    EXPECT_EQ(Doc().Sprites().FromTop(1)->GetTag(), 10006);
    EXPECT_EQ(Doc().Sprites().FromTop(0)->GetTag(), kFinishedStarTag);

    // Counting goes on from the restored count, and clearing ends it.
    EXPECT_TRUE(session->PlacePiece(0));
    EXPECT_EQ(View().GetPlacedCount(), 3);
    View().ClearPage(nullptr);
    EXPECT_EQ(View().GetPlacedCount(), 0);
}

TEST_F(SaveFiles, AWrongHeaderRestoresNothingAndLeavesTheCountAlone) {
    const Bytes good = Header(4);
    Bytes wrongText = Header(4, "VARNOLT2");
    Bytes wrongVersion = Header(4, "VARNOLT1", 255);
    Bytes longerText = Header(4, "VARNOLT1X");
    for (Bytes* bytes : {&wrongText, &wrongVersion, &longerText})
        AppendRecord(*bytes, TagOf(kLooseKind, 1), 1, 2, 11, 1, 0);
    // Ends inside the placed count.
    Bytes cutHeader(good.begin(), good.begin() + 18);
    for (Bytes* bytes : {&wrongText, &wrongVersion, &longerText, &cutHeader}) {
        WriteAll(SavePath(1), *bytes);
        Doc().Clear();
        View().SetPlacedCount(5);
        EXPECT_FALSE(ReadInto(SavePath(1)));
        EXPECT_EQ(Doc().Sprites().Count(), 0u);
        EXPECT_EQ(View().GetPlacedCount(), 5);
    }
    // The page is then laid out from the catalogue, placed count 0.
    session->ShowPage(1);
    EXPECT_EQ(Doc().Sprites().Count(), 36u + kFurnitureCount);
    EXPECT_EQ(View().GetPlacedCount(), 0);
}

TEST_F(SaveFiles, AFileCutInsideARecordKeepsTheRecordsBeforeIt) {
    Bytes bytes = Header(1);
    for (int32_t k = 0; k < 4; ++k)
        AppendRecord(bytes, TagOf(kLooseKind, 1 + k), 10 * k, 20, 11, 1, 0);
    bytes.resize(20 + 3 * 24 + 10);
    WriteAll(SavePath(1), bytes);
    Doc().Clear();
    EXPECT_TRUE(ReadInto(SavePath(1)));
    EXPECT_EQ(Doc().Sprites().Count(), 3u);
    EXPECT_EQ(View().GetPlacedCount(), 1);
    const CSprite* third = Doc().FindByTag(TagOf(kLooseKind, 3));
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->GetX(), 20);
    EXPECT_EQ(Doc().FindByTag(TagOf(kLooseKind, 4)), nullptr);
}

TEST_F(SaveFiles, RecordsThatAreNotThisPagesPiecesAreSkipped) {
    EXPECT_TRUE(Doc().StoreCurrentPage());
    Bytes bytes = ReadAll(SavePath(1));
    const CSprite* hole1 = session->Piece(kHoleKind, 0);
    AppendRecord(bytes, -1, 0, 0, 11, 1, 0);
    AppendRecord(bytes, kPieceFileCount, 0, 0, 11, 1, 0);
    AppendRecord(bytes, INT32_MAX, 0, 0, 11, 1, 0);
    AppendRecord(bytes, 10003, 0, 0, 11, 1, 0);
    // Page 6's hole over page 1's first hole would take the drops meant
    // for it; page 6's drag picture would be a second piece to lift.
    AppendRecord(bytes, TagOf(kHoleKind, 44), hole1->GetX(), hole1->GetY(), 11, 1, 0);
    AppendRecord(bytes, TagOf(kDragKind, 44), 400, 300, 11, 1, 0);
    // A second copy of a piece's drag picture, and page 2's first one,
    // whose tag follows page 1's last.
    AppendRecord(bytes, TagOf(kDragKind, 1), 400, 300, 11, 1, 0);
    AppendRecord(bytes, TagOf(kDragKind, 10), 400, 300, 11, 1, 0);
    WriteAll(SavePath(1), bytes);

    ScopedLogSwitch logOn(1);
    session->ShowPage(1);
    EXPECT_EQ(Doc().Sprites().Count(), 36u + kFurnitureCount);
    for (int32_t k = 0; k < 9; ++k)
        EXPECT_TRUE(session->PlacePiece(k)) << "piece " << k;
    EXPECT_EQ(View().GetPlacedCount(), 9);
    EXPECT_NE(ReadText("log.txt").find("PuzzleFileOps::ReadSprites: record skipped, tag -1"),
              std::string::npos);
}

TEST_F(SaveFiles, APageWhoseFileLacksPiecesHealsAndAPlacedPieceStaysInItsHole) {
    ASSERT_TRUE(session->PlacePiece(0));
    // Written while every other picture of the page was unreadable: only
    // the placed first piece is in the file.
    Bytes bytes = Header(1);
    const CSprite* placed = session->Piece(kPlacedKind, 0);
    AppendRecord(bytes, TagOf(kPlacedKind, 1), placed->GetX(), placed->GetY(), 11, 1, 0);
    WriteAll(SavePath(1), bytes);

    session->ShowPage(1);
    EXPECT_EQ(Doc().Sprites().Count(), 36u + kFurnitureCount);
    EXPECT_TRUE(session->Piece(kPlacedKind, 0)->IsVisible());
    EXPECT_FALSE(session->Piece(kLooseKind, 0)->IsVisible());
    EXPECT_FALSE(session->Piece(kHoleKind, 0)->IsVisible());
    EXPECT_FALSE(session->Piece(kDragKind, 0)->IsVisible());
    // The rest come back as on a new page, and the page can be finished.
    for (int32_t k = 1; k < 9; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(session->Piece(kLooseKind, k)->IsVisible());
        EXPECT_TRUE(session->Piece(kHoleKind, k)->IsVisible());
        EXPECT_TRUE(session->PlacePiece(k));
    }
    EXPECT_EQ(View().GetPlacedCount(), 9);
}
