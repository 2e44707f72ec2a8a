// The page file of a photo page ("page.dta" in its folder): what it takes to
// cut the page again from its stored picture. Little-endian:
//   0  8  "VPHOTOPG"
//   8  4  version (1)
//  12  4  piece count (one of kPieceCounts)
//  16  4  cut seed
//  20 16  frame: x, y, width, height (one of the two photo frames)
//  36  4  length n of the copied photo's file name (1..64)
//  40  n  that name: a plain file name in the page's folder
//  40+n 4 CRC-32 of every byte before it
// A file of a later version is refused, as is any damaged one; each refusal
// writes one line to the log.
#pragma once

#include "photos/raster.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace photos {

constexpr uint32_t kPageFileVersion = 1;
constexpr size_t kLongestPhotoName = 64;

struct PhotoPageInfo {
    int32_t pieceCount = 0;
    uint32_t cutSeed = 0;
    Box frame;
    std::string photoName; // the copied photo, e.g. "photo.jpg"
};

// Called by the import: the file's bytes, or nothing when the info could not
// be read back (a count, frame or name the reader would refuse).
std::vector<uint8_t> EncodePageFile(const PhotoPageInfo& info);

// Called when a photo page is opened or listed: false, with one log line,
// for anything but a whole, undamaged file of this version or an earlier one.
bool DecodePageFile(const uint8_t* data, size_t size, PhotoPageInfo* info);

// Whether name is a plain file name the page file may carry: 1..64
// printable characters, none of them a path separator or otherwise
// forbidden in a Windows file name, and not "." or "..".
bool IsPlainFileName(const std::string& name);

} // namespace photos
