// CDIBImage: creation, file reading (and refusing), pixel addressing.
#include "diag/log_switch.h"
#include "image/dib_image.h"
#include "image/image_bytes.h"
#include "support/memory_file.h"
#include "support/temp_dir.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using Messages = std::vector<std::string>;

} // namespace

TEST(DIBImage, CreateOfAnImpossibleSizeFailsAndLeavesNoPicture) {
    CDIBImage image(4, 4);
    EXPECT_FALSE(image.Create(-1, 5));
    EXPECT_EQ(image.Info(), nullptr);
    EXPECT_EQ(image.Pixels(), nullptr);
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(image.PixelAddress(0, 0), nullptr);
    EXPECT_FALSE(image.Create(0x7FFFFFFF, 0x7FFFFFFF));
    EXPECT_TRUE(image.Create(2, 2));
    EXPECT_NE(image.PixelAddress(1, 1), nullptr);
}

TEST(DIBImage, LoadReadsBottomUpRowsFromTheCurrentPosition) {
    Bytes bytes = {0xAA, 0xBB, 0xCC};
    const Bytes picture = EncodePictureFile(5, 3, PatternColour);
    bytes.insert(bytes.end(), picture.begin(), picture.end());
    MemoryFile file(bytes);
    ASSERT_TRUE(file.Seek(3, 0));
    CDIBImage image(32, 32);
    ASSERT_TRUE(image.Load(file));
    EXPECT_EQ(image.GetWidth(), 5);
    EXPECT_EQ(image.GetHeight(), 3);
    EXPECT_EQ(image.ByteSize(), 48u);
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            uint32_t colour = 1;
            ASSERT_TRUE(image.GetPixel(x, y, &colour));
            EXPECT_EQ(colour, PatternColour(x, y)) << x << "," << y;
        }
    }
    // The top-left pixel is the first pixel of the last stored row.
    EXPECT_EQ(image.PixelAddress(0, 0), image.Pixels() + 32);
}

TEST(DIBImage, LoadTakesPixelsFromOffset54WhateverTheHeaderSays) {
    // An 8-bit 4 x 2 file with its colour table: the table is read as
    // pixels, because the in-memory image only knows 24-bit pictures.
    MemoryFile file(SectionFile(4, 2, 8, 256));
    CDIBImage image(32, 32);
    ASSERT_TRUE(image.Load(file));
    ASSERT_EQ(image.ByteSize(), 24u);
    for (size_t i = 0; i < 24; ++i)
        EXPECT_EQ(image.Pixels()[i], static_cast<uint8_t>(i + 1));
    EXPECT_EQ(file.Tell(), 54 + 24);
}

TEST(DIBImage, LoadRefusesImpossibleSizesAndShortFilesWithoutTouchingThePicture) {
    const Bytes good = EncodePictureFile(6, 4, PatternColour);
    struct Damage {
        const char* what;
        size_t offset; // 0: truncate to `value` bytes instead of patching
        uint32_t value;
    };
    const Damage damages[] = {
        {"zero width", 18, 0},
        {"zero height", 22, 0},
        {"negative width", 18, 0xFFFFFFFA},
        {"negative height (top-down)", 22, 0xFFFFFFFC},
        {"huge width", 18, 0x7FFFFFFF},
        {"huge height", 22, 0x40000000},
        {"more rows than the file holds", 22, 5},
        {"last pixel byte missing", 0, static_cast<uint32_t>(good.size() - 1)},
        {"no pixels at all", 0, 54},
        {"info header cut short", 0, 30},
        {"file header cut short", 0, 10},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        Bytes bytes = good;
        if (damage.offset == 0)
            bytes.resize(damage.value);
        else
            PutField32(bytes, damage.offset, damage.value);
        // Into an image that already holds a picture, which must stay.
        CDIBImage image(3, 2);
        FillImage(image, PatternColour);
        const uint8_t* oldPixels = image.Pixels();
        MemoryFile file(bytes);
        EXPECT_FALSE(image.Load(file));
        EXPECT_EQ(image.Pixels(), oldPixels);
        EXPECT_EQ(image.GetWidth(), 3);
        EXPECT_EQ(image.GetHeight(), 2);
        uint32_t colour = 0;
        EXPECT_TRUE(image.GetPixel(2, 1, &colour));
        EXPECT_EQ(colour, PatternColour(2, 1));
    }
}

// The damaged files LoadRefuses... and LoadFromMemory... both try.
Bytes Damaged(const Bytes& good, size_t offset, uint32_t value) {
    Bytes bytes = good;
    if (offset == 0)
        bytes.resize(value);
    else
        PutField32(bytes, offset, value);
    return bytes;
}

TEST(DIBImage, LoadFromMemoryAcceptsAndRefusesWhatLoadDoes) {
    const Bytes good = EncodePictureFile(6, 4, PatternColour);
    Bytes offset = SectionFile(4, 2, 8, 256);
    Bytes wrongSignature = good;
    wrongSignature[1] = 'M';
    const Bytes inputs[] = {
        good,
        offset,
        wrongSignature,
        Bytes{'V'},
        Bytes{'V', '1'},
        Bytes{},
        Damaged(good, 18, 0),
        Damaged(good, 22, 0xFFFFFFFC),
        Damaged(good, 22, 0x40000000),
        Damaged(good, 22, 5),
        Damaged(good, 0, static_cast<uint32_t>(good.size() - 1)),
        Damaged(good, 0, 54),
        Damaged(good, 0, 30),
        Damaged(good, 0, 13),
    };
    int index = 0;
    for (const Bytes& bytes : inputs) {
        SCOPED_TRACE(index++);
        CDIBImage fromFile(3, 2);
        CDIBImage fromMemory(3, 2);
        FillImage(fromFile, PatternColour);
        FillImage(fromMemory, PatternColour);
        MemoryFile file(bytes);
        ScopedLogSwitch on(1);
        const size_t before = LoggedMessages().size();
        const bool loaded = fromFile.Load(file);
        const size_t between = LoggedMessages().size();
        EXPECT_EQ(fromMemory.LoadFromMemory(bytes.data(), bytes.size()), loaded);
        const Messages all = LoggedMessages();
        const Messages fileLog(all.begin() + static_cast<ptrdiff_t>(before),
                               all.begin() + static_cast<ptrdiff_t>(between));
        const Messages memoryLog(all.begin() + static_cast<ptrdiff_t>(between), all.end());
        EXPECT_EQ(memoryLog, fileLog);
        EXPECT_EQ(fromMemory.GetWidth(), fromFile.GetWidth());
        EXPECT_EQ(fromMemory.GetHeight(), fromFile.GetHeight());
        ASSERT_EQ(fromMemory.ByteSize(), fromFile.ByteSize());
        EXPECT_EQ(0, std::memcmp(fromMemory.Info(), fromFile.Info(), sizeof(DibInfo)));
        // A picture read holds the file's bytes, row padding included; one
        // refused keeps its pixels (its padding was never set).
        if (loaded) {
            EXPECT_EQ(0, std::memcmp(fromMemory.Pixels(), fromFile.Pixels(), fromFile.ByteSize()));
            continue;
        }
        for (int32_t y = 0; y < fromFile.GetHeight(); ++y) {
            for (int32_t x = 0; x < fromFile.GetWidth(); ++x) {
                uint32_t colour = 0;
                EXPECT_TRUE(fromMemory.GetPixel(x, y, &colour));
                EXPECT_EQ(colour, PatternColour(x, y));
            }
        }
    }
}

TEST(DIBImage, APictureOfTheSameSizeIsReadIntoTheOldPixelsUnlessTheyWereHandedOut) {
    const Bytes first = EncodePictureFile(6, 4, PatternColour);
    auto inverse = [](int32_t x, int32_t y) { return 0xFFFFFF ^ PatternColour(x, y); };
    const Bytes second = EncodePictureFile(6, 4, inverse);
    CDIBImage image(32, 32);
    ASSERT_TRUE(image.LoadFromMemory(first.data(), first.size()));
    const DibInfo* info = image.Info();
    ASSERT_TRUE(image.LoadFromMemory(second.data(), second.size()));
    // Read in place: the same blocks hold the new picture.
    EXPECT_EQ(image.Info(), info);
    uint32_t colour = 0;
    ASSERT_TRUE(image.GetPixel(5, 3, &colour));
    EXPECT_EQ(colour, inverse(5, 3));
    // A refused picture leaves the one read in place whole.
    const Bytes cut = Damaged(first, 0, static_cast<uint32_t>(first.size() - 1));
    EXPECT_FALSE(image.LoadFromMemory(cut.data(), cut.size()));
    ASSERT_TRUE(image.GetPixel(0, 0, &colour));
    EXPECT_EQ(colour, inverse(0, 0));
    // Pixels someone holds a pointer to are left to them.
    const uint8_t* handedOut = image.Pixels();
    ASSERT_TRUE(image.LoadFromMemory(first.data(), first.size()));
    EXPECT_NE(image.Pixels(), handedOut);
    ASSERT_TRUE(image.GetPixel(5, 3, &colour));
    EXPECT_EQ(colour, PatternColour(5, 3));
}

TEST(DIBImage, LoadFileLogsOpenAndLoadFailures) {
    ScopedTempDir dir(true);
    ScopedLogSwitch on(1);
    CDIBImage image(32, 32);
    EXPECT_FALSE(image.LoadFile(dir.File("missing.dat")));

    // An ordinary bitmap, and one whose signature is right by half.
    for (const char* signature : {"BM", "V2"}) {
        Bytes bytes = EncodePictureFile(2, 2, PatternColour);
        bytes[0] = static_cast<uint8_t>(signature[0]);
        bytes[1] = static_cast<uint8_t>(signature[1]);
        WriteAll(dir.File("other.dat"), bytes);
        EXPECT_FALSE(image.LoadFile(dir.File("other.dat"))) << signature;
    }

    Bytes truncated = EncodePictureFile(2, 2, PatternColour);
    truncated.pop_back();
    WriteAll(dir.File("short.dat"), truncated);
    EXPECT_FALSE(image.LoadFile(dir.File("short.dat")));
    EXPECT_EQ(image.GetWidth(), 32);

    EXPECT_EQ(LoggedMessages(),
              (Messages{"Failed to open file", "Not a bitmap file", "Failed to load file",
                        "Not a bitmap file", "Failed to load file", "Failed to load file"}));

    WriteAll(dir.File("good.dat"), EncodePictureFile(7, 1, PatternColour));
    EXPECT_TRUE(image.LoadFile(dir.File("good.dat")));
    uint32_t colour = 0;
    EXPECT_TRUE(image.GetPixel(6, 0, &colour));
    EXPECT_EQ(colour, PatternColour(6, 0));
    EXPECT_EQ(LoggedMessages().size(), 6u);
}

TEST(DIBImage, PixelReadsOutsideThePictureFailWithColourZero) {
    ScopedTempDir dir(true);
    ScopedLogSwitch on(1);
    CDIBImage image(4, 3);
    FillImage(image, PatternColour);
    const int32_t outside[][2] = {{4, 0}, {0, 3}, {-1, 0}, {0, -1}, {-2147483647 - 1, 1}};
    for (const auto& xy : outside) {
        uint32_t colour = 0x123456;
        EXPECT_FALSE(image.GetPixel(xy[0], xy[1], &colour));
        EXPECT_EQ(colour, 0u);
        colour = 0x123456;
        EXPECT_FALSE(image.GetMirroredPixel(xy[0], xy[1], &colour));
        EXPECT_EQ(colour, 0u);
        EXPECT_EQ(image.PixelAddress(xy[0], xy[1]), nullptr);
        EXPECT_EQ(image.MirroredPixelAddress(xy[0], xy[1]), nullptr);
    }
    EXPECT_EQ(LoggedMessages(), Messages(10, "Out of range pixel coords"));
}

TEST(DIBImage, MirroredReadsCountColumnsFromTheRight) {
    CDIBImage image(5, 2);
    FillImage(image, PatternColour);
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            uint32_t mirrored = 0;
            uint32_t plain = 0;
            ASSERT_TRUE(image.GetMirroredPixel(x, y, &mirrored));
            ASSERT_TRUE(image.GetPixel(4 - x, y, &plain));
            EXPECT_EQ(mirrored, plain);
            EXPECT_EQ(image.MirroredPixelAddress(x, y), image.PixelAddress(4 - x, y));
        }
    }
}

TEST(DIBImage, AttachWrapsForeignPixelsWithoutOwningThem) {
    CDIBImage source(3, 2);
    FillImage(source, PatternColour);
    Bytes foreign(source.Pixels(), source.Pixels() + source.ByteSize());
    DibInfo info = *source.Info();
    {
        CDIBImage image(8, 8);
        EXPECT_FALSE(image.Attach(nullptr, foreign.data()));
        EXPECT_FALSE(image.Attach(&info, nullptr));
        ASSERT_TRUE(image.Attach(&info, foreign.data()));
        info.header.width = 99; // the image keeps its own copy of the info
        EXPECT_EQ(image.GetWidth(), 3);
        EXPECT_EQ(image.GetHeight(), 2);
        EXPECT_EQ(image.Pixels(), foreign.data());
        uint32_t colour = 0;
        EXPECT_TRUE(image.GetPixel(2, 1, &colour));
        EXPECT_EQ(colour, PatternColour(2, 1));
        // Loading replaces the wrapped pixels with owned ones and leaves the
        // foreign buffer alone (the sanitizer would catch a wrong free).
        MemoryFile file(EncodePictureFile(2, 2, PatternColour));
        EXPECT_TRUE(image.Load(file));
        EXPECT_NE(image.Pixels(), foreign.data());
        ASSERT_TRUE(image.Attach(source.Info(), foreign.data()));
    }
    EXPECT_EQ(foreign[0], source.Pixels()[0]);
}
