// Storing a new photo page: its folder on the shelf holds the page picture
// in the game's picture format ("picture.dat"), the page file ("page.dta")
// and a copy of the player's photo, so that moving or deleting the original
// changes nothing. Everything is written into "<name>.partial" first and the
// folder renamed only when complete, so a failed or interrupted import
// leaves no page behind, half or whole, and changes nothing else.
#pragma once

#include "photos/page_file.h"
#include "photos/raster.h"

#include <string>

namespace photos {

constexpr char kPagePictureName[] = "picture.dat";
constexpr char kPageFileName[] = "page.dta";
constexpr char kUnfinishedSuffix[] = ".partial";

struct PhotoImport {
    // Game paths (backslashes), as the rest of the game's files.
    std::string shelfFolder;        // the folder of all photo pages; it exists
    std::string pageName;           // the new page's folder name: a plain file name
    std::string sourcePhoto;        // the player's photo (UTF-8), copied as info.photoName
    const Image* picture = nullptr; // the page picture, frame-sized
    PhotoPageInfo info;
};

// Called by the import once the photo is decoded and its picture made: true
// when the page folder is complete and in place. Otherwise one log line says
// why and nothing is left behind; a page of that name already there is
// never touched.
bool ImportPhotoPage(const PhotoImport& import);

// Called before listing the shelf: removes what imports cut short by a crash
// or a power cut left behind (folders ending in kUnfinishedSuffix).
void SweepUnfinishedImports(const std::string& shelfFolder);

} // namespace photos
