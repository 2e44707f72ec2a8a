// One of the player's own pages, opened from its folder on the shelf: the
// page file says how it was cut, the stored picture is cut again (the cut is
// deterministic, so the page is the one the player first saw) and every
// piece picture is held in the game's picture format, ready for sprites.
#pragma once

#include "photos/page_cut.h"
#include "photos/page_file.h"
#include "sprites/page_source.h"

#include <cstdint>
#include <string>
#include <vector>

// The save file in each page's folder, written as the built-in pages' are:
// the first player's. Every further player keeps their own progress on the
// same picture beside it, named after their folder ("progress02.sav"), so
// the page folder still holds all of the page.
constexpr char kOwnSaveName[] = "progress.sav";

// The save file name in a page folder of the player in playerFolder
// (CPlayerSaves::Folder); called by COwnPage::SavePath and the tests.
std::string OwnSaveNameOf(int32_t playerFolder);

class COwnPage : public CPageSource {
public:
    // Called by the shelf when a page is to be shown: reads the page in
    // folder (a game path) and cuts it. False, with one log line, when the
    // page file or the picture is missing or damaged.
    bool Open(const std::string& folder);

    const std::string& Folder() const { return folder; }
    // The page's place among the player's pages (1 ...), for its label.
    void SetLabel(int32_t place) { label = place; }
    const photos::PhotoPageInfo& Info() const { return info; }

    std::string BackgroundPath() const override;
    // The current player's save file in the page's folder.
    std::string SavePath() const override;
    int32_t PieceCount() const override;
    SpriteRecord Record(int32_t kind, int32_t k) const override;
    PictureBytes Piece(int32_t tag) const override;
    PictureBytes SelectionRing(int32_t k) const override;
    PictureBytes HoleGlow(int32_t k) const override;
    int32_t Label() const override { return label; }

private:
    static PictureBytes Bytes(const std::vector<uint8_t>& bytes);

    std::string folder;
    int32_t label = 0;
    photos::PhotoPageInfo info;
    std::vector<photos::PieceGeometry> pieces;
    // kind * piece count + k: the four pictures of every piece.
    std::vector<std::vector<uint8_t>> pictures;
    std::vector<std::vector<uint8_t>> rings;
    std::vector<std::vector<uint8_t>> glows;
};

// The page file in pageFolder (a game path), read and decoded into info;
// false when it is missing, too large or damaged. Called by COwnPage::Open
// and the book's page of the player's pictures (shelf_pages).
bool ReadPageFileIn(const std::string& pageFolder, photos::PhotoPageInfo* info);
// The stored page picture in pageFolder; an empty image when it cannot be
// read. Called by the same two.
photos::Image ReadPagePictureIn(const std::string& pageFolder);
// Reads a whole file (a game path) into bytes; false when it cannot be read
// or is larger than limit bytes.
bool ReadWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>* bytes);
// Called by AddPhotoToShelf for the player's photo: the same for a path in
// UTF-8 that may lie outside the system's ANSI code page.
bool ReadPlayerFile(const std::string& path, size_t limit, std::vector<uint8_t>* bytes);
