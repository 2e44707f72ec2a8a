// Adding a photo to the shelf: the player's file read once, its EXIF
// orientation taken from its own bytes, its size judged before anything is
// decoded, the picture decoded by the system's decoders at a bounded size,
// framed, and stored as a new page folder (photos/page_import.h).
#pragma once

#include "photos/piece_geometry.h"
#include "photos/raster.h"

#include <cstdint>
#include <string>

enum class AddedPhoto {
    kAdded,       // the page folder is in place
    kNotAPicture, // unreadable, not a picture, truncated or damaged
    kTooSmall,    // under 64 x 64 pixels
    kTooLarge,    // too large to open within bounded memory
    kNotStored,   // the page folder could not be written
};

// A photo read, judged, decoded and framed: all of adding it that does not
// need the piece count, so that it can run while the player chooses one.
struct PreparedPhoto {
    AddedPhoto verdict = AddedPhoto::kNotAPicture; // kAdded: ready to be stored
    std::string photoPath;
    bool read = false;         // whether the file could be read at all
    int32_t reportedWidth = 0; // the size the file claims, for the log
    int32_t reportedHeight = 0;
    uint32_t contentHash = 0; // of the file's bytes: the cut's seed comes from it
    photos::Box frame;
    photos::Image picture; // frame-sized
};

// Called by the shell for the first photo of a choice or drop, on a thread
// of its own while the piece chooser is shown (it writes nothing and logs
// nothing), and by AddPhotoToShelf. photoPath is the player's file (a
// native path in UTF-8, whatever the system's ANSI code page).
PreparedPhoto PreparePhoto(const std::string& photoPath);

// Called by the shell once the count is known: stores a prepared photo as a
// new page in shelfFolder (a game path, made when missing). On kAdded
// *pageName is the new page's folder name. Anything else leaves the shelf
// as it was, with a log line.
AddedPhoto StorePreparedPhoto(const PreparedPhoto& photo, int32_t pieceCount,
                              const std::string& shelfFolder, std::string* pageName);

// Called by the shell for the photos after the first: both steps at once.
AddedPhoto AddPhotoToShelf(const std::string& photoPath, int32_t pieceCount,
                           const std::string& shelfFolder, std::string* pageName);
