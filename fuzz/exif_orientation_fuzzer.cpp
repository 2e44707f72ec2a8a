// Arbitrary bytes as a player's photo, read for its orientation tag as the
// photo import does before decoding. Besides the sanitizers it checks the
// outcome is one of the eight orientations, and that the answer depends only
// on the bytes given.
#include "photos/exif_orientation.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the given size, so a read past the end is caught.
    const std::vector<uint8_t> bytes(data, data + size);
    const int32_t first = static_cast<int32_t>(photos::ReadExifOrientation(bytes.data(), size));
    if (first < 1 || first > 8)
        std::abort();
    if (static_cast<int32_t>(photos::ReadExifOrientation(bytes.data(), size)) != first)
        std::abort();
    return 0;
}
