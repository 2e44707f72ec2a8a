// The GDI-free half of the DIB-section reader: what it accepts, what it
// refuses before GDI ever sees the header, and the pixel byte counts.
#include "image/image_bytes.h"
#include "image/section_header.h"
#include "support/memory_file.h"

#include <gtest/gtest.h>

namespace {

SectionHeaderRead Read(const Bytes& bytes, SectionHeaderBlock& block) {
    MemoryFile file(bytes);
    return ReadSectionHeader(file, block);
}

} // namespace

TEST(SectionHeader, ReadsTheBlockUpToThePixelsClearsTheColourCountsAndKeepsTheCompression) {
    const Bytes bytes = SectionFile(4, 2, 8, 256, 6);
    MemoryFile file(bytes);
    SectionHeaderBlock block;
    ASSERT_EQ(ReadSectionHeader(file, block), SectionHeaderRead::kOk);
    EXPECT_EQ(block.length, 40u + 1024 + 6);
    EXPECT_EQ(file.Tell(), 54 + 1024 + 6); // at the pixels
    for (size_t i = 24; i < 40; ++i)
        EXPECT_EQ(block.bytes[i], 0) << i;
    for (size_t i = 40; i < block.length; ++i)
        EXPECT_EQ(block.bytes[i], bytes[14 + i]) << i;
    EXPECT_TRUE(SectionIsUncompressed(block.bytes.get()));
    SectionHeaderBlock runLength;
    ASSERT_EQ(Read(Patched(bytes, 30, 1), runLength), SectionHeaderRead::kOk);
    EXPECT_FALSE(SectionIsUncompressed(runLength.bytes.get()));
}

TEST(SectionHeader, AShortColourTableIsFollowedByZerosNotByWhateverLiesBeyond) {
    // Two of 256 entries: the rest of the table reads as black.
    SectionHeaderBlock block;
    ASSERT_EQ(Read(SectionFile(4, 2, 8, 2), block), SectionHeaderRead::kOk);
    EXPECT_EQ(block.length, 48u);
    for (size_t i = 40; i < 48; ++i)
        EXPECT_EQ(block.bytes[i], i - 39);
    for (size_t i = 48; i < 40 + 1024; ++i)
        ASSERT_EQ(block.bytes[i], 0) << i;
}

TEST(SectionHeader, RefusesFilesWhoseHeaderCannotBeRead) {
    struct Case {
        const char* what;
        Bytes bytes;
        SectionHeaderRead expected;
    };
    const Bytes good = SectionFile(4, 2, 24, 0);
    Bytes bm = good;
    bm[0] = 'B';
    bm[1] = 'M';
    const Case cases[] = {
        {"empty file", Bytes{}, SectionHeaderRead::kShortFileHeader},
        {"13 bytes", Bytes(bm.begin(), bm.begin() + 13), SectionHeaderRead::kShortFileHeader},
        {"BM signature", bm, SectionHeaderRead::kWrongSignature},
        {"offset 53", Patched(good, 10, 53), SectionHeaderRead::kBlockTooShort},
        {"offset 0", Patched(good, 10, 0), SectionHeaderRead::kBlockTooShort},
        {"offset past the end", Patched(good, 10, static_cast<uint32_t>(good.size() + 1)),
         SectionHeaderRead::kBlockPastEnd},
        {"offset near 4 GB", Patched(good, 10, 0xFFFFFFF0u), SectionHeaderRead::kBlockPastEnd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SectionHeaderBlock block;
        EXPECT_EQ(Read(c.bytes, block), c.expected);
        EXPECT_EQ(block.bytes, nullptr);
    }
}

TEST(SectionHeader, PixelBytesAreWholeWordsPerRowTimesTheRows) {
    struct Case {
        int32_t width, height;
        uint16_t bitCount;
        uint32_t bytes;
    };
    const Case cases[] = {
        {127, 64, 1, 16 * 64},  {32, 3, 1, 4 * 3},      {33, 3, 1, 8 * 3}, {127, 64, 4, 64 * 64},
        {127, 64, 8, 128 * 64}, {1, 1, 24, 4},          {4, 2, 24, 24},    {127, -64, 8, 128 * 64},
        {5, 5, 32, 100},        {320, 240, 16, 153600},
    };
    for (const Case& c : cases) {
        const Bytes file = SectionFile(c.width, c.height, c.bitCount, 0);
        uint32_t bytes = 1;
        EXPECT_EQ(ComputeSectionPixelBytes(file.data() + 14, &bytes), SectionMetrics::kOk);
        EXPECT_EQ(bytes, c.bytes) << c.width << "x" << c.height << "x" << c.bitCount;
    }
}

TEST(SectionHeader, MetricsRefuseOtherHeadersAndImpossibleSizes) {
    for (const uint32_t size : {12u, 64u, 108u, 124u, 0u}) {
        const Bytes file = Patched(SectionFile(4, 2, 24, 0), 14, size);
        uint32_t bytes = 1;
        EXPECT_EQ(ComputeSectionPixelBytes(file.data() + 14, &bytes),
                  SectionMetrics::kNotWindowsHeader)
            << size;
        EXPECT_EQ(bytes, 0u);
    }
    struct Case {
        int32_t width, height;
        uint16_t bitCount;
    };
    const Case bad[] = {{0, 5, 24},
                        {-127, 64, 1},
                        {5, 0, 24},
                        {5, 5, 0},
                        {3000000, 2000000, 24},
                        {0x7FFFFFFF, 1, 32},
                        {0x7FFFFFFF, 1, 0xFFFF},
                        {1, -2147483647 - 1, 24}};
    for (const Case& c : bad) {
        Bytes file(54, 0);
        PutField32(file, 14, 40);
        PutField32(file, 18, static_cast<uint32_t>(c.width));
        PutField32(file, 22, static_cast<uint32_t>(c.height));
        file[28] = static_cast<uint8_t>(c.bitCount);
        file[29] = static_cast<uint8_t>(c.bitCount >> 8);
        uint32_t bytes = 1;
        EXPECT_EQ(ComputeSectionPixelBytes(file.data() + 14, &bytes), SectionMetrics::kBadSize)
            << c.width << "x" << c.height << "x" << c.bitCount;
        EXPECT_EQ(bytes, 0u);
    }
}
