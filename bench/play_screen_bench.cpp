// The play screen's costs on its heaviest page, page 6 (12 pieces, 54
// sprites): composing the whole screen, one step of a drag, and a page change
// (store, load 54 pictures and the background). The pictures are the
// generated content when the build has it, otherwise made-up pictures of the
// same sizes (120 x 120 cut pieces on a 1024 x 768 background). The window
// copies go through the headless seam, which records them only.
#include "game/catalogue.h"
#include "game/page_furniture.h"
#include "image/dib_image.h"
#include "image/run_moves.h"
#include "platform/blend_rows.h"
#include "platform/headless/headless_platform.h"
#include "platform/picture_scaler.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/scratch_folder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int32_t kHeaviestPage = 6;

// The page's pictures in a folder of their own (in memory where the system
// has it), so that saving the page never writes into the content.
class BenchGame {
public:
    BenchGame() {
        // The copies the game makes: with the widest moves the processor has.
        ChooseRunMoves(WidestRunMoves());
        fs::create_directories(fs::path(folder) / "save");
        if (!CopyGeneratedContent()) {
            PageArt art;
            art.pieceSize = PictureSize{120, 120};
            art.roundPieces = true;
            WritePageFolder(folder, {kHeaviestPage}, art);
        }
    }
    ScratchFolder scratch{"varnolt-bench-play"};
    const std::string folder = scratch.path;
    bool generated = false;

private:
    bool CopyGeneratedContent() {
        const fs::path content = VARNOLT_CONTENT_FOLDER;
        if (!fs::exists(content / "Data" / "m0011.dat"))
            return false;
        std::vector<std::string> names = {kPageBackgroundPath, kPageNumberPicturePath};
        for (const char* button : g_buttonPicturePaths)
            names.emplace_back(button);
        const int32_t first = FirstPieceOfPage(kHeaviestPage);
        for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
            for (int32_t piece = first; piece < first + PieceCountOfPage(kHeaviestPage); ++piece)
                names.push_back(g_pieceFileNames[TagOf(kind, piece)]);
        }
        fs::create_directories(fs::path(folder) / "Data");
        for (const std::string& name : names) {
            const std::string file = name.substr(name.rfind('\\') + 1);
            std::error_code failed;
            fs::copy_file(content / "Data" / file, fs::path(folder) / "Data" / file, failed);
            if (failed)
                return false;
        }
        generated = true;
        return true;
    }
};

BenchGame& Game() {
    static BenchGame game;
    return game;
}

void Describe(benchmark::State& state, const CPlaySession& session) {
    state.SetLabel(std::string(Game().generated ? "generated" : "made-up") + " pictures, " +
                   std::to_string(session.Document().Sprites().Count()) + " sprites");
}

// The whole screen as the game screen's paint asks for it. range(0) set
// shows every sprite, hidden ones included: the most a page could draw.
void BM_RedrawAll(benchmark::State& state) {
    CPlaySession session(Game().folder);
    session.ShowPage(kHeaviestPage);
    if (state.range(0) != 0) {
        CSpriteList& sprites = session.Document().Sprites();
        for (CSprite* s = sprites.First(); s != nullptr; s = sprites.Next())
            s->SetVisibleQuiet(true);
    }
    for (auto _ : state) {
        session.View().RedrawAll();
        benchmark::DoNotOptimize(session.View().Offscreen()->Pixels());
    }
    Describe(state, session);
}

// One memcpy of the frame, the floor any full redraw stands on.
void BM_FrameCopy(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>(DibStride(1024)) * 768;
    std::vector<uint8_t> from(bytes, 1);
    std::vector<uint8_t> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
}

// Shows the heaviest page and lifts its first piece that shows a pixel of
// its own (with stand-in positions pieces may lie on top of each other),
// carried to the middle of the screen; false, with the benchmark skipped,
// when none can be lifted.
bool LiftAPiece(benchmark::State& state, CPlaySession& session, HWND window) {
    session.ShowPage(kHeaviestPage);
    session.View().RedrawAll();
    POINT grab;
    int32_t k = 0;
    while (k < kMostPiecesOnAPage && !session.GrabPoint(k, &grab))
        ++k;
    if (k == kMostPiecesOnAPage) {
        state.SkipWithError("no piece of page 6 can be lifted");
        return false;
    }
    session.View().OnLButtonDown(window, 0, grab.x, grab.y);
    session.View().OnMouseMove(window, 0, 500, 380);
    return true;
}

// A carried piece follows the pointer by a few pixels, then the tick.
void BM_DragStep(benchmark::State& state) {
    CPlaySession session(Game().folder);
    if (!LiftAPiece(state, session, nullptr))
        return;
    CAnimView& view = session.View();
    view.Flush(nullptr);
    int32_t step = 0;
    for (auto _ : state) {
        const int32_t offset = (step++ & 1) != 0 ? 3 : 0;
        view.OnMouseMove(nullptr, 0, 500 + offset, 380 + offset);
        view.Flush(nullptr);
    }
    view.OnLButtonUp(nullptr, 0, 500, 380);
    Describe(state, session);
}

// The same drag step with the picture scaled to a screen of another size:
// each copy the tick asks for is scaled by the game's own scaler into a
// client-sized picture, as the Windows copies do. range(0): 0 at 1:1 (each
// copy made once, pixel for pixel, as a plain copy to the window makes it:
// the fair yardstick for the scaled ones), 1 full HD (smooth, 1440 x 1080),
// 2 a 4K screen (sharp 2x).
void BM_ScaledDragStep(benchmark::State& state) {
    static const int32_t kClients[][2] = {{1024, 768}, {1920, 1080}, {3840, 2160}};
    const int32_t* client = kClients[state.range(0)];
    CPictureScaler scaler;
    scaler.SetFit(FitPicture(client[0], client[1], 1024, 768));
    std::vector<uint32_t> target(static_cast<size_t>(client[0]) * client[1]);
    CPlaySession session(Game().folder);
    HWND window = reinterpret_cast<HWND>(1); // recorded, never shown
    if (!LiftAPiece(state, session, window))
        return;
    CAnimView& view = session.View();
    const uint8_t* pixels = static_cast<const uint8_t*>(view.Offscreen()->Pixels());
    view.Flush(window);
    headless::TakeWindowCopies();
    int32_t step = 0;
    for (auto _ : state) {
        const int32_t offset = (step++ & 1) != 0 ? 3 : 0;
        view.OnMouseMove(window, 0, 500 + offset, 380 + offset);
        view.Flush(window);
        for (const headless::WindowCopy& copy : headless::TakeWindowCopies())
            scaler.Scale(pixels, DibStride(1024), target.data(), client[0],
                         PictureToClient(scaler.Fit(), copy.rect));
        benchmark::DoNotOptimize(target.data());
    }
    view.OnLButtonUp(window, 0, 500, 380);
    Describe(state, session);
}

// The whole picture scaled, as after a page change or a window resize.
void BM_ScaledFullCopy(benchmark::State& state) {
    static const int32_t kClients[][2] = {{1920, 1080}, {2048, 1536}, {3840, 2160}, {1366, 768}};
    const int32_t* client = kClients[state.range(0)];
    CPictureScaler scaler;
    scaler.SetFit(FitPicture(client[0], client[1], 1024, 768));
    std::vector<uint8_t> picture(static_cast<size_t>(DibStride(1024)) * 768, 0x5A);
    std::vector<uint32_t> target(static_cast<size_t>(client[0]) * client[1]);
    for (auto _ : state) {
        scaler.Scale(picture.data(), DibStride(1024), target.data(), client[0], scaler.Fit().area);
        benchmark::DoNotOptimize(target.data());
    }
    // How many pixels the smooth loops blend at once on this processor.
    static const char* const kLanes[] = {", 1 at a time", ", 2 at a time", ", 4 at a time"};
    state.SetLabel(std::to_string(client[0]) + "x" + std::to_string(client[1]) +
                   (scaler.Fit().IsSmooth()
                        ? std::string(" smooth") + kLanes[static_cast<int>(blend_rows::Widest())]
                        : std::string(" whole factor")));
}

// Leaving page 6 for page 6 again: store it, then load every picture and
// the background, from files the system has cached.
void BM_ChangePage(benchmark::State& state) {
    CPlaySession session(Game().folder);
    session.ShowPage(kHeaviestPage);
    for (auto _ : state)
        session.Document().ChangePage(kSamePage);
    Describe(state, session);
}

} // namespace

BENCHMARK(BM_FrameCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawAll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScaledDragStep)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScaledFullCopy)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChangePage)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
