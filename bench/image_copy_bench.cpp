// Colour-keyed and opaque block copies of 24-bit pictures, against a plain
// row-by-row memcpy of the same bytes and against SDL2's own keyed blit (with
// and without its run-length acceleration), all on the same pixels in one
// process. Two shapes of key area: blobs (like the space around a puzzle
// piece) and single key pixels scattered at random; about 30% key either way.
#include "image/dib_image.h"
#include "image/run_moves.h"
#include "picture_writer.h"
#include "support/memory_file.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr uint32_t kKey = kTransparentColour;
constexpr int32_t kFrameWidth = 1024;
constexpr int32_t kFrameHeight = 768;
constexpr double kKeyShare = 0.30;

enum Shape { kBlobs, kScattered };
enum Size { kSprite, kFrame };

// Colour values of a picture; key pixels are kKey, the rest random colours.
std::vector<uint32_t> MakeColours(int32_t width, int32_t height, Shape shape) {
    std::mt19937 random(width * 7 + height + shape);
    std::vector<uint32_t> colours(static_cast<size_t>(width) * height);
    for (uint32_t& colour : colours) {
        colour = random() & 0xFFFFFF;
        if (colour == kKey)
            colour ^= 1;
    }
    const size_t wanted = static_cast<size_t>(kKeyShare * static_cast<double>(colours.size()));
    size_t keyed = 0;
    if (shape == kScattered) {
        while (keyed < wanted) {
            uint32_t& colour = colours[random() % colours.size()];
            keyed += colour != kKey;
            colour = kKey;
        }
        return colours;
    }
    // Discs of key colour, a tenth to a twentieth of the picture across.
    while (keyed < wanted) {
        const int32_t radius = width / 20 + static_cast<int32_t>(random() % (width / 20 + 1));
        const int32_t cx = static_cast<int32_t>(random() % width);
        const int32_t cy = static_cast<int32_t>(random() % height);
        for (int32_t y = std::max(0, cy - radius); y < std::min(height, cy + radius); ++y) {
            for (int32_t x = std::max(0, cx - radius); x < std::min(width, cx + radius); ++x) {
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > radius * radius)
                    continue;
                uint32_t& colour = colours[static_cast<size_t>(y) * width + x];
                keyed += colour != kKey;
                colour = kKey;
            }
        }
    }
    return colours;
}

// The picture's file bytes.
std::vector<uint8_t> EncodePicture(int32_t width, int32_t height,
                                   const std::vector<uint32_t>& colours) {
    return EncodePictureFile(width, height, [&](int32_t x, int32_t y) {
        return colours[static_cast<size_t>(y) * width + x];
    });
}

// One source picture in every form the contenders need, plus a frame to
// draw it into. Our image reads its pixels from a file, as sprites do.
struct Scene {
    int32_t width;
    int32_t height;
    std::vector<uint8_t> file;
    CDIBImage image{32, 32};
    CDIBImage frame{kFrameWidth, kFrameHeight};
    std::vector<uint8_t> sdlPixels;
    std::vector<uint8_t> sdlFramePixels;
    SDL_Surface* sdlSource = nullptr;
    SDL_Surface* sdlSourceRle = nullptr;
    SDL_Surface* sdlFrame = nullptr;

    Scene(Size size, Shape shape)
        : width(size == kSprite ? 200 : kFrameWidth), height(size == kSprite ? 200 : kFrameHeight),
          file(EncodePicture(width, height, MakeColours(width, height, shape))) {
        MemoryFile input(file);
        image.Load(input);
        std::memset(frame.Pixels(), 0x40, frame.ByteSize());
        sdlPixels.assign(file.begin() + 54, file.end());
        sdlFramePixels.assign(frame.ByteSize(), 0x40);
        const int pitch = DibStride(width);
        sdlSource = SDL_CreateRGBSurfaceWithFormatFrom(sdlPixels.data(), width, height, 24, pitch,
                                                       SDL_PIXELFORMAT_BGR24);
        sdlSourceRle = SDL_CreateRGBSurfaceWithFormatFrom(sdlPixels.data(), width, height, 24,
                                                          pitch, SDL_PIXELFORMAT_BGR24);
        sdlFrame =
            SDL_CreateRGBSurfaceWithFormatFrom(sdlFramePixels.data(), kFrameWidth, kFrameHeight, 24,
                                               DibStride(kFrameWidth), SDL_PIXELFORMAT_BGR24);
        // Our pixels are blue, green, red in memory; so are SDL's BGR24.
        const uint32_t sdlKey = SDL_MapRGB(sdlSource->format, 0xFF, 0x00, 0xFF);
        SDL_SetColorKey(sdlSource, SDL_TRUE, sdlKey);
        SDL_SetColorKey(sdlSourceRle, SDL_TRUE, sdlKey);
        SDL_SetSurfaceRLE(sdlSource, 0);
        SDL_SetSurfaceRLE(sdlSourceRle, 1);
    }
    ~Scene() {
        SDL_FreeSurface(sdlSource);
        SDL_FreeSurface(sdlSourceRle);
        SDL_FreeSurface(sdlFrame);
    }
    int64_t Bytes() const { return 3 * static_cast<int64_t>(width) * height; }
};

Scene& GetScene(Size size, Shape shape) {
    static std::unique_ptr<Scene> scenes[2][2];
    std::unique_ptr<Scene>& scene = scenes[size][shape];
    if (scene == nullptr)
        scene = std::make_unique<Scene>(size, shape);
    return *scene;
}

void Finish(benchmark::State& state, const Scene& scene) {
    state.SetBytesProcessed(state.iterations() * scene.Bytes());
}

void MemcpyRows(benchmark::State& state) {
    Scene& scene = GetScene(static_cast<Size>(state.range(0)), kBlobs);
    const size_t srcStride = static_cast<size_t>(DibStride(scene.width));
    const size_t destStride = static_cast<size_t>(DibStride(kFrameWidth));
    const uint8_t* src = scene.file.data() + 54;
    uint8_t* dest = scene.sdlFramePixels.data();
    for (auto _ : state) {
        for (int32_t row = 0; row < scene.height; ++row)
            std::memcpy(dest + row * destStride, src + row * srcStride, 3 * scene.width);
        benchmark::ClobberMemory();
    }
    Finish(state, scene);
}

void CopyToOpaque(benchmark::State& state) {
    ChooseRunMoves(WidestRunMoves());
    Scene& scene = GetScene(static_cast<Size>(state.range(0)), kBlobs);
    for (auto _ : state) {
        scene.image.CopyTo(&scene.frame, 0, 0, scene.width, scene.height, 0, 0, kNoColourKey);
        benchmark::ClobberMemory();
    }
    Finish(state, scene);
}

void CopyKeyed(benchmark::State& state, RunMoveWidth moves) {
    ChooseRunMoves(moves);
    Scene& scene = GetScene(static_cast<Size>(state.range(0)), static_cast<Shape>(state.range(1)));
    for (auto _ : state) {
        scene.image.CopyTo(&scene.frame, 0, 0, scene.width, scene.height, 0, 0, kKey);
        benchmark::ClobberMemory();
    }
    Finish(state, scene);
}

void CopyToKeyed(benchmark::State& state) {
    CopyKeyed(state, WidestRunMoves());
}

// The same with 16-byte moves only, as on processors without AVX.
void CopyToKeyedNarrow(benchmark::State& state) {
    CopyKeyed(state, RunMoveWidth::kNarrow);
}

void CopyMirroredKeyed(benchmark::State& state) {
    ChooseRunMoves(WidestRunMoves());
    Scene& scene = GetScene(static_cast<Size>(state.range(0)), static_cast<Shape>(state.range(1)));
    for (auto _ : state) {
        scene.image.CopyMirroredTo(&scene.frame, 0, 0, scene.width, scene.height, 0, 0, kKey);
        benchmark::ClobberMemory();
    }
    Finish(state, scene);
}

void SdlBlit(benchmark::State& state, bool rle) {
    Scene& scene = GetScene(static_cast<Size>(state.range(0)), static_cast<Shape>(state.range(1)));
    SDL_Surface* source = rle ? scene.sdlSourceRle : scene.sdlSource;
    for (auto _ : state) {
        SDL_Rect where{0, 0, scene.width, scene.height};
        if (SDL_BlitSurface(source, nullptr, scene.sdlFrame, &where) != 0)
            state.SkipWithError(SDL_GetError());
        benchmark::ClobberMemory();
    }
    Finish(state, scene);
}

void SdlBlitRle(benchmark::State& state) {
    SdlBlit(state, true);
}
void SdlBlitNoRle(benchmark::State& state) {
    SdlBlit(state, false);
}

// Arguments: size (0 sprite 200x200, 1 frame 1024x768), shape (0 blobs,
// 1 scattered).
void Shapes(benchmark::internal::Benchmark* b) {
    for (int size : {kSprite, kFrame})
        for (int shape : {kBlobs, kScattered})
            b->Args({size, shape});
}

} // namespace

BENCHMARK(MemcpyRows)->Arg(kSprite)->Arg(kFrame);
BENCHMARK(CopyToOpaque)->Arg(kSprite)->Arg(kFrame);
BENCHMARK(CopyToKeyed)->Apply(Shapes);
BENCHMARK(CopyToKeyedNarrow)->Apply(Shapes);
BENCHMARK(CopyMirroredKeyed)->Apply(Shapes);
BENCHMARK(SdlBlitRle)->Apply(Shapes);
BENCHMARK(SdlBlitNoRle)->Apply(Shapes);

BENCHMARK_MAIN();
