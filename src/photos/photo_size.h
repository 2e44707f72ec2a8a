// What size a photo is decoded at, decided from the size its file reports
// before a single pixel is decoded: pictures too small to cut are refused,
// pictures too large to open within bounded memory are refused, and every
// other one is decoded no larger than twice what its frame needs, so that a
// 12-megapixel photo costs a few megabytes once decoded, not fifty.
#pragma once

#include "photos/exif_orientation.h"
#include "photos/raster.h"

#include <cstdint>

namespace photos {

// Either side below this is too small for a page.
constexpr int32_t kSmallestPhotoSide = 64;
// More pixels than this are refused: the system's decoders hold the whole
// picture while they decode it, whatever size is asked for.
constexpr int64_t kLargestPhotoPixels = 50'000'000;
// The decoded picture covers its frame this many times over, so that the
// frame's shrinking filter still has pixels to average.
constexpr int32_t kDecodeOversampling = 2;

enum class PhotoVerdict { kUsable, kTooSmall, kTooLarge };

// Whether a photo whose file reports stored width x height can be used.
PhotoVerdict JudgePhotoSize(int32_t storedWidth, int32_t storedHeight);

// The frame for the photo as it is shown: landscape when it is wider than
// tall once turned upright.
Box FrameForStored(int32_t storedWidth, int32_t storedHeight, Orientation orientation);

// The size to decode a usable photo at, in its stored orientation: the
// stored size scaled down (never up) until it just covers the frame
// kDecodeOversampling times over, keeping its shape.
void DecodeSize(int32_t storedWidth, int32_t storedHeight, Orientation orientation, int32_t* width,
                int32_t* height);

} // namespace photos
