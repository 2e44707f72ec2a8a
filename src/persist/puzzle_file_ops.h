// The page save files "\save\page01.sav" ... "\save\page30.sav": the player's
// progress on each page, written when the page is left and read back when it
// is entered. Layout (integers 32-bit little-endian):
//   the text "VARNOLT1" as a string (length 8, then the bytes), the version
//   256, the placed count, then up to the end of the file one 24-byte record
//   per piece sprite: tag, x, y, depth, visible, mirrored.
// There is no record count: a page with no stored sprites is a 20-byte file.
#pragma once

#include "persist/mapped_file.h"

#include <cstdint>
#include <string>

class CAnimDocBase;
class CPageCursor;

class PuzzleFileOps : public CMappedFile {
public:
    static constexpr int32_t kVersion = 256;
    // The save file's identification text.
    static const char* const kHeaderText;

    // The one object of the process, made on first use.
    static PuzzleFileOps* Instance();
    explicit PuzzleFileOps(CPageCursor* pageCursor);

    // The current page's save file, below the base directory.
    std::string CurrentSavePath() const;
    // Writes the current page of document (its sprites and its view's placed
    // count) into the page's save file. Never reports a failure: a save that
    // fails leaves the previous file as it was.
    void SaveCurrentPage(CAnimDocBase& document);
    // Restores the current page into document from its save file: 1 when the
    // file's header was good (the records read completely are then on the
    // page), 0 when there was no usable file and nothing was added.
    int32_t LoadCurrentPage(CAnimDocBase& document);

    void WriteSaveFile(const std::string& path, CAnimDocBase& document);
    // Only records of the page now loaded are restored, each at most once;
    // any other record is skipped, so a damaged file can neither reach
    // outside the picture table nor put a piece on the page twice.
    int32_t ReadSprites(const std::string& path, CAnimDocBase& document);

private:
    CPageCursor* pageCursor;
};
