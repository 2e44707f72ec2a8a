// CDIBSection on GDI under Wine: drawing a picture 1:1, whole and in part,
// and each kind of refusal with its log lines. The corpus test draws the
// paletted and top-down pictures.
#include "diag/log_switch.h"
#include "image/image_bytes.h"
#include "image/win32/dib_section.h"
#include "image/win32/gdi_canvas.h"
#include "support/memory_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using Messages = std::vector<std::string>;
constexpr uint32_t kGrey = 0x404040;

bool ReadBytes(CDIBSection& section, const Bytes& bytes) {
    MemoryFile file(bytes);
    return section.ReadSection(file, nullptr);
}

void ExpectDrawn(const GdiCanvas& canvas, int32_t left, int32_t top, int32_t width, int32_t height,
                 const PixelSource& expected) {
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            ASSERT_EQ(canvas.Pixel(left + x, top + y), expected(x, y)) << x << "," << y;
}

} // namespace

TEST(DIBSection, Draws24BitPicturesWholeAndInPartsAtTheirOwnSize) {
    CDIBSection section;
    ASSERT_TRUE(ReadBytes(section, EncodePictureFile(50, 70, PatternColour)));
    ASSERT_NE(section.Bitmap(), nullptr);

    GdiCanvas canvas(100, 100, kGrey);
    const POINT origin{3, 4};
    ASSERT_TRUE(section.Draw(canvas.Dc(), &origin, nullptr));
    ExpectDrawn(canvas, 3, 4, 50, 70, PatternColour);
    EXPECT_EQ(canvas.Pixel(53, 4), kGrey);
    EXPECT_EQ(canvas.Pixel(3, 74), kGrey);
    EXPECT_EQ(canvas.Pixel(2, 3), kGrey);

    GdiCanvas part(100, 100, kGrey);
    const SourceRect block{10, 20, 30, 40};
    const POINT at{60, 50};
    ASSERT_TRUE(section.Draw(part.Dc(), &at, &block));
    ExpectDrawn(part, 60, 50, 30, 40,
                [](int32_t x, int32_t y) { return PatternColour(x + 10, y + 20); });
    EXPECT_EQ(part.Pixel(90, 50), kGrey);
    EXPECT_EQ(part.Pixel(60, 90), kGrey);
    EXPECT_EQ(GetStretchBltMode(part.Dc()), COLORONCOLOR);
}

TEST(DIBSection, RefusalsLogTheirLinesAndKeepWhatTheyShould) {
    ScopedTempDir dir(true);
    ScopedLogSwitch on(1);
    struct Case {
        const char* what;
        Bytes bytes;
        Messages lines;
        bool headerKept;
        bool bitmapKept;
    };
    const std::string prefix = "CDIBSection::ReadSection: ";
    const std::string sizeProblem = prefix + "BITMAPINFOHEADER size problem.";
    const std::string os2 =
        "CDIBSection::ComputeMetrics: Not a valid Windows bitmap -- probably an OS/2 bitmap";
    const Bytes good = EncodePictureFile(4, 4, PatternColour);
    Bytes bm = good;
    bm[0] = 'B';
    bm[1] = 'M';
    const Bytes rle = Patched(SectionFile(8, 8, 8, 256), 30, 1);
    const Bytes huge = Patched(Patched(good, 18, 3000000), 22, 2000000);
    const Bytes shortPixels(good.begin(), good.end() - 1);
    const Case cases[] = {
        {"13 bytes", Bytes(bm.begin(), bm.begin() + 13), {prefix + "Bad file read."}, false, false},
        {"BM signature", bm, {prefix + "Not the correct file type."}, false, false},
        {"run-length encoded", rle, {prefix + "Not an uncompressed format."}, true, false},
        // Log adds its own line end after the text's, hence the empty line.
        {"OS/2 header", Patched(good, 14, 12), {os2, "", sizeProblem}, true, false},
        {"pixel offset 40", Patched(good, 10, 40), {sizeProblem}, false, false},
        {"3000000 x 2000000", huge, {sizeProblem}, true, false},
        {"pixels one byte short", shortPixels, {prefix + "Bad bitmap image read."}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove("log.txt");
        CDIBSection section;
        EXPECT_FALSE(ReadBytes(section, c.bytes));
        EXPECT_EQ(LoggedMessages(), c.lines);
        EXPECT_EQ(section.Header() != nullptr, c.headerKept);
        EXPECT_EQ(section.Bitmap() != nullptr, c.bitmapKept);
        // Without a bitmap there is nothing to draw; a short read leaves a
        // bitmap with what arrived, which draws like any other.
        GdiCanvas canvas(4, 4, kGrey);
        const POINT origin{0, 0};
        EXPECT_EQ(section.Draw(canvas.Dc(), &origin, nullptr), c.bitmapKept);
        if (!c.bitmapKept) {
            EXPECT_EQ(canvas.Pixel(0, 0), kGrey);
        }
    }
}

TEST(DIBSection, DrawBeforeAnyPictureAndFreeLeaveNothingBehind) {
    ScopedTempDir dir(true);
    ScopedLogSwitch on(1);
    CDIBSection section;
    GdiCanvas canvas(4, 4, kGrey);
    const POINT origin{0, 0};
    EXPECT_FALSE(section.Draw(canvas.Dc(), &origin, nullptr));
    EXPECT_EQ(LoggedMessages(), Messages{"CDIBSection::Draw: No image to draw."});

    ASSERT_TRUE(ReadBytes(section, EncodePictureFile(4, 4, PatternColour)));
    const HBITMAP first = section.Bitmap();
    // A second read replaces the first picture; its bitmap is gone.
    ASSERT_TRUE(ReadBytes(section, EncodePictureFile(2, 2, PatternColour)));
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(section.Header()->biWidth, 2);
    const HBITMAP second = section.Bitmap();
    section.Free();
    EXPECT_EQ(section.Bitmap(), nullptr);
    EXPECT_EQ(section.Header(), nullptr);
    EXPECT_EQ(section.Pixels(), nullptr);
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_FALSE(section.Draw(canvas.Dc(), &origin, nullptr));
}
