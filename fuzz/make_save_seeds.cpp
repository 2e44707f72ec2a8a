// Writes the save-file fuzzer's seeds with the game's own writer: page 1 as
// it is first laid out, partly and wholly solved, cleared again, and a file
// of the header alone.
//   make_save_seeds FOLDER
#include "persist/puzzle_file_ops.h"
#include "sprites/page_storage.h"
#include "support/page_folder.h"
#include "support/play_session.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

void Write(CPlaySession& session, const std::string& path) {
    PuzzleFileOps::Instance()->WriteSaveFile(path, RecordPage(session.Document()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_save_seeds FOLDER\n");
        return 2;
    }
    const std::string seeds = argv[1];
    std::string pattern = (fs::temp_directory_path() / "varnolt-save-seeds-XXXXXX").string();
    if (mkdtemp(&pattern[0]) == nullptr)
        return 1;
    const std::string game = pattern;
    PageArt art;
    art.pieceSize = PictureSize{32, 28};
    art.backgroundSize = PictureSize{160, 120};
    WritePageFolder(game, {1}, art);
    int failures = 0;
    {
        CPlaySession session(game);
        session.ShowPage(1);
        Write(session, seeds + "/new.sav");
        for (int32_t k : {0, 4, 8})
            failures += session.PlacePiece(k) ? 0 : 1;
        Write(session, seeds + "/three_placed.sav");
        for (int32_t k : {1, 2, 3, 5, 6, 7})
            failures += session.PlacePiece(k) ? 0 : 1;
        Write(session, seeds + "/solved.sav");
        session.View().ClearPage(nullptr);
        Write(session, seeds + "/cleared.sav");
        session.Document().Sprites().DeleteAll();
        Write(session, seeds + "/empty.sav");
    }
    std::error_code ignored;
    fs::remove_all(game, ignored);
    if (failures != 0 || !fs::exists(seeds + "/solved.sav")) {
        std::fprintf(stderr, "make_save_seeds: page 1 could not be played\n");
        return 1;
    }
    return 0;
}
