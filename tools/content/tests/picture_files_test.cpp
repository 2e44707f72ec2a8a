#include "art/background.h"
#include "art/dialogs.h"
#include "art/screens.h"
#include "game/book_layout.h"
#include "game/page_furniture.h"
#include "game/photo_dialogs_layout.h"
#include "game_files.h"
#include "generated_content.h"
#include "image/dib_image.h"
#include "layout.h"
#include "page_view.h"
#include "photos/photo_frame.h"
#include "picture_file.h"
#include "support/dialog_pictures.h"
#include "support/memory_file.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>

namespace content::testing {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// The picture file's signature, size and depth. The game's own image class
// reads a picture of its own format pixel for pixel as written; that the
// system takes the dialog bitmaps in is shown by ContentResources.
void ExpectPictureHeader(const std::vector<uint8_t>& bytes, const char* signature, int w, int h,
                         const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], signature[0]);
    EXPECT_EQ(bytes[1], signature[1]);
    EXPECT_EQ(Le32(bytes, 2), bytes.size());
    EXPECT_EQ(static_cast<int>(Le32(bytes, 18)), w);
    EXPECT_EQ(static_cast<int>(Le32(bytes, 22)), h);
    EXPECT_EQ(bytes[28] | (bytes[29] << 8), 24);
    EXPECT_EQ(bytes.size(), 54u + static_cast<size_t>((3 * w + 3) & ~3) * h);
    if (signature[0] == 'V') {
        MemoryFile file(bytes);
        CDIBImage image(32, 32);
        ASSERT_TRUE(image.Load(file));
        EXPECT_EQ(image.GetWidth(), w);
        EXPECT_EQ(image.GetHeight(), h);
        ASSERT_EQ(image.ByteSize(), bytes.size() - 54);
        EXPECT_EQ(std::memcmp(image.Pixels(), bytes.data() + 54, image.ByteSize()), 0);
    }
}

bool HasKey(const Image& image) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == kKey)
                return true;
    return false;
}

TEST(PictureFiles, EveryPiecePictureIsInTheGameFormatAtItsLayoutSize) {
    const std::string& folder = GeneratedContent();
    for (int page = 1; page <= kPages; ++page)
        for (const PieceLayout& piece : PageLayout(page)) {
            const Box sizes[4] = {piece.LooseRect(), piece.HoleRect(), piece.HoleRect(),
                                  piece.DragAtRest()};
            for (int kind = 0; kind < 4; ++kind) {
                const std::string name = PieceFileName(static_cast<Kind>(kind), piece.piece);
                ExpectPictureHeader(ReadFile(HostPath(folder, name)), "V1", sizes[kind].w,
                                    sizes[kind].h, name);
            }
        }
}

TEST(PictureFiles, ScreenPicturesHaveTheirSizesAndNoKeyColour) {
    struct Expected {
        std::string name;
        int w, h;
    };
    // Buttons and the page-number strip hold their faces one under another.
    std::vector<Expected> pictures = {
        {kStartButtonFile, kStartButton.width, 2 * kStartButton.height},
        {kTitleFile, kTitlePicture.width, kTitlePicture.height},
        {kTitleTileFile, kTitleTileSize, kTitleTileSize},
        {kPageLabelsFile, kPageLabel.width, kPageLabelFrames * kPageLabel.height},
        {kBackgroundFile, kScreenWidth, kScreenHeight},
        {kFinishedStarPath, kFinishedStar.width, kFinishedStar.height},
        {kBookBackgroundPath, kScreenWidth, kScreenHeight},
        {kBookThumbnailsPath, kThumbnailWidth, kPageCount * kThumbnailHeight}};
    // The sound switch has a column of faces for each of its settings.
    for (int button = 0; button < kButtonCount; ++button)
        pictures.push_back({GameButtonFile(button),
                            g_buttonRecords[button].frameColumns * kGameButtons[button].width,
                            2 * kGameButtons[button].height});
    for (const Expected& picture : pictures) {
        const std::vector<uint8_t> bytes = ReadFile(HostPath(GeneratedContent(), picture.name));
        ExpectPictureHeader(bytes, "V1", picture.w, picture.h, picture.name);
        EXPECT_FALSE(HasKey(*DecodePicture(bytes))) << picture.name;
    }
}

TEST(PictureFiles, DialogBitmapsHaveTheirSizesAndNoKeyColour) {
    for (const DialogPicture& bitmap : kDialogPictures) {
        const std::vector<uint8_t> bytes =
            ReadFile(GeneratedContent() + "/resources/" + bitmap.name + ".bmp");
        ExpectPictureHeader(bytes, "BM", bitmap.width, bitmap.height, bitmap.name);
        EXPECT_FALSE(HasKey(LoadResourceBitmap(GeneratedContent(), bitmap.name))) << bitmap.name;
    }
}

TEST(PictureFiles, ButtonsShowADifferentPressedFaceAndBlendIntoWhatIsBehindThem) {
    const std::string& folder = GeneratedContent();
    const Image background = LoadPicture(folder, kBackgroundFile);
    const Image title = LoadPicture(folder, kTitleFile);
    auto check = [](const Image& up, const Image& down, const Image& behind,
                    const std::string& what) {
        SCOPED_TRACE(what);
        EXPECT_NE(up, down);
        // Outside the rounded face the button is exactly what it covers.
        for (const Point corner : {Point{0, 0}, Point{up.Width() - 1, 0}}) {
            EXPECT_EQ(up.At(corner.x, corner.y), behind.At(corner.x, corner.y));
            EXPECT_EQ(down.At(corner.x, corner.y), behind.At(corner.x, corner.y));
        }
    };
    for (int button = 0; button < kButtonCount; ++button) {
        const Image faces = LoadPicture(folder, GameButtonFile(button));
        const Box box = ToBox(kGameButtons[button]);
        // A column of faces per state the button can show (the sound switch's
        // three settings), each its own.
        ASSERT_EQ(faces.Width() % box.w, 0) << GameButtonFile(button);
        for (int column = 0; column < faces.Width() / box.w; ++column) {
            const Image both = faces.Crop(column * box.w, 0, box.w, faces.Height());
            check(Face(both, 0), Face(both, 1), background.Crop(box.x, box.y, box.w, box.h),
                  GameButtonFile(button) + " column " + std::to_string(column));
            if (column > 0) {
                EXPECT_NE(Face(both, 0), Face(faces.Crop(0, 0, box.w, faces.Height()), 0));
            }
        }
    }
    const Image start = LoadPicture(folder, kStartButtonFile);
    check(Face(start, 0), Face(start, 1),
          title.Crop(kStartButton.x - kTitlePicture.x, kStartButton.y - kTitlePicture.y,
                     kStartButton.width, kStartButton.height),
          "start");
    const Image about = LoadResourceBitmap(folder, "AboutDialogBkg");
    const Image directions = LoadResourceBitmap(folder, "OneTimeDirectionsDialogBkg");
    const Box ok = ToBox(kDialogOkButton);
    const Image notice = LoadResourceBitmap(folder, "CannotSaveDialogBkg");
    const Image refused = LoadResourceBitmap(folder, kPictureRefusedDialogName);
    EXPECT_EQ(about.Crop(ok.x, ok.y, ok.w, ok.h), refused.Crop(ok.x, ok.y, ok.w, ok.h));
    // One OK button serves every small dialog, so all look the same behind it.
    EXPECT_EQ(about.Crop(ok.x, ok.y, ok.w, ok.h), directions.Crop(ok.x, ok.y, ok.w, ok.h));
    EXPECT_EQ(about.Crop(ok.x, ok.y, ok.w, ok.h), notice.Crop(ok.x, ok.y, ok.w, ok.h));
    check(LoadResourceBitmap(folder, "OKButtonUp"), LoadResourceBitmap(folder, "OKButtonDown"),
          about.Crop(ok.x, ok.y, ok.w, ok.h), "OK");
    const Box quit = ToBox(kEndingQuitButton);
    check(LoadResourceBitmap(folder, "QuitButtonUp"), LoadResourceBitmap(folder, "QuitButtonDown"),
          LoadResourceBitmap(folder, "EndingScrnDialogBkg").Crop(quit.x, quit.y, quit.w, quit.h),
          "Quit");
}

TEST(PictureFiles, TheLandscapeBackgroundFramesTheLandscapePictureAndIsOtherwiseTheSame) {
    const std::string& folder = GeneratedContent();
    const Image portrait = LoadPicture(folder, kBackgroundFile);
    const Image landscape = LoadPicture(folder, photos::kLandscapeBackgroundPath);
    ASSERT_EQ(landscape.Width(), portrait.Width());
    ASSERT_EQ(landscape.Height(), portrait.Height());
    const photos::Box frame = photos::kLandscapeFrame;
    // Inside the landscape frame but outside the portrait one: the empty
    // picture area on one, the felt or frame on the other.
    const photos::Rgb empty = landscape.At(frame.x + 2, frame.y + frame.h / 2);
    EXPECT_EQ(empty, landscape.At(frame.Right() - 3, frame.Bottom() - 3));
    EXPECT_NE(empty, portrait.At(frame.x + 2, frame.y + frame.h / 2));
    // The bottom bar is the same on both.
    EXPECT_EQ(landscape.Crop(0, kButtonBarTop, 1024, 768 - kButtonBarTop),
              portrait.Crop(0, kButtonBarTop, 1024, 768 - kButtonBarTop));
}

TEST(PictureFiles, PageLabelZeroIsBlankAndEveryOtherShowsItsOwnNumber) {
    const std::string& folder = GeneratedContent();
    const Image labels = LoadPicture(folder, kPageLabelsFile);
    const Image slot = LoadPicture(folder, kBackgroundFile)
                           .Crop(kPageLabel.x, kPageLabel.y, kPageLabel.width, kPageLabel.height);
    auto frame = [&](int i) { return labels.Crop(0, i * 40, 106, 40); };
    EXPECT_EQ(frame(0), slot);
    for (int i = 1; i < kPageLabelFrames; ++i)
        for (int j = 0; j < i; ++j)
            EXPECT_NE(frame(i), frame(j)) << i << " and " << j;
}

TEST(PictureFiles, TheManifestListsEveryFile) {
    const std::string& folder = GeneratedContent();
    std::ifstream manifest(folder + "/manifest.txt");
    std::vector<std::string> listed;
    for (std::string line; std::getline(manifest, line);)
        listed.push_back(line);
    std::vector<std::string> files = FilesBelow(folder);
    files.erase(std::find(files.begin(), files.end(), "manifest.txt"));
    EXPECT_EQ(listed, files);
    EXPECT_EQ(std::count_if(files.begin(), files.end(),
                            [](const std::string& f) { return f.rfind("Data/", 0) == 0; }),
              880 + 2 * 220 + 10 + 3 + 6 + 4 + 7 + 5);
    // The pieces with their rings and glows; the screens; the sound switch,
    // the sparkle and the finished page's star; the book button and the
    // book's five; the child lock's notice, the players' badges, the
    // landscape photo pages' background and their labels; the book's seven
    // of the player's own pictures; the grown-up corner's four and its door.
}

} // namespace
} // namespace content::testing
