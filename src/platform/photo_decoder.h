// The platform's picture decoders: a photo file's bytes to 32-bit pixels.
// On Windows these are the system's own (the Windows Imaging Component), so
// the game carries no decoder of its own; the headless platform decodes one
// plain test format so that the whole import runs in native tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

struct PhotoSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Given the size the picture's first frame reports, before a single pixel is
// decoded: false refuses the picture, true sets *decoded to the size to
// decode to (1 .. the reported size on each side; smaller is scaled down).
using PhotoSizeChoice = std::function<bool(PhotoSize reported, PhotoSize* decoded)>;

enum class PhotoDecode {
    kDecoded,     // *pixels holds the picture
    kNotAPicture, // no decoder takes the bytes, or they are damaged
    kRefusedSize, // choose said no
};

// Called by the photo import with the whole file: the first frame (an
// animated picture's first picture) as blue, green, red, alpha bytes (alpha
// not premultiplied), top row first, 4 x size->width bytes a row, scaled to
// the size choose gave. Any pixel format the decoders know is converted.
PhotoDecode DecodePhoto(const uint8_t* data, size_t size, const PhotoSizeChoice& choose,
                        PhotoSize* decodedSize, std::vector<uint8_t>* pixels);

} // namespace platform
