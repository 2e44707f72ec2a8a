#include "photos/exif_orientation.h"

#include <cstring>

namespace photos {

namespace {

constexpr uint16_t kOrientationTag = 274;
constexpr uint16_t kShortType = 3;
// A JPEG's metadata comes before its first scan; a camera never puts it
// further in, so the search stops here whatever the file claims.
constexpr size_t kMarkerSearchLimit = 1 << 20;

// Bounds-checked reads of a TIFF block in its own byte order.
class TiffBlock {
public:
    TiffBlock(const uint8_t* bytes, size_t size) : data(bytes), length(size) {}

    bool Begin() {
        if (length < 8)
            return false;
        if (data[0] == 'I' && data[1] == 'I')
            bigEndian = false;
        else if (data[0] == 'M' && data[1] == 'M')
            bigEndian = true;
        else
            return false;
        uint16_t magic = 0;
        return Read16(2, &magic) && magic == 42;
    }
    bool Read16(size_t at, uint16_t* out) const {
        if (at > length || length - at < 2)
            return false;
        *out = bigEndian ? static_cast<uint16_t>(data[at] << 8 | data[at + 1])
                         : static_cast<uint16_t>(data[at + 1] << 8 | data[at]);
        return true;
    }
    bool Read32(size_t at, uint32_t* out) const {
        uint16_t first = 0, second = 0;
        if (!Read16(at, &first) || !Read16(at + 2, &second))
            return false;
        *out = bigEndian ? (uint32_t{first} << 16 | second) : (uint32_t{second} << 16 | first);
        return true;
    }

private:
    const uint8_t* data;
    size_t length;
    bool bigEndian = false;
};

Orientation FromTiff(const uint8_t* bytes, size_t size) {
    TiffBlock tiff(bytes, size);
    uint32_t directory = 0;
    uint16_t entries = 0;
    if (!tiff.Begin() || !tiff.Read32(4, &directory) || !tiff.Read16(directory, &entries))
        return Orientation::kUpright;
    for (uint32_t i = 0; i < entries; ++i) {
        const size_t entry = size_t{directory} + 2 + 12 * size_t{i};
        uint16_t tag = 0, type = 0, value = 0;
        uint32_t count = 0;
        if (!tiff.Read16(entry, &tag) || !tiff.Read16(entry + 2, &type) ||
            !tiff.Read32(entry + 4, &count) || !tiff.Read16(entry + 8, &value))
            return Orientation::kUpright;
        if (tag != kOrientationTag)
            continue;
        if (type != kShortType || count != 1 || value < 1 || value > 8)
            return Orientation::kUpright;
        return static_cast<Orientation>(value);
    }
    return Orientation::kUpright;
}

uint32_t BigEndian32(const uint8_t* at) {
    return uint32_t{at[0]} << 24 | uint32_t{at[1]} << 16 | uint32_t{at[2]} << 8 | at[3];
}

Orientation FromJpeg(const uint8_t* data, size_t size) {
    static const uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
    size_t at = 2; // after the start-of-image marker
    const size_t end = size < kMarkerSearchLimit ? size : kMarkerSearchLimit;
    while (at + 4 <= end) {
        if (data[at] != 0xFF)
            return Orientation::kUpright;
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) { // fill byte before a marker
            ++at;
            continue;
        }
        // Start of scan or end of image: no metadata after this.
        if (marker == 0xDA || marker == 0xD9)
            return Orientation::kUpright;
        const size_t length = size_t{data[at + 2]} << 8 | data[at + 3];
        if (length < 2 || length > size - at - 2)
            return Orientation::kUpright;
        const uint8_t* segment = data + at + 4;
        const size_t segmentSize = length - 2;
        if (marker == 0xE1 && segmentSize >= sizeof kExifHeader &&
            std::memcmp(segment, kExifHeader, sizeof kExifHeader) == 0)
            return FromTiff(segment + sizeof kExifHeader, segmentSize - sizeof kExifHeader);
        at += 2 + length;
    }
    return Orientation::kUpright;
}

Orientation FromPng(const uint8_t* data, size_t size) {
    size_t at = 8; // after the signature
    while (at + 12 <= size) {
        const size_t length = BigEndian32(data + at);
        if (length > size - at - 12)
            return Orientation::kUpright;
        const uint8_t* type = data + at + 4;
        if (std::memcmp(type, "eXIf", 4) == 0)
            return FromTiff(data + at + 8, length);
        // The metadata may stand anywhere before the pixels end.
        if (std::memcmp(type, "IEND", 4) == 0)
            return Orientation::kUpright;
        at += 12 + length;
    }
    return Orientation::kUpright;
}

} // namespace

Orientation ReadExifOrientation(const uint8_t* data, size_t size) {
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data == nullptr)
        return Orientation::kUpright;
    if (size >= 4 && data[0] == 0xFF && data[1] == 0xD8)
        return FromJpeg(data, size);
    if (size >= sizeof kPngSignature && std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0)
        return FromPng(data, size);
    return Orientation::kUpright;
}

} // namespace photos
