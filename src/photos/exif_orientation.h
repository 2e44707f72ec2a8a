// How a photo was held: the EXIF orientation tag (274) of the file's first
// image directory, read from the file's own bytes. The system's decoder
// under Wine does not report it, and a phone photo taken sideways must still
// show upright.
#pragma once

#include <cstddef>
#include <cstdint>

namespace photos {

// The eight EXIF orientations: how the stored rows must be turned to show
// the picture upright.
enum class Orientation : int32_t {
    kUpright = 1,
    kMirrored = 2,    // left and right swapped
    kUpsideDown = 3,  // turned half round
    kFlipped = 4,     // top and bottom swapped
    kTransposed = 5,  // mirrored across the top-left to bottom-right diagonal
    kTurnedLeft = 6,  // shown upright after a quarter turn clockwise
    kTransverse = 7,  // mirrored across the other diagonal
    kTurnedRight = 8, // shown upright after a quarter turn anticlockwise
};

// Called by the photo import with the whole file: the orientation of a JPEG
// (APP1 "Exif" segment) or PNG (eXIf chunk), in either byte order. Anything
// else, and any file whose tag is missing, damaged or out of range, is
// upright. Reads only within [data, data + size).
Orientation ReadExifOrientation(const uint8_t* data, size_t size);

// Whether showing a picture of this orientation swaps its width and height.
inline bool SwapsSides(Orientation orientation) {
    return static_cast<int32_t>(orientation) >= 5;
}

} // namespace photos
