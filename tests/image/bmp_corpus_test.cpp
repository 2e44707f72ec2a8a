// The bitmap corpus through the portable readers: every file is read or
// refused without harm, and the 24-bit files in our own layout give the
// pixels ImageMagick gives.
#include "image/bmp_corpus.h"
#include "image/dib_image.h"
#include "image/section_header.h"
#include "support/memory_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

std::vector<CorpusEntry> EntriesOrFail() {
    std::vector<CorpusEntry> entries = CorpusEntries();
    EXPECT_GE(entries.size(), 190u) << "No corpus expectations in " << CorpusExpectationsPath()
                                    << "; the build writes them with ImageMagick and Python.";
    return entries;
}

// All pixels of a loaded image against ImageMagick's.
void ExpectPixels(const CDIBImage& image, const CorpusEntry& entry) {
    ASSERT_EQ(image.GetWidth(), entry.width);
    ASSERT_EQ(image.GetHeight(), entry.height);
    const Bytes rgb = ExpectedRgb(entry);
    ASSERT_EQ(rgb.size(), 3u * static_cast<size_t>(entry.width) * entry.height);
    for (int32_t y = 0; y < entry.height; ++y) {
        for (int32_t x = 0; x < entry.width; ++x) {
            uint32_t colour = 0;
            ASSERT_TRUE(image.GetPixel(x, y, &colour));
            ASSERT_EQ(colour, ExpectedColour(rgb, entry.width, x, y)) << x << "," << y;
        }
    }
}

} // namespace

TEST(BmpCorpus, EveryFileIsReadOrRefusedByTheImageAndTheSectionHeader) {
    for (const CorpusEntry& entry : EntriesOrFail()) {
        SCOPED_TRACE(entry.path);
        const Bytes bytes = ConvertedCorpusFile(entry);
        {
            CDIBImage image(32, 32);
            MemoryFile file(bytes);
            if (image.Load(file)) {
                // Whatever it holds came from the file.
                EXPECT_LE(image.ByteSize() + 54, bytes.size());
                EXPECT_EQ(image.ByteSize(), static_cast<uint32_t>(DibStride(image.GetWidth())) *
                                                static_cast<uint32_t>(image.GetHeight()));
            } else {
                EXPECT_EQ(image.GetWidth(), 32);
            }
        }
        MemoryFile file(bytes);
        SectionHeaderBlock block;
        if (ReadSectionHeader(file, block) != SectionHeaderRead::kOk)
            continue;
        EXPECT_LE(block.length + 14, bytes.size());
        uint32_t pixelBytes = 0;
        if (SectionIsUncompressed(block.bytes.get()) &&
            ComputeSectionPixelBytes(block.bytes.get(), &pixelBytes) == SectionMetrics::kOk) {
            EXPECT_GT(pixelBytes, 0u);
        }
    }
}

TEST(BmpCorpus, TwentyFourBitFilesInOurLayoutGiveImageMagicksPixels) {
    ScopedTempDir dir;
    int compared = 0;
    for (const CorpusEntry& entry : EntriesOrFail()) {
        if (entry.kind != "image")
            continue;
        SCOPED_TRACE(entry.path);
        // Through a converted copy on disk, as the game reads its pictures.
        const std::string copy = dir.File("picture.dat");
        WriteAll(copy, ConvertedCorpusFile(entry));
        CDIBImage image(32, 32);
        const bool loaded = image.LoadFile(copy);
        if (entry.pixels == "refused") {
            EXPECT_FALSE(loaded) << "ImageMagick refuses this file";
            continue;
        }
        ASSERT_TRUE(loaded);
        ExpectPixels(image, entry);
        ++compared;
    }
    EXPECT_GE(compared, 3);
}
