// CopyTo and CopyMirroredTo against a plain per-pixel reference over many
// sizes, offsets, strides and keys, and with blocks partly or wholly outside
// either picture.
#include "image/dib_image.h"
#include "image/image_bytes.h"
#include "image/run_moves.h"
#include "support/memory_file.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr uint32_t kMagenta = kTransparentColour;

bool Inside(const CDIBImage& image, int64_t x, int64_t y) {
    return x >= 0 && y >= 0 && x < image.GetWidth() && y < image.GetHeight();
}

// The copy pixel by pixel, through the public pixel reads: every pixel whose
// source and destination both lie inside their pictures and whose colour is
// not the key is copied; nothing else is touched.
void ReferenceCopy(const CDIBImage& src, CDIBImage& dest, int32_t destX, int32_t destY,
                   int32_t width, int32_t height, int32_t srcX, int32_t srcY, uint32_t key,
                   bool mirrored) {
    // Only the loop bounds are narrowed (so that huge blocks finish); every
    // pixel is still checked on its own.
    const int64_t firstI = std::max<int64_t>({0, -int64_t{srcX}, -int64_t{destX}});
    const int64_t firstJ = std::max<int64_t>({0, -int64_t{srcY}, -int64_t{destY}});
    const int64_t endI = std::min<int64_t>(width, firstI + src.GetWidth() + dest.GetWidth());
    const int64_t endJ = std::min<int64_t>(height, firstJ + src.GetHeight() + dest.GetHeight());
    for (int64_t j = firstJ; j < endJ; ++j) {
        for (int64_t i = firstI; i < endI; ++i) {
            const int64_t sx = srcX + i, sy = srcY + j, dx = destX + i, dy = destY + j;
            if (!Inside(src, sx, sy) || !Inside(dest, dx, dy))
                continue;
            // GetPixel leaves the source's kept runs alone; PixelAddress
            // would make the copies under test fall back to comparing.
            uint32_t colour = 0;
            const int32_t x = static_cast<int32_t>(sx), y = static_cast<int32_t>(sy);
            if (mirrored)
                src.GetMirroredPixel(x, y, &colour);
            else
                src.GetPixel(x, y, &colour);
            if (colour == key)
                continue;
            uint8_t* to = dest.PixelAddress(static_cast<int32_t>(dx), static_cast<int32_t>(dy));
            to[0] = static_cast<uint8_t>(colour >> 16);
            to[1] = static_cast<uint8_t>(colour >> 8);
            to[2] = static_cast<uint8_t>(colour);
        }
    }
}

// Colours that keep the compare honest: the key itself, colours one bit
// away from it in each byte, and arbitrary ones.
uint32_t TrickyColour(std::mt19937& random, uint32_t key) {
    switch (random() % 6) {
    case 0:
    case 1:
        return key & 0xFFFFFF;
    case 2:
        return (key ^ (1u << (random() % 24))) & 0xFFFFFF;
    default:
        return random() & 0xFFFFFF;
    }
}

void FillRandom(CDIBImage& image, std::mt19937& random, uint32_t key) {
    FillImage(image, [&](int32_t, int32_t) { return TrickyColour(random, key); });
}

// A source picture read from a file, as the game's sprites are (so its
// keyed copies may reuse the runs they find). Rows alternate between key
// pixels scattered at random and runs of random length.
void LoadRandom(CDIBImage& image, int32_t width, int32_t height, std::mt19937& random,
                uint32_t key) {
    std::vector<uint32_t> colours;
    for (int32_t y = 0; y < height; ++y) {
        const bool scattered = random() % 2 == 0;
        bool inKey = random() % 2 == 0;
        int32_t left = 0;
        for (int32_t x = 0; x < width; ++x, --left) {
            if (left <= 0) {
                inKey = !inKey;
                left = 1 + static_cast<int32_t>(random() % 30);
            }
            uint32_t colour = TrickyColour(random, key);
            if (!scattered)
                colour = inKey ? key & 0xFFFFFF : (colour == key ? colour ^ 1 : colour);
            colours.push_back(colour);
        }
    }
    MemoryFile file(EncodePictureFile(width, height, [&](int32_t x, int32_t y) {
        return colours[static_cast<size_t>(y * width + x)];
    }));
    ASSERT_TRUE(image.Load(file));
}

// Whole buffers, padding included: the copy must not touch row padding.
Bytes Buffer(const CDIBImage& image) {
    return Bytes(image.Pixels(), image.Pixels() + image.ByteSize());
}

struct Scenario {
    int32_t destX, destY, width, height, srcX, srcY;
    uint32_t key;
    bool mirrored;
};

// Runs the scenario on fresh copies of the same source and destination,
// once through the product and once through the reference, and compares.
void ExpectSameAsReference(const CDIBImage& src, const CDIBImage& dest, const Scenario& s) {
    CDIBImage actual(dest.GetWidth(), dest.GetHeight());
    CDIBImage expected(dest.GetWidth(), dest.GetHeight());
    // Padding included: it is undefined after Create.
    std::copy(dest.Pixels(), dest.Pixels() + dest.ByteSize(), actual.Pixels());
    std::copy(dest.Pixels(), dest.Pixels() + dest.ByteSize(), expected.Pixels());
    if (s.mirrored)
        src.CopyMirroredTo(&actual, s.destX, s.destY, s.width, s.height, s.srcX, s.srcY, s.key);
    else
        src.CopyTo(&actual, s.destX, s.destY, s.width, s.height, s.srcX, s.srcY, s.key);
    ReferenceCopy(src, expected, s.destX, s.destY, s.width, s.height, s.srcX, s.srcY, s.key,
                  s.mirrored);
    ASSERT_EQ(Buffer(actual), Buffer(expected))
        << "dest " << s.destX << "," << s.destY << " size " << s.width << "x" << s.height << " src "
        << s.srcX << "," << s.srcY << " key " << std::hex << s.key
        << (s.mirrored ? " mirrored" : "") << " images " << std::dec << src.GetWidth() << "x"
        << src.GetHeight() << " -> " << dest.GetWidth() << "x" << dest.GetHeight();
}

} // namespace

// Runs the body once with the processor's widest moves and once with the
// 16-byte moves every x86-64 processor has.
class DIBImageCopyMoves : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { ChooseRunMoves(GetParam() ? WidestRunMoves() : RunMoveWidth::kNarrow); }
    void TearDown() override { ChooseRunMoves(RunMoveWidth::kNarrow); }
};

INSTANTIATE_TEST_SUITE_P(WideAndNarrow, DIBImageCopyMoves, ::testing::Bool());

TEST_P(DIBImageCopyMoves, MatchesThePerPixelCopyForEveryWidthOffsetAndKey) {
    std::mt19937 random(20240611);
    const uint32_t keys[] = {kNoColourKey, kMagenta, 0x000000, 0x123456};
    for (int32_t width = 1; width <= 67; ++width) {
        for (const uint32_t key : keys) {
            const int32_t height = 1 + static_cast<int32_t>(random() % 4);
            CDIBImage src(32, 32);
            // A picture that did not load would leave nothing to pick blocks from.
            ASSERT_NO_FATAL_FAILURE(LoadRandom(src, width + static_cast<int32_t>(random() % 5),
                                               height + static_cast<int32_t>(random() % 3), random,
                                               key));
            CDIBImage dest(width + static_cast<int32_t>(random() % 7), height + 2);
            FillRandom(dest, random, key);
            // Copies from pixels handed out (PixelAddress) cannot keep runs
            // or a mirror image, and compare as they go.
            for (const bool handedOut : {false, true}) {
                for (const bool mirrored : {false, true}) {
                    if (handedOut)
                        src.PixelAddress(0, 0);
                    const Scenario s{
                        static_cast<int32_t>(random() % (dest.GetWidth() - width + 1)),
                        static_cast<int32_t>(random() % 3),
                        width,
                        height,
                        static_cast<int32_t>(random() % (src.GetWidth() - width + 1)),
                        static_cast<int32_t>(random() % (src.GetHeight() - height + 1)),
                        key,
                        mirrored};
                    ExpectSameAsReference(src, dest, s);
                }
            }
        }
    }
}

TEST_P(DIBImageCopyMoves, BlocksReachingOutsideEitherPictureCopyOnlyTheOverlap) {
    std::mt19937 random(7);
    CDIBImage src(32, 32);
    ASSERT_NO_FATAL_FAILURE(LoadRandom(src, 13, 9, random, kMagenta));
    CDIBImage dest(11, 7);
    FillRandom(dest, random, kMagenta);
    const int32_t big = 0x7FFFFFFF;
    const Scenario scenarios[] = {
        {-3, -2, 8, 6, 0, 0, kMagenta, false},
        {5, 4, 20, 20, 2, 1, kNoColourKey, false},
        {0, 0, 5, 5, -4, -1, kNoColourKey, false},
        {2, 2, 6, 6, 10, 6, kMagenta, false},
        {-big, -big, big, big, 0, 0, kNoColourKey, false},
        {0, 0, big, big, -big, -big, kMagenta, false},
        {big, big, big, big, big, big, kNoColourKey, false},
        {3, 3, -5, 4, 0, 0, kNoColourKey, false},
        {3, 3, 4, -5, 0, 0, kMagenta, true},
        {-3, -2, 8, 6, 0, 0, kMagenta, true},
        {5, 4, 20, 20, 2, 1, kNoColourKey, true},
        {0, 0, 5, 5, -4, -1, kNoColourKey, true},
        {2, 2, 6, 6, 10, 6, kMagenta, true},
        {0, 0, big, big, -big, -big, kMagenta, true},
        {11, 0, 4, 4, 0, 0, kNoColourKey, false},
        {0, 0, 4, 4, 13, 0, kNoColourKey, true},
    };
    for (const Scenario& s : scenarios)
        ExpectSameAsReference(src, dest, s);
}

TEST(DIBImageCopy, NullOrEmptyImagesAreLeftAlone) {
    CDIBImage src(4, 4);
    FillImage(src, PatternColour);
    src.CopyTo(nullptr, 0, 0, 4, 4, 0, 0, kNoColourKey);
    src.CopyMirroredTo(nullptr, 0, 0, 4, 4, 0, 0, kMagenta);
    CDIBImage broken(2, 2);
    EXPECT_FALSE(broken.Create(-1, -1));
    src.CopyTo(&broken, 0, 0, 4, 4, 0, 0, kNoColourKey);
    broken.CopyTo(&src, 0, 0, 4, 4, 0, 0, kNoColourKey);
    uint32_t colour = 0;
    src.GetPixel(3, 3, &colour);
    EXPECT_EQ(colour, PatternColour(3, 3));
}

TEST(DIBImageCopy, KeptRunsFollowEveryChangeOfTheSourcePixels) {
    // One row of 20 cells of 8 pixels: long runs, as in a sprite. Bit c of a
    // mask stands for cell c.
    constexpr int32_t kCell = 8;
    constexpr int32_t kWidth = 20 * kCell;
    const uint32_t grey = 0x808080;
    auto picture = [&](uint32_t keyCells) {
        return EncodePictureFile(kWidth, 1, [&, keyCells](int32_t x, int32_t) {
            return (keyCells >> (x / kCell)) & 1 ? kMagenta : grey;
        });
    };
    // The cells a keyed copy onto black changes, as a mask; for a mirrored
    // copy given as the cells of the picture it took them from (cell c lands
    // where cell 19 - c was).
    auto cellsCopied = [&](const CDIBImage& src, bool mirrored) {
        CDIBImage dest(kWidth, 1);
        FillImage(dest, [](int32_t, int32_t) { return 0u; });
        if (mirrored)
            src.CopyMirroredTo(&dest, 0, 0, kWidth, 1, 0, 0, kMagenta);
        else
            src.CopyTo(&dest, 0, 0, kWidth, 1, 0, 0, kMagenta);
        uint32_t copied = 0;
        for (int32_t x = 0; x < kWidth; ++x) {
            uint32_t colour = 0;
            dest.GetPixel(x, 0, &colour);
            const int32_t cell = mirrored ? 19 - x / kCell : x / kCell;
            copied |= (colour != 0 ? 1u : 0u) << cell;
        }
        return copied;
    };
    auto copiedCells = [&](const CDIBImage& src) { return cellsCopied(src, false); };
    auto mirroredCells = [&](const CDIBImage& src) { return cellsCopied(src, true); };
    CDIBImage sprite(32, 32);
    MemoryFile first(picture(0xFF00F));
    ASSERT_TRUE(sprite.Load(first));
    EXPECT_EQ(copiedCells(sprite), 0x00FF0u);
    EXPECT_EQ(mirroredCells(sprite), 0x00FF0u);

    // Loading another picture replaces the runs and the mirror image, also
    // when it is read into the same pixels.
    MemoryFile second(picture(0x0F0F0));
    ASSERT_TRUE(sprite.Load(second));
    EXPECT_EQ(copiedCells(sprite), 0xF0F0Fu);
    EXPECT_EQ(mirroredCells(sprite), 0xF0F0Fu);
    const Bytes third = picture(0x0F0F1);
    ASSERT_TRUE(sprite.LoadFromMemory(third.data(), third.size()));
    EXPECT_EQ(mirroredCells(sprite), 0xF0F0Eu);
    EXPECT_EQ(copiedCells(sprite), 0xF0F0Eu);
    EXPECT_FALSE(sprite.LoadFromMemory(third.data(), third.size() - 1));
    EXPECT_EQ(mirroredCells(sprite), 0xF0F0Eu);
    MemoryFile secondAgain(picture(0x0F0F0));
    ASSERT_TRUE(sprite.Load(secondAgain));

    // Drawing into the picture changes what later copies take from it.
    CDIBImage patch(kCell, 1);
    FillImage(patch, [&](int32_t, int32_t) { return grey; });
    patch.CopyTo(&sprite, 4 * kCell, 0, kCell, 1, 0, 0, kNoColourKey);
    EXPECT_EQ(mirroredCells(sprite), 0xF0F1Fu);
    EXPECT_EQ(copiedCells(sprite), 0xF0F1Fu);
    patch.CopyMirroredTo(&sprite, 12 * kCell, 0, kCell, 1, 0, 0, kMagenta);
    EXPECT_EQ(mirroredCells(sprite), 0xF1F1Fu);
    EXPECT_EQ(copiedCells(sprite), 0xF1F1Fu);

    // So does writing through a pixel address, even long after it was
    // handed out.
    uint8_t* keyPixel = sprite.PixelAddress(5 * kCell, 0);
    EXPECT_EQ(copiedCells(sprite), 0xF1F1Fu);
    std::memset(keyPixel, 0x80, 3);
    EXPECT_EQ(copiedCells(sprite), 0xF1F3Fu);
    std::memset(keyPixel, 0, 3);
    EXPECT_EQ(copiedCells(sprite), 0xF1F1Fu);
}

TEST(DIBImageCopy, AMirroredCopyOntoItsOwnPictureReadsWhatItHasAlreadyWritten) {
    constexpr int32_t kWidth = 24, kHeight = 6;
    std::mt19937 random(5);
    const Bytes file = EncodePictureFile(
        kWidth, kHeight, [&](int32_t, int32_t) { return TrickyColour(random, kMagenta); });
    const struct {
        int32_t destX, destY, width, height, srcX, srcY;
    } blocks[] = {{2, 1, 20, 4, 3, 2}, {0, 0, 24, 6, 0, 0}, {5, 2, 12, 3, 1, 1}};
    for (const auto& b : blocks) {
        CDIBImage picture(32, 32);
        MemoryFile input(file);
        ASSERT_TRUE(picture.Load(input));
        picture.CopyMirroredTo(&picture, b.destX, b.destY, b.width, b.height, b.srcX, b.srcY,
                               kMagenta);
        // The documented walk on the file's own rows: the block's bottom
        // row first, the source stepping left as the destination steps
        // right, each pixel read as it stands when its turn comes.
        Bytes expected(file.begin() + 54, file.end());
        const int32_t stride = DibStride(kWidth);
        for (int32_t k = 0; k < b.height; ++k) {
            const int32_t sy = b.srcY + b.height - 1 - k, dy = b.destY + b.height - 1 - k;
            const uint8_t* s =
                expected.data() + (kHeight - 1 - sy) * stride + 3 * (kWidth - 1 - b.srcX);
            uint8_t* d = expected.data() + (kHeight - 1 - dy) * stride + 3 * b.destX;
            for (int32_t i = 0; i < b.width; ++i, s -= 3, d += 3)
                if ((uint32_t{s[0]} << 16 | uint32_t{s[1]} << 8 | s[2]) != kMagenta)
                    std::memmove(d, s, 3);
        }
        EXPECT_EQ(Buffer(picture), expected) << b.destX << "," << b.destY;
    }
}
