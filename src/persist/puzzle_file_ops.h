// The page save files "\save\page01.sav" ... "\save\page30.sav": the player's
// progress on each page, written when the page is left and read back when it
// is entered. Layout (integers 32-bit little-endian):
//   the text "VARNOLT1" as a string (length 8, then the bytes), the version
//   256, the placed count, then up to the end of the file one 24-byte record
//   per piece sprite: tag, x, y, depth, visible, mirrored.
// There is no record count: a page with no stored sprites is a 20-byte file.
// This class knows only the records; the document decides what they mean.
#pragma once

#include "persist/mapped_file.h"
#include "persist/saved_sprite.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SavedPage {
    int32_t placedCount = 0;
    std::vector<SavedSprite> sprites;

    bool operator==(const SavedPage& other) const {
        return placedCount == other.placedCount && sprites == other.sprites;
    }
};

class PuzzleFileOps : public CMappedFile {
public:
    static constexpr int32_t kVersion = 256;
    // The save file's identification text.
    static const char* const kHeaderText;

    // The one object of the process, made on first use.
    static PuzzleFileOps* Instance();
    PuzzleFileOps();

    // Writes page into the save file at path. False when it could not be
    // written; the previous file is then as it was.
    bool WriteSaveFile(const std::string& path, const SavedPage& page);
    // Called by the document when a page is entered and by the picture book
    // for each page's progress: reads the save file
    // at path into *page through ReadSaveBytes' rules. False, with *page
    // untouched, when there was no usable file.
    bool ReadSaveFile(const std::string& path, SavedPage* page);
    // Called by ReadSaveFile's reading and by the save fuzzer: reads a save
    // file's size bytes at data into *page. True when its header was good,
    // and page then holds every record read completely; false, with *page
    // untouched, otherwise.
    bool ReadSaveBytes(const uint8_t* data, size_t size, SavedPage* page);

private:
    // The reading both entries share, from an open reader.
    static bool ReadSave(DeSerializer& in, SavedPage* page);
};
