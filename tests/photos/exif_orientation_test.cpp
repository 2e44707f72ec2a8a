// The orientation tag, read from phone photos of all eight orientations,
// from made-up files in both byte orders and from damaged ones.
#include "photos/exif_orientation.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using photos::Orientation;
using photos::ReadExifOrientation;

int Read(const Bytes& file) {
    return static_cast<int>(ReadExifOrientation(file.data(), file.size()));
}

// A TIFF block holding IFD0 with one entry (tag, type, count, value).
Bytes Tiff(bool bigEndian, uint16_t tag, uint16_t type, uint32_t count, uint16_t value) {
    auto put16 = [&](Bytes& out, uint16_t v) {
        out.push_back(static_cast<uint8_t>(bigEndian ? v >> 8 : v));
        out.push_back(static_cast<uint8_t>(bigEndian ? v : v >> 8));
    };
    auto put32 = [&](Bytes& out, uint32_t v) {
        put16(out, static_cast<uint16_t>(bigEndian ? v >> 16 : v));
        put16(out, static_cast<uint16_t>(bigEndian ? v : v >> 16));
    };
    Bytes out = bigEndian ? Bytes{'M', 'M'} : Bytes{'I', 'I'};
    put16(out, 42);
    put32(out, 8);
    put16(out, 2); // two entries: another tag first, then ours
    put16(out, 0x010F), put16(out, 2), put32(out, 4), put32(out, 0x41424300u);
    put16(out, tag), put16(out, type), put32(out, count), put16(out, value), put16(out, 0);
    put32(out, 0);
    return out;
}

Bytes Jpeg(const Bytes& tiff) {
    Bytes out = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 'J', 'F'}; // a tiny APP0 first
    const size_t length = tiff.size() + 8;
    out.insert(out.end(), {0xFF, 0xE1, static_cast<uint8_t>(length >> 8),
                           static_cast<uint8_t>(length), 'E', 'x', 'i', 'f', 0, 0});
    out.insert(out.end(), tiff.begin(), tiff.end());
    out.insert(out.end(), {0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9});
    return out;
}

Bytes Png(const Bytes& tiff) {
    Bytes out = {
        0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0,
        0,    0,   'I', 'H', 'D',  'R',  0,    0,    0, 0}; // an empty IHDR and its (unchecked) CRC
    const uint32_t length = static_cast<uint32_t>(tiff.size());
    out.insert(out.end(), {static_cast<uint8_t>(length >> 24), static_cast<uint8_t>(length >> 16),
                           static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length), 'e',
                           'X', 'I', 'f'});
    out.insert(out.end(), tiff.begin(), tiff.end());
    out.insert(out.end(), {0, 0, 0, 0});
    return out;
}

#ifdef VARNOLT_PHOTO_CORPUS
TEST(ExifOrientation, PhonePhotosOfEveryOrientation) {
    // Landscape_N carries orientation N; Landscape_0 carries 0, which is no
    // orientation at all, and shows as stored.
    for (int n = 0; n <= 8; ++n) {
        SCOPED_TRACE(n);
        const Bytes photo = ReadAll(std::string(VARNOLT_PHOTO_CORPUS) +
                                    "/exif-orientation/Landscape_" + std::to_string(n) + ".jpg");
        ASSERT_GT(photo.size(), 1000u);
        EXPECT_EQ(Read(photo), n == 0 ? 1 : n);
    }
}

TEST(ExifOrientation, PngExifChunk) {
    Bytes png = ReadAll(std::string(VARNOLT_PHOTO_CORPUS) + "/pngsuite/exif2c08.png");
    ASSERT_GT(png.size(), 100u);
    EXPECT_EQ(Read(png), 1);
    // Its orientation entry is the first of IFD0, big-endian: make it 8.
    const std::string text(png.begin(), png.end());
    const size_t entry = text.find("eXIf") + 4 + 10;
    ASSERT_EQ(png[entry], 0x01);
    ASSERT_EQ(png[entry + 1], 0x12);
    png[entry + 9] = 8;
    EXPECT_EQ(Read(png), 8);
}
#endif

TEST(ExifOrientation, BothByteOrdersInJpegAndPng) {
    for (const bool bigEndian : {false, true})
        for (uint16_t value = 1; value <= 8; ++value) {
            SCOPED_TRACE(std::to_string(bigEndian) + " " + std::to_string(value));
            EXPECT_EQ(Read(Jpeg(Tiff(bigEndian, 274, 3, 1, value))), value);
            EXPECT_EQ(Read(Png(Tiff(bigEndian, 274, 3, 1, value))), value);
        }
}

TEST(ExifOrientation, AnythingUnusualIsUpright) {
    EXPECT_EQ(Read(Jpeg(Tiff(false, 274, 3, 1, 0))), 1); // out of range
    EXPECT_EQ(Read(Jpeg(Tiff(false, 274, 3, 1, 9))), 1); // out of range
    EXPECT_EQ(Read(Jpeg(Tiff(false, 274, 4, 1, 6))), 1); // not a short
    EXPECT_EQ(Read(Jpeg(Tiff(false, 274, 3, 2, 6))), 1); // two values
    EXPECT_EQ(Read(Jpeg(Tiff(false, 275, 3, 1, 6))), 1); // another tag
    EXPECT_EQ(Read(Bytes{'B', 'M', 0, 0, 0, 0}), 1);     // not a photo
    EXPECT_EQ(Read(Bytes{}), 1);
    EXPECT_EQ(ReadExifOrientation(nullptr, 100), Orientation::kUpright);
    // The metadata after the first scan is not looked for.
    Bytes late = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02};
    const Bytes exif = Jpeg(Tiff(false, 274, 3, 1, 6));
    late.insert(late.end(), exif.begin() + 2, exif.end());
    EXPECT_EQ(Read(late), 1);
}

TEST(ExifOrientation, TruncatedAndDamagedFilesStayInBounds) {
    // Run under AddressSanitizer: every prefix, and every single damaged
    // byte, is read without a byte outside the file.
    for (const Bytes& file : {Jpeg(Tiff(true, 274, 3, 1, 6)), Png(Tiff(false, 274, 3, 1, 6))}) {
        const int whole = Read(file);
        EXPECT_EQ(whole, 6);
        for (size_t size = 0; size < file.size(); ++size) {
            const Bytes prefix(file.begin(), file.begin() + static_cast<ptrdiff_t>(size));
            const int got = Read(prefix);
            EXPECT_TRUE(got == 1 || got == 6) << size;
        }
        for (size_t at = 0; at < file.size(); ++at)
            for (const uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x7F}}) {
                Bytes damaged = file;
                damaged[at] = value;
                const int got = Read(damaged);
                EXPECT_TRUE(got >= 1 && got <= 8) << at;
            }
    }
}

} // namespace
