// Every photo of the corpus offered once to the shelf through the system's
// own decoders: each becomes a page that opens, or is refused as no
// picture, too small or too large; none is half stored, none crashes.
#include "persist/mapped_file.h"
#include "persist/store_locations.h"
#include "shelf/own_page.h"
#include "shelf/photo_adding.h"
#include "shelf/shelf.h"
#include "support/page_folder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#ifdef VARNOLT_PHOTO_CORPUS

namespace fs = std::filesystem;

TEST(CorpusImport, EveryPhotoBecomesAPageOrIsRefused) {
    ScopedTempDir dir;
    // A game folder with the page backgrounds the cut lays pieces on.
    const std::string game = (dir.Path() / "game").string();
    WritePageFolder(game, {1});
    fs::copy_file(fs::path(game) / "Data" / "m0011.dat", fs::path(game) / "Data" / "m0012.dat");
    const std::string savedBase = g_baseDirectory;
    g_baseDirectory = game;
    SetUserDataDirectory(dir.Path().string());
    const std::string shelf = ShelfFolder();
    ASSERT_TRUE(PrepareShelf(shelf));
    std::map<AddedPhoto, int> results;
    for (const auto& entry : fs::recursive_directory_iterator(VARNOLT_PHOTO_CORPUS)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.rfind("LICENSE", 0) == 0 || name == "MANIFEST.txt")
            continue;
        SCOPED_TRACE(entry.path().string());
        std::string page;
        const AddedPhoto added = AddPhotoToShelf(entry.path().string(), 4, shelf, &page);
        ++results[added];
        EXPECT_NE(added, AddedPhoto::kNotStored);
        if (added == AddedPhoto::kAdded) {
            COwnPage opened;
            EXPECT_TRUE(opened.Open(shelf + "\\" + page));
            EXPECT_EQ(opened.PieceCount(), 4);
        }
    }
    // The photos themselves, the progressive and arithmetic-coded JPEGs and
    // most of PngSuite decode; the 12-bit JPEG and the 32 x 32 PngSuite
    // pictures are refused.
    EXPECT_GT(results[AddedPhoto::kAdded], 10);
    EXPECT_GT(results[AddedPhoto::kTooSmall], 10);
    EXPECT_GE(results[AddedPhoto::kNotAPicture], 1);
    EXPECT_EQ(static_cast<int>(ListShelf(shelf).size()), results[AddedPhoto::kAdded]);
    SetUserDataDirectory("");
    g_baseDirectory = savedBase;
}

#endif
