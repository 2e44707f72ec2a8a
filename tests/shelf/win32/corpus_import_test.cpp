// Every photo of the corpus offered once to the shelf through the system's
// own decoders: each becomes a page that opens, or is refused as no
// picture, too small or too large; none is half stored, none crashes.
// A photo whose name lies outside the ANSI code page is taken like any.
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

// A game folder with the page backgrounds the cut lays pieces on, and the
// shelf in a per-user folder of the test's own.
class CorpusImport : public ::testing::Test {
protected:
    CorpusImport() : game((dir.Path() / "game").string()), savedBase(g_baseDirectory) {
        WritePageFolder(game, {1});
        fs::copy_file(fs::path(game) / "Data" / "m0011.dat", fs::path(game) / "Data" / "m0012.dat");
        g_baseDirectory = game;
        SetUserDataDirectory(dir.Path().string());
        shelf = ShelfFolder();
    }
    ~CorpusImport() override {
        SetUserDataDirectory("");
        g_baseDirectory = savedBase;
    }

    ScopedTempDir dir;
    const std::string game;
    const std::string savedBase;
    std::string shelf;
};

TEST_F(CorpusImport, EveryPhotoBecomesAPageOrIsRefused) {
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
}

// Family photos are named in every language, far outside the system's ANSI
// code page: such a photo is read and copied in by its wide name all the
// same.
TEST_F(CorpusImport, APhotoNamedOutsideTheAnsiCodePageIsTaken) {
    ASSERT_TRUE(PrepareShelf(shelf));
    const fs::path original =
        fs::path(VARNOLT_PHOTO_CORPUS) / "exif-orientation" / "Landscape_0.jpg";
    for (const std::string name :
         {u8"\u00c9mile \u00e0 la plage.jpg", u8"Oma\u2019s Geburtstag.jpg",
          u8"\u0411\u0430\u0431\u0443\u0448\u043a\u0430 \u5976\u5976.jpg"}) {
        SCOPED_TRACE(name);
        fs::copy_file(original, dir.Path() / fs::u8path(name));
        std::string page;
        ASSERT_EQ(AddPhotoToShelf(dir.Path().u8string() + "\\" + name, 6, shelf, &page),
                  AddedPhoto::kAdded);
        EXPECT_EQ(ReadAll(shelf + "\\" + page + "\\photo.jpg"), ReadAll(original.string()));
    }
    EXPECT_EQ(ListShelf(shelf).size(), 3u);
    // A name that is no UTF-8 at all names no file.
    std::string page;
    EXPECT_EQ(AddPhotoToShelf(dir.Path().u8string() + "\\\xff\xfe.jpg", 6, shelf, &page),
              AddedPhoto::kNotAPicture);
}

#endif
