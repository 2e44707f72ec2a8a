// The system's decoders through the platform seam: the size is offered for
// judgement before decoding, a smaller size is scaled by WIC, the pixels
// come as 32-bit BGRA, and bytes that are no picture are refused.
#include "platform/photo_decoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Windows runs little-endian, as the file wants its numbers.
template <typename T> void Put(std::vector<uint8_t>& out, T value) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

// A 24-bit BMP of width x height whose left half is red and right half blue.
std::vector<uint8_t> SplitBmp(int width, int height) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    std::vector<uint8_t> out = {'B', 'M'};
    // File header: size, reserved, pixels' offset; then the 40-byte info
    // header: its size, width, height, planes, bits, and six zero fields.
    for (const uint32_t field : {54 + stride * height, 0u, 54u, 40u})
        Put(out, field);
    Put(out, int32_t{width});
    Put(out, int32_t{height});
    Put(out, uint16_t{1});
    Put(out, uint16_t{24});
    out.resize(out.size() + 24, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            out.push_back(left ? 0 : 255); // blue
            out.push_back(0);
            out.push_back(left ? 255 : 0); // red
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

TEST(PhotoDecoderWin32, OffersTheSizeFirstAndScalesToTheSizeChosen) {
    const std::vector<uint8_t> bmp = SplitBmp(200, 100);
    platform::PhotoSize offered;
    platform::PhotoSize decoded;
    std::vector<uint8_t> pixels;
    const auto half = [&](platform::PhotoSize reported, platform::PhotoSize* size) {
        offered = reported;
        *size = {reported.width / 2, reported.height / 2};
        return true;
    };
    ASSERT_EQ(platform::DecodePhoto(bmp.data(), bmp.size(), half, &decoded, &pixels),
              platform::PhotoDecode::kDecoded);
    EXPECT_EQ(offered.width, 200);
    EXPECT_EQ(offered.height, 100);
    EXPECT_EQ(decoded.width, 100);
    EXPECT_EQ(decoded.height, 50);
    ASSERT_EQ(pixels.size(), 100u * 50 * 4);
    // Top-left is red, bottom-right blue, both opaque, as B, G, R, A.
    EXPECT_EQ(pixels[0], 0);
    EXPECT_EQ(pixels[2], 255);
    EXPECT_EQ(pixels[3], 255);
    const uint8_t* last = pixels.data() + pixels.size() - 4;
    EXPECT_EQ(last[0], 255);
    EXPECT_EQ(last[2], 0);
}

TEST(PhotoDecoderWin32, RefusesWhatIsNoPictureAndWhatTheChoiceRefuses) {
    platform::PhotoSize decoded;
    std::vector<uint8_t> pixels;
    bool asked = false;
    const auto refuse = [&](platform::PhotoSize, platform::PhotoSize*) {
        asked = true;
        return false;
    };
    const std::vector<uint8_t> bmp = SplitBmp(80, 80);
    EXPECT_EQ(platform::DecodePhoto(bmp.data(), bmp.size(), refuse, &decoded, &pixels),
              platform::PhotoDecode::kRefusedSize);
    EXPECT_TRUE(asked);
    asked = false;
    const char text[] = "a letter, not a picture";
    EXPECT_EQ(platform::DecodePhoto(reinterpret_cast<const uint8_t*>(text), sizeof text, refuse,
                                    &decoded, &pixels),
              platform::PhotoDecode::kNotAPicture);
    EXPECT_FALSE(asked);
    EXPECT_EQ(platform::DecodePhoto(nullptr, 0, refuse, &decoded, &pixels),
              platform::PhotoDecode::kNotAPicture);
}

} // namespace
