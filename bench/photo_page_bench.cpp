// Making a photo page from a photo the system has already decoded: the
// 12-megapixel phone photo size (4032 x 3024, 32-bit, as the decoder hands it
// over), cropped and scaled into its frame, then cut into pieces and every
// piece's four pictures drawn. Together they must stay under 100 ms.
#include "game/screen_layout.h"
#include "photos/page_cut.h"
#include "photos/photo_frame.h"
#include "photos/photo_pixels.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int32_t kWidth = 4032;
constexpr int32_t kHeight = 3024;

// A decoded photo with smooth colour changes and some detail.
const std::vector<uint8_t>& Photo() {
    static const std::vector<uint8_t> pixels = [] {
        std::vector<uint8_t> out(static_cast<size_t>(kWidth) * kHeight * 4);
        size_t at = 0;
        for (int32_t y = 0; y < kHeight; ++y)
            for (int32_t x = 0; x < kWidth; ++x, at += 4) {
                out[at] = static_cast<uint8_t>(x / 16 + ((x ^ y) & 7));
                out[at + 1] = static_cast<uint8_t>(y / 12);
                out[at + 2] = static_cast<uint8_t>((x + y) / 28);
                out[at + 3] = 255;
            }
        return out;
    }();
    return pixels;
}

photos::DecodedPhoto Decoded(photos::Orientation* orientation, int64_t sideways) {
    *orientation = sideways ? photos::Orientation::kTurnedLeft : photos::Orientation::kUpright;
    return {Photo().data(), kWidth, kHeight, static_cast<size_t>(kWidth) * 4,
            photos::PixelLayout::kBgra32};
}

const photos::Image& Background() {
    static const photos::Image background(kScreenWidth, kScreenHeight, photos::Rgb{180, 150, 110});
    return background;
}

// The frame picture alone: args {sideways}.
void BM_FramePicture(benchmark::State& state) {
    photos::Orientation orientation;
    const photos::DecodedPhoto photo = Decoded(&orientation, state.range(0));
    const photos::Box frame =
        photos::SwapsSides(orientation) ? photos::kPortraitFrame : photos::kLandscapeFrame;
    for (auto _ : state) {
        photos::Image picture = photos::FramePicture(photo, orientation, frame.w, frame.h);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_FramePicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The cut alone, from the frame picture: args {pieces}.
void BM_CutPage(benchmark::State& state) {
    photos::Orientation orientation;
    const photos::DecodedPhoto photo = Decoded(&orientation, 0);
    const photos::Box frame = photos::kLandscapeFrame;
    const photos::Image picture = photos::FramePicture(photo, orientation, frame.w, frame.h);
    for (auto _ : state) {
        photos::CutPage page = photos::CutPhotoPage(picture, Background(), frame,
                                                    static_cast<int32_t>(state.range(0)), 12345);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_CutPage)->Arg(4)->Arg(9)->Arg(16)->Unit(benchmark::kMillisecond);

// The whole page from the decoded photo: args {pieces, sideways}.
void BM_PhotoPage(benchmark::State& state) {
    photos::Orientation orientation;
    const photos::DecodedPhoto photo = Decoded(&orientation, state.range(1));
    for (auto _ : state) {
        const photos::Box frame =
            photos::SwapsSides(orientation) ? photos::kPortraitFrame : photos::kLandscapeFrame;
        const photos::Image picture = photos::FramePicture(photo, orientation, frame.w, frame.h);
        photos::CutPage page = photos::CutPhotoPage(picture, Background(), frame,
                                                    static_cast<int32_t>(state.range(0)), 12345);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_PhotoPage)->Args({4, 0})->Args({16, 0})->Args({16, 1})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
