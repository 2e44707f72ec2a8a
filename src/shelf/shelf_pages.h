// The shelf as the picture book shows it: every page with the current
// player's progress on it, and each page's thumbnail.
//
// Thumbnails are made from the page picture already stored in each page's
// folder (framed and upright, at most the frame's size), only for the pages
// on the sheet being shown, and kept in memory for the rest of the run. So
// nothing is added to a page folder or to the import, an older page needs
// nothing done to it, and opening the book costs at most one sheet's
// pictures read and shrunk once; folder names are never reused, so a kept
// thumbnail can never show another picture.
#pragma once

#include "game/shelf_book.h"
#include "photos/raster.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CDIBImage;

// Called by the book when it opens: name's piece count from its page file
// and the progress recorded in the save file of the player whose saves lie
// in playerFolder (CPlayerSaves::Folder). A page file that cannot be read
// gives a total of 0.
ShelfEntry ReadShelfEntry(const std::string& shelfFolder, const std::string& name,
                          int32_t playerFolder);
// Every page on the shelf, oldest first.
std::vector<ShelfEntry> ReadShelfEntries(const std::string& shelfFolder, int32_t playerFolder);

// A page picture shrunk to fit the book's thumbnail box, keeping its shape
// (every picture pixel averaged into the thumbnail pixel it falls in).
photos::Image MakeShelfThumbnail(const photos::Image& pagePicture);

class CShelfThumbnails {
public:
    CShelfThumbnails();
    ~CShelfThumbnails();

    // Called by the shelf view when it draws a cell: the thumbnail of page
    // name, made the first time from its stored picture; null when that
    // picture cannot be read (the cell then shows no picture).
    const CDIBImage* Get(const std::string& shelfFolder, const std::string& name);
    // How many thumbnails were made from files so far (for the tests).
    int32_t MadeCount() const { return made; }

    CShelfThumbnails(const CShelfThumbnails&) = delete;
    CShelfThumbnails& operator=(const CShelfThumbnails&) = delete;

private:
    std::map<std::string, std::unique_ptr<CDIBImage>> kept;
    int32_t made = 0;
};
