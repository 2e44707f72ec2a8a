// The bitmap corpus through CDIBSection on GDI under Wine: every file is
// read or refused without harm, and the paletted files draw with the
// colours ImageMagick finds in them.
#include "image/bmp_corpus.h"
#include "image/win32/dib_section.h"
#include "image/win32/gdi_canvas.h"
#include "support/memory_file.h"

#include <gtest/gtest.h>

TEST(BmpCorpusSection, EveryFileIsReadOrRefusedAndPalettedFilesDrawTheirOwnColours) {
    const std::vector<CorpusEntry> entries = CorpusEntries();
    ASSERT_GE(entries.size(), 190u) << "No corpus expectations in " << CorpusExpectationsPath();
    int compared = 0;
    for (const CorpusEntry& entry : entries) {
        SCOPED_TRACE(entry.path);
        MemoryFile file(ConvertedCorpusFile(entry));
        CDIBSection section;
        const bool read = section.ReadSection(file, nullptr);
        if (entry.kind != "section" || entry.pixels == "refused")
            continue;
        ASSERT_TRUE(read) << "ImageMagick reads this file";
        const int32_t rows = std::abs(entry.height);
        GdiCanvas canvas(entry.width, rows, 0x123456);
        const POINT origin{0, 0};
        ASSERT_TRUE(section.Draw(canvas.Dc(), &origin, nullptr));
        const Bytes rgb = ExpectedRgb(entry);
        ASSERT_EQ(rgb.size(), 3u * static_cast<size_t>(entry.width) * rows);
        for (int32_t y = 0; y < rows; ++y)
            for (int32_t x = 0; x < entry.width; ++x)
                ASSERT_EQ(canvas.Pixel(x, y), ExpectedColour(rgb, entry.width, x, y))
                    << x << "," << y;
        ++compared;
    }
    EXPECT_GE(compared, 20);
}
