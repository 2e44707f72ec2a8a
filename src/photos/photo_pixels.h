// A decoded photo as the system's decoder hands it over, and the steps that
// make the page picture from it: turned upright, laid over white, cropped
// from its middle to the frame's shape and scaled into the frame.
#pragma once

#include "photos/exif_orientation.h"
#include "photos/raster.h"

#include <cstddef>
#include <cstdint>

namespace photos {

enum class PixelLayout { kBgra32, kBgr24 };

// Rows top first, `stride` bytes apart; 32-bit pixels are blue, green, red,
// alpha (not premultiplied), 24-bit ones blue, green, red. The pixels belong
// to the caller.
struct DecodedPhoto {
    const uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    size_t stride = 0;
    PixelLayout layout = PixelLayout::kBgra32;
};

// Whether the photo's fields describe pixels that can be read: sides above
// 0, a stride that holds a row, pixels given.
bool IsReadable(const DecodedPhoto& photo);

// The whole photo as 24-bit pixels, turned upright and with any
// transparency laid over white. An unreadable photo gives an empty image.
Image UprightPicture(const DecodedPhoto& photo, Orientation orientation);

// The same rule for a picture already in memory: the pixels turned upright.
Image Turned(const Image& stored, Orientation orientation);

// The page picture: the middle of the upright photo with the frame's shape,
// scaled to frameWidth x frameHeight (averaging every photo pixel that falls
// in a frame pixel when shrinking, bilinear when enlarging), transparency
// over white. Only the frame-sized result is turned, so a large photo is
// read once and never copied whole. An unreadable photo or frame gives an
// empty image.
Image FramePicture(const DecodedPhoto& photo, Orientation orientation, int32_t frameWidth,
                   int32_t frameHeight);

} // namespace photos
