// Between the cutter's pictures and the game's own: the stored page picture
// in the game's picture file format, and the in-memory 24-bit images the
// sprites are made of.
#pragma once

#include "image/dib_image.h"
#include "photos/raster.h"

#include <cstdint>
#include <vector>

namespace photos {

// A 24-bit picture file with the game's signature, as the game's images load
// it. Empty for an empty picture.
std::vector<uint8_t> EncodeGamePicture(const Image& picture);

// Called when a photo page's pieces become sprites: makes `out` a copy of
// picture. False when out cannot be made that size.
bool CopyToDib(const Image& picture, CDIBImage* out);

// Called when a photo page is opened: the loaded page picture, for the cutter.
Image CopyFromDib(const CDIBImage& image);

} // namespace photos
