// Opening the picture book: every page's mark read from thirty real save
// files (written by playing the pages), and the whole book composed into
// its offscreen image, as the first paint after opening does. The target is
// under 50 ms of processor time. The book's pictures are the generated
// content when the build has it, otherwise made-up pictures of their sizes.
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/picture_book.h"
#include "image/dib_image.h"
#include "picture_writer.h"
#include "sprites/book_view.h"
#include "sprites/page_completion.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/scratch_folder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int32_t kCurrentPage = 7;

// A game folder in memory where the system has it: pieces for all thirty
// pages, each page played partway (every third one to the end) and stored.
class BookGame {
public:
    BookGame() {
        fs::create_directories(fs::path(folder) / "save");
        std::vector<int32_t> pages;
        for (int32_t page = 1; page <= kPageCount; ++page)
            pages.push_back(page);
        WritePageFolder(folder, pages);
        if (!CopyBookPictures())
            WriteStandIns();
        PlayEveryPage();
    }
    ScratchFolder scratch{"varnolt-bench-book"};
    const std::string folder = scratch.path;
    bool generated = false;

private:
    static std::string FileOf(const char* gamePath) {
        const std::string name = gamePath;
        return name.substr(name.rfind('\\') + 1);
    }

    bool CopyBookPictures() {
        const fs::path content = fs::path(VARNOLT_CONTENT_FOLDER) / "Data";
        for (const char* path : {kBookBackgroundPath, kBookThumbnailsPath, kBookMarksPath,
                                 kBookOutlinesPath, kStartAgainPath}) {
            std::error_code failed;
            fs::copy_file(content / FileOf(path), fs::path(folder) / "Data" / FileOf(path),
                          fs::copy_options::overwrite_existing, failed);
            if (failed)
                return false;
        }
        generated = true;
        return true;
    }

    void WriteStandIns() {
        const auto stripes = [](int32_t x, int32_t y) {
            return ((x / 8 + y / 8) % 3 == 0) ? 0xFF00FFu : 0x204060u + static_cast<uint32_t>(y);
        };
        const struct {
            const char* path;
            int32_t width, height;
        } pictures[] = {
            {kBookBackgroundPath, 1024, 768},
            {kBookThumbnailsPath, kThumbnailWidth, kThumbnailHeight * kPageCount},
            {kBookMarksPath, kBookMarkWidth * kBookMarkCounts, kBookMarkHeight * kBookMarkCounts},
            {kBookOutlinesPath, kOutlineWidth, 2 * kOutlineHeight},
            {kStartAgainPath, kStartAgainRect.right - kStartAgainRect.left,
             (kStartAgainRect.bottom - kStartAgainRect.top) * kStartAgainFrames},
        };
        for (const auto& picture : pictures)
            WritePictureFile((fs::path(folder) / "Data" / FileOf(picture.path)).string(),
                             picture.width, picture.height, stripes);
    }

    void PlayEveryPage() {
        CPlaySession session(folder);
        for (int32_t page = 1; page <= kPageCount; ++page) {
            session.ShowPage(page);
            const int32_t pieces = page % 3 == 0 ? PieceCountOfPage(page) : page % 4;
            for (int32_t k = 0; k < pieces; ++k)
                session.PlacePiece(k);
            session.Document().StoreCurrentPage();
        }
    }
};

BookGame& Game() {
    static BookGame game;
    return game;
}

void Describe(benchmark::State& state) {
    state.SetLabel(std::string(Game().generated ? "generated" : "made-up") +
                   " pictures, 30 save files");
}

// What pressing B costs once the book's pictures have been read: the marks
// from the save files, then the whole book composed.
void BM_OpenBook(benchmark::State& state) {
    CPlaySession session(Game().folder);
    session.ShowPage(kCurrentPage);
    const auto savePathOf = [&session](int32_t page) {
        return session.Document().SavePathOf(page);
    };
    CPictureBook book;
    CBookView view(&book);
    view.LoadPictures();
    for (auto _ : state) {
        book.Open(kCurrentPage, PageProgressOf(session.Document()), savePathOf);
        view.Show(nullptr);
        view.Tick();
        benchmark::DoNotOptimize(view.Offscreen()->Pixels());
    }
    Describe(state);
    // What the save files held, as the book read them.
    int32_t finished = 0, started = 0;
    for (int32_t page = 1; page <= kPageCount; ++page) {
        finished += book.Progress(page).Finished();
        started += book.Progress(page).Started();
    }
    state.counters["finished"] = finished;
    state.counters["started"] = started;
}

// The first opening of a run, which also reads the book's pictures.
void BM_OpenBookFirstTime(benchmark::State& state) {
    CPlaySession session(Game().folder);
    session.ShowPage(kCurrentPage);
    const auto savePathOf = [&session](int32_t page) {
        return session.Document().SavePathOf(page);
    };
    for (auto _ : state) {
        CPictureBook book;
        CBookView view(&book);
        view.LoadPictures();
        book.Open(kCurrentPage, PageProgressOf(session.Document()), savePathOf);
        view.Show(nullptr);
        view.Tick();
        benchmark::DoNotOptimize(view.Offscreen()->Pixels());
    }
    Describe(state);
}

} // namespace

BENCHMARK(BM_OpenBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBookFirstTime)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
