// Adding a photo to the shelf: the player's file read once, its EXIF
// orientation taken from its own bytes, its size judged before anything is
// decoded, the picture decoded by the system's decoders at a bounded size,
// framed, and stored as a new page folder (photos/page_import.h).
#pragma once

#include <cstdint>
#include <string>

enum class AddedPhoto {
    kAdded,       // the page folder is in place
    kNotAPicture, // unreadable, not a picture, truncated or damaged
    kTooSmall,    // under 64 x 64 pixels
    kTooLarge,    // too large to open within bounded memory
    kNotStored,   // the page folder could not be written
};

// Called by the shell for each photo the player chose or dropped. photoPath
// is the player's file (a native path in UTF-8, whatever the system's ANSI
// code page); shelfFolder the shelf's folder (a game path), made when
// missing. On kAdded *pageName is the new page's
// folder name. Anything else leaves the shelf as it was, with a log line.
AddedPhoto AddPhotoToShelf(const std::string& photoPath, int32_t pieceCount,
                           const std::string& shelfFolder, std::string* pageName);
