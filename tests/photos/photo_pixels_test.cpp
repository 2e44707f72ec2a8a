// Turning a decoded photo upright, laying transparency over white, and
// cropping and scaling it into a frame.
#include "photo_test_support.h"
#include "photos/photo_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using photos::DecodedPhoto;
using photos::Image;
using photos::Orientation;
using photos::PixelLayout;
using photos::Rgb;

// The turns written out plainly, one at a time, to compose the eight cases.
Image TurnClockwise(const Image& in) {
    Image out(in.Height(), in.Width());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            out.At(x, y) = in.At(y, in.Height() - 1 - x);
    return out;
}
Image MirrorLeftRight(const Image& in) {
    Image out(in.Width(), in.Height());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            out.At(x, y) = in.At(in.Width() - 1 - x, y);
    return out;
}

// What a camera that stored `upright` with each orientation would store.
Image UprightAgain(const Image& stored, int orientation) {
    const Image right = TurnClockwise(stored);
    const Image half = TurnClockwise(right);
    const Image left = TurnClockwise(half);
    switch (orientation) {
    case 2:
        return MirrorLeftRight(stored);
    case 3:
        return half;
    case 4:
        return MirrorLeftRight(half);
    case 5:
        return MirrorLeftRight(right);
    case 6:
        return right;
    case 7:
        return MirrorLeftRight(left);
    case 8:
        return left;
    default:
        return stored;
    }
}

DecodedPhoto View(const std::vector<uint8_t>& bgra, int width, int height) {
    return {bgra.data(), width, height, static_cast<size_t>(width) * 4, PixelLayout::kBgra32};
}

int LargestDifference(const Image& a, const Image& b) {
    int largest = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const Rgb p = a.At(x, y), q = b.At(x, y);
            largest =
                std::max({largest, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
        }
    return largest;
}

TEST(PhotoPixels, EveryOrientationTurnsUpright) {
    const Image stored = PatternPicture(5, 3);
    const std::vector<uint8_t> bgra = AsBgra(stored);
    for (int o = 1; o <= 8; ++o) {
        SCOPED_TRACE(o);
        const Image expected = UprightAgain(stored, o);
        EXPECT_TRUE(photos::Turned(stored, static_cast<Orientation>(o)) == expected);
        EXPECT_TRUE(photos::UprightPicture(View(bgra, 5, 3), static_cast<Orientation>(o)) ==
                    expected);
    }
}

TEST(PhotoPixels, TransparencyLiesOverWhiteAndRowsMayBePadded) {
    // Three pixels: clear, half-covered black, opaque red; rows of 16 bytes.
    const std::vector<uint8_t> bgra = {0, 0, 0, 0, 0, 0, 0, 128, 0, 0, 255, 255, 9, 9,
                                       9, 9, 9, 9, 9, 9, 9, 9,   9, 9, 9,   9,   9, 9};
    const DecodedPhoto photo{bgra.data(), 3, 1, 16, PixelLayout::kBgra32};
    const Image out = photos::UprightPicture(photo, Orientation::kUpright);
    ASSERT_EQ(out.Width(), 3);
    EXPECT_TRUE(out.At(0, 0) == (Rgb{255, 255, 255}));
    EXPECT_TRUE(out.At(1, 0) == (Rgb{127, 127, 127}));
    EXPECT_TRUE(out.At(2, 0) == (Rgb{255, 0, 0}));
    const std::vector<uint8_t> bgr = {1, 2, 3, 4, 5, 6, 0, 0};
    const Image plain =
        photos::UprightPicture({bgr.data(), 2, 1, 8, PixelLayout::kBgr24}, Orientation::kUpright);
    EXPECT_TRUE(plain.At(1, 0) == (Rgb{6, 5, 4}));
}

TEST(PhotoPixels, UnreadablePhotosGiveNothing) {
    const std::vector<uint8_t> bgra(64, 0);
    EXPECT_EQ(photos::UprightPicture({nullptr, 4, 4, 16}, Orientation::kUpright).Width(), 0);
    EXPECT_EQ(photos::UprightPicture({bgra.data(), 4, 4, 12}, Orientation::kUpright).Width(), 0);
    EXPECT_EQ(photos::FramePicture({bgra.data(), 0, 4, 16}, Orientation::kUpright, 4, 3).Width(),
              0);
    EXPECT_EQ(photos::FramePicture({bgra.data(), 4, 4, 16}, Orientation::kUpright, 0, 3).Width(),
              0);
}

TEST(PhotoPixels, FrameTakesTheMiddleOfTheUprightPhoto) {
    // A wide photo: red outer thirds, blue middle. A square frame shows the
    // middle only; a frame as wide as the photo shows all three.
    Image wide(90, 30, Rgb{255, 0, 0});
    for (int y = 0; y < 30; ++y)
        for (int x = 30; x < 60; ++x)
            wide.At(x, y) = {0, 0, 255};
    const std::vector<uint8_t> bgra = AsBgra(wide);
    const Image square = photos::FramePicture(View(bgra, 90, 30), Orientation::kUpright, 20, 20);
    ASSERT_EQ(square.Width(), 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_TRUE(square.At(x, y) == (Rgb{0, 0, 255})) << x << "," << y;
    const Image all = photos::FramePicture(View(bgra, 90, 30), Orientation::kUpright, 9, 3);
    EXPECT_TRUE(all.At(0, 1) == (Rgb{255, 0, 0}));
    EXPECT_TRUE(all.At(4, 1) == (Rgb{0, 0, 255}));
    EXPECT_TRUE(all.At(8, 1) == (Rgb{255, 0, 0}));
}

TEST(PhotoPixels, ShrinkingAveragesAndEnlargingKeepsFlatColour) {
    Image pair(2, 1, Rgb{0, 0, 0});
    pair.At(1, 0) = {255, 255, 255};
    const std::vector<uint8_t> pairBgra = AsBgra(pair);
    Image square(2, 2, Rgb{0, 0, 0});
    square.At(1, 0) = square.At(1, 1) = {255, 255, 255};
    const std::vector<uint8_t> squareBgra = AsBgra(square);
    EXPECT_TRUE(
        photos::FramePicture(View(squareBgra, 2, 2), Orientation::kUpright, 1, 1).At(0, 0) ==
        (Rgb{128, 128, 128}));
    const std::vector<uint8_t> flat = AsBgra(Image(7, 5, Rgb{10, 200, 30}));
    for (const int size : {3, 5, 64}) {
        const Image out = photos::FramePicture(View(flat, 7, 5), Orientation::kUpright, size, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_TRUE(out.At(x, y) == (Rgb{10, 200, 30})) << size;
    }
    // Enlarging blends neighbours: a black-white edge gets greys between.
    const Image ramp = photos::FramePicture(View(pairBgra, 2, 1), Orientation::kUpright, 8, 1);
    EXPECT_TRUE(ramp.At(0, 0) == (Rgb{0, 0, 0}));
    EXPECT_TRUE(ramp.At(7, 0) == (Rgb{255, 255, 255}));
    EXPECT_GT(ramp.At(4, 0).r, ramp.At(3, 0).r);
    EXPECT_GT(ramp.At(3, 0).r, 0);
}

TEST(PhotoPixels, FramingAStoredPhotoEqualsFramingItUpright) {
    // Scaling happens before the turn; the result must not tell.
    const Image stored = PatternPicture(301, 207);
    const std::vector<uint8_t> bgra = AsBgra(stored);
    for (int o = 1; o <= 8; ++o) {
        SCOPED_TRACE(o);
        const Image upright = UprightAgain(stored, o);
        const std::vector<uint8_t> uprightBgra = AsBgra(upright);
        for (const auto& frame : {std::pair<int, int>{64, 48}, {48, 64}, {500, 300}}) {
            const Image direct = photos::FramePicture(
                View(bgra, 301, 207), static_cast<Orientation>(o), frame.first, frame.second);
            const Image viaUpright =
                photos::FramePicture(View(uprightBgra, upright.Width(), upright.Height()),
                                     Orientation::kUpright, frame.first, frame.second);
            ASSERT_EQ(direct.Width(), frame.first);
            ASSERT_EQ(direct.Height(), frame.second);
            EXPECT_LE(LargestDifference(direct, viaUpright), 1);
        }
    }
}

} // namespace
