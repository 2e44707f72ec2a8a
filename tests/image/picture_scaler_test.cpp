// The game's own scaler: whole factors repeat pixels exactly, other sizes
// blend neighbours without drifting colours, and a block scaled alone is
// the same as that block of the whole picture scaled.
#include "platform/picture_scaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int32_t kWidth = 1024;
constexpr int32_t kHeight = 768;
constexpr int32_t kStride = kWidth * 3;

// A picture with a different colour in every pixel, stored bottom row first.
std::vector<uint8_t> Pattern() {
    std::vector<uint8_t> pixels(kStride * kHeight);
    for (int32_t y = 0; y < kHeight; ++y) {
        uint8_t* row = pixels.data() + (kHeight - 1 - y) * kStride;
        for (int32_t x = 0; x < kWidth; ++x) {
            row[3 * x] = static_cast<uint8_t>(x * 7 + y);
            row[3 * x + 1] = static_cast<uint8_t>(y * 3);
            row[3 * x + 2] = static_cast<uint8_t>(x ^ y);
        }
    }
    return pixels;
}

uint32_t PixelAt(const std::vector<uint8_t>& pixels, int32_t x, int32_t y) {
    const uint8_t* p = pixels.data() + (kHeight - 1 - y) * kStride + 3 * x;
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
}

struct Output {
    int32_t width, height;
    std::vector<uint32_t> pixels;
    Output(int32_t w, int32_t h) : width(w), height(h), pixels(size_t(w) * h, 0xDEADBEEF) {}
    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * width + x]; }
};

Output ScaleWhole(const CPictureScaler& scaler, const std::vector<uint8_t>& source, int32_t w,
                  int32_t h) {
    Output out(w, h);
    scaler.Scale(source.data(), kStride, out.pixels.data(), w, scaler.Fit().area);
    return out;
}

} // namespace

TEST(PictureScaler, WholeFactorsRepeatEachPixelExactly) {
    const std::vector<uint8_t> source = Pattern();
    // 1:1 at the window's corner and between bands, 2x with bands, and 3x.
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1366, 768}, std::pair{3840, 2160},
                               std::pair{3072, 2304}}) {
        CPictureScaler scaler;
        scaler.SetFit(FitPicture(w, h, kWidth, kHeight));
        ASSERT_FALSE(scaler.Fit().IsSmooth());
        const Output out = ScaleWhole(scaler, source, w, h);
        const RECT& area = scaler.Fit().area;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            for (int32_t x = area.left; x < area.right; ++x) {
                const POINT p = ClientToPicture(scaler.Fit(), x, y);
                ASSERT_EQ(out.at(x, y), PixelAt(source, p.x, p.y)) << x << "," << y;
            }
        }
        // The bands are not touched.
        if (area.left > 0) {
            EXPECT_EQ(out.at(area.left - 1, area.top), 0xDEADBEEFu);
        }
    }
}

TEST(PictureScaler, SmoothScalingKeepsFlatColoursAndStaysBetweenNeighbours) {
    std::vector<uint8_t> flat(kStride * kHeight);
    for (size_t i = 0; i < flat.size(); i += 3) {
        flat[i] = 0x12;
        flat[i + 1] = 0x9A;
        flat[i + 2] = 0xF0;
    }
    const std::vector<uint8_t> pattern = Pattern();
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{800, 600}, std::pair{1, 1}}) {
        CPictureScaler scaler;
        scaler.SetFit(FitPicture(w, h, kWidth, kHeight));
        ASSERT_TRUE(scaler.Fit().IsSmooth());
        const RECT& area = scaler.Fit().area;
        const Output plain = ScaleWhole(scaler, flat, w, h);
        for (int32_t y = area.top; y < area.bottom; y += 11)
            for (int32_t x = area.left; x < area.right; x += 13)
                ASSERT_EQ(plain.at(x, y), 0xF09A12u) << x << "," << y;
        // The green channel rises with the row (3 a row): each output row's
        // green lies between its neighbouring picture rows'.
        const Output out = ScaleWhole(scaler, pattern, w, h);
        for (int32_t y = area.top; y < area.bottom; y += 17) {
            const POINT p = ClientToPicture(scaler.Fit(), area.left, y);
            const int32_t green = (out.at(area.left, y) >> 8) & 0xFF;
            const int32_t lowest = ((std::max<int32_t>(p.y - 1, 0) * 3) & 0xFF);
            const int32_t highest = ((std::min<int32_t>(p.y + 1, kHeight - 1) * 3) & 0xFF);
            if (lowest <= highest) {
                EXPECT_GE(green, lowest) << "row " << y;
                EXPECT_LE(green, highest) << "row " << y;
            }
        }
    }
}

TEST(PictureScaler, SmoothScalingFollowsARampAtEachPixelsMiddle) {
    // Blue rises by 4 a column, green by 4 a row: blending a straight ramp
    // gives the ramp's value at the client pixel's middle, mapped back.
    std::vector<uint8_t> ramp(kStride * kHeight);
    for (int32_t y = 0; y < kHeight; ++y) {
        uint8_t* row = ramp.data() + (kHeight - 1 - y) * kStride;
        for (int32_t x = 0; x < kWidth; ++x) {
            row[3 * x] = static_cast<uint8_t>(4 * (x % 64));
            row[3 * x + 1] = static_cast<uint8_t>(4 * (y % 64));
        }
    }
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{800, 600}}) {
        CPictureScaler scaler;
        scaler.SetFit(FitPicture(w, h, kWidth, kHeight));
        const PictureFit& fit = scaler.Fit();
        const Output out = ScaleWhole(scaler, ramp, w, h);
        for (int32_t i = 1; i < fit.AreaWidth() * 60 / kWidth; ++i) {
            const double u = (i + 0.5) * kWidth / fit.AreaWidth() - 0.5;
            const int32_t blue = out.at(fit.area.left + i, fit.area.top + 5) & 0xFF;
            EXPECT_NEAR(blue, 4 * u, 1.0) << w << "x" << h << " column " << i;
        }
        for (int32_t j = 1; j < fit.AreaHeight() * 60 / kHeight; ++j) {
            const double v = (j + 0.5) * kHeight / fit.AreaHeight() - 0.5;
            const int32_t green = (out.at(fit.area.left + 5, fit.area.top + j) >> 8) & 0xFF;
            EXPECT_NEAR(green, 4 * v, 1.0) << w << "x" << h << " row " << j;
        }
    }
}

TEST(PictureScaler, ABlockScaledAloneMatchesTheWholePictureScaled) {
    const std::vector<uint8_t> source = Pattern();
    const RECT changes[] = {{0, 0, 1, 1}, {300, 200, 360, 290}, {1000, 700, 1024, 768}};
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{3840, 2160}, std::pair{800, 600}}) {
        CPictureScaler scaler;
        scaler.SetFit(FitPicture(w, h, kWidth, kHeight));
        const Output whole = ScaleWhole(scaler, source, w, h);
        std::vector<RECT> blocks;
        for (const RECT& r : changes)
            blocks.push_back(PictureToClient(scaler.Fit(), r));
        // A block that starts and ends inside a picture pixel's client pixels.
        const RECT& area = scaler.Fit().area;
        blocks.push_back({area.left + 601, area.top + 401, area.left + 733, area.top + 555});
        for (const RECT& block : blocks) {
            Output part(w, h);
            scaler.Scale(source.data(), kStride, part.pixels.data(), w, block);
            for (int32_t y = 0; y < h; y += (y < block.top - 2 || y > block.bottom + 2) ? 29 : 1) {
                for (int32_t x = 0; x < w; ++x) {
                    const bool inside =
                        x >= block.left && x < block.right && y >= block.top && y < block.bottom;
                    ASSERT_EQ(part.at(x, y), inside ? whole.at(x, y) : 0xDEADBEEFu)
                        << w << "x" << h << " at " << x << "," << y;
                }
            }
        }
    }
}
