// The smooth scaler's loops: the wide ones give the plain ones' pixels bit
// for bit, over every start, end and weight, and read nothing past a row's
// end (the rows here are exactly as long as they say, so the address checker
// would stop a read beyond). Every width this processor has is checked.
#include "platform/blend_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

// Bytes that are often 0 or 255, where a lane would first overflow.
std::vector<uint8_t> RandomBytes(std::mt19937& random, size_t count) {
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes) {
        const uint32_t r = random();
        b = (r & 3) == 0 ? 255 : (r & 3) == 1 ? 0 : static_cast<uint8_t>(r >> 8);
    }
    return bytes;
}

uint32_t RandomWeight(std::mt19937& random) {
    const uint32_t r = random() % 260;
    return r >= 256 ? (r == 256 ? 0 : 255) : r;
}

using blend_rows::Lanes;

// The wide widths this build and processor can run.
std::vector<Lanes> WideLanes() {
    std::vector<Lanes> lanes;
    for (const Lanes wide : {Lanes::kTwo, Lanes::kFour})
        if (wide <= blend_rows::Widest())
            lanes.push_back(wide);
    return lanes;
}

void CheckBlendingRows(Lanes lanes) {
    std::mt19937 random(7);
    for (const int32_t rowPixels : {1, 2, 3, 4, 5, 6, 7, 17, 1024}) {
        for (int trial = 0; trial < 60; ++trial) {
            const std::vector<uint8_t> upper = RandomBytes(random, 3 * size_t(rowPixels));
            const std::vector<uint8_t> lower = RandomBytes(random, 3 * size_t(rowPixels));
            const int32_t first = int32_t(random() % rowPixels);
            // Every fifth ends at the row's last pixel, where reads could overrun.
            const int32_t last =
                trial % 5 == 0 ? rowPixels - 1 : first + int32_t(random() % (rowPixels - first));
            const uint32_t weight = trial % 7 == 0 ? 0 : RandomWeight(random);
            std::vector<uint64_t> fast(size_t(rowPixels) + 2, ~0ull);
            std::vector<uint64_t> plain(fast);
            blend_rows::BlendRowsAt(lanes, upper.data(), lower.data(), weight, fast.data(), first,
                                    last, rowPixels);
            blend_rows::BlendRowsAt(Lanes::kOne, upper.data(), lower.data(), weight, plain.data(),
                                    first, last, rowPixels);
            ASSERT_EQ(fast, plain)
                << rowPixels << " pixels, " << first << ".." << last << ", weight " << weight;
        }
    }
}

void CheckBlendingColumns(Lanes lanes) {
    std::mt19937 random(11);
    constexpr int32_t kBlended = 300;
    for (int trial = 0; trial < 200; ++trial) {
        // Spread pixels as BlendRows leaves them: three lanes of 0 to 255,
        // and one pixel more than the taps name, as the scaler keeps.
        std::vector<uint64_t> blended(kBlended + 1);
        const std::vector<uint8_t> channels = RandomBytes(random, 3 * (kBlended + 1));
        for (int32_t i = 0; i <= kBlended; ++i)
            blended[i] = uint64_t{channels[3 * i]} | uint64_t{channels[3 * i + 1]} << 16 |
                         uint64_t{channels[3 * i + 2]} << 32;
        const int32_t columns = 1 + int32_t(random() % 400);
        std::vector<blend_rows::ColumnTap> taps(columns);
        std::vector<uint64_t> weights(columns);
        for (int32_t c = 0; c < columns; ++c) {
            // Some at the edge, where the second is the first, unweighed.
            const int32_t first = random() % 8 == 0 ? kBlended - 1 : int32_t(random() % kBlended);
            taps[c] = first == kBlended - 1
                          ? blend_rows::ColumnTap{first, first, 0}
                          : blend_rows::ColumnTap{first, first + 1, RandomWeight(random)};
            weights[c] = blend_rows::LaneWeight(taps[c].weight);
        }
        const int32_t from = int32_t(random() % columns);
        const int32_t to = from + 1 + int32_t(random() % (columns - from));
        std::vector<uint32_t> fast(columns, 0xDEADBEEF);
        std::vector<uint32_t> plain(fast);
        blend_rows::BlendColumnsAt(lanes, blended.data(), taps.data(), weights.data(), fast.data(),
                                   from, to);
        blend_rows::BlendColumnsAt(Lanes::kOne, blended.data(), taps.data(), weights.data(),
                                   plain.data(), from, to);
        ASSERT_EQ(fast, plain) << "columns " << from << ".." << to;
    }
}

} // namespace

TEST(BlendRows, BlendingTwoRowsMatchesThePlainLoopToTheRowsEnd) {
    for (const Lanes lanes : WideLanes()) {
        SCOPED_TRACE(testing::Message() << "lanes " << static_cast<int>(lanes));
        CheckBlendingRows(lanes);
    }
}

// The wide blends take shortcuts through the arithmetic; every pair of
// channel values at every weight checks them whole. Pixel i of the upper row
// holds (i % 256, i / 256, 255 - i % 256), the lower one the same swapped.
TEST(BlendRows, EveryPairOfValuesAtEveryWeightBlendsAsPlain) {
    constexpr int32_t kPixels = 256 * 256;
    std::vector<uint8_t> upper(3 * kPixels), lower(3 * kPixels);
    for (int32_t i = 0; i < kPixels; ++i) {
        const uint8_t low = uint8_t(i % 256), high = uint8_t(i / 256);
        const uint8_t upperPixel[] = {low, high, uint8_t(255 - low)};
        const uint8_t lowerPixel[] = {high, low, uint8_t(255 - high)};
        std::copy(upperPixel, upperPixel + 3, upper.begin() + 3 * i);
        std::copy(lowerPixel, lowerPixel + 3, lower.begin() + 3 * i);
    }
    std::vector<uint64_t> fast(kPixels), plain(kPixels);
    for (const Lanes lanes : WideLanes())
        for (uint32_t weight = 0; weight < 256; ++weight) {
            blend_rows::BlendRowsAt(lanes, upper.data(), lower.data(), weight, fast.data(), 0,
                                    kPixels - 1, kPixels);
            blend_rows::BlendRowsAt(Lanes::kOne, upper.data(), lower.data(), weight, plain.data(),
                                    0, kPixels - 1, kPixels);
            ASSERT_EQ(fast, plain) << int(lanes) << " lanes, weight " << weight;
        }
}

TEST(BlendRows, BlendingColumnsMatchesThePlainLoopForAnyTaps) {
    for (const Lanes lanes : WideLanes()) {
        SCOPED_TRACE(testing::Message() << "lanes " << static_cast<int>(lanes));
        CheckBlendingColumns(lanes);
    }
}
