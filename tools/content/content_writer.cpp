#include "content_writer.h"

#include "aid_art.h"
#include "art/background.h"
#include "art/badges.h"
#include "art/book.h"
#include "art/celebration.h"
#include "art/corner.h"
#include "art/dialogs.h"
#include "art/pictures.h"
#include "art/screens.h"
#include "art/shelf.h"
#include "game/book_layout.h"
#include "game/corner_holds.h"
#include "game/photo_dialogs_layout.h"
#include "game/play_aids.h"
#include "game/player_badges.h"
#include "game/shelf_layout.h"
#include "game_files.h"
#include "layout.h"
#include "music.h"
#include "photos/photo_frame.h"
#include "picture_file.h"
#include "piece_art.h"
#include "pointers.h"
#include "sound.h"
#include "sprites/page_source.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace content {

namespace {

void WritePicture(const std::string& folder, const std::string& gamePath, const Image& image) {
    WriteFile(HostPath(folder, gamePath), EncodePicture(image));
}

void WriteResource(const std::string& folder, const std::string& file,
                   const std::vector<uint8_t>& bytes) {
    WriteFile(folder + "/" + kResourceFolder + "/" + file, bytes);
}

void WriteBitmap(const std::string& folder, const std::string& name, const Image& image) {
    WriteResource(folder, name + ".bmp", EncodePicture(image, Signature::kBitmap));
}

void MakeFolders(const std::string& folder) {
    std::filesystem::create_directories(folder + "/Data");
    std::filesystem::create_directories(folder + "/" + kResourceFolder);
}

} // namespace

void GeneratePages(const std::string& folder, const std::vector<int>& pages) {
    MakeFolders(folder);
    const Image background = DrawBackground();
    for (int page : pages) {
        const std::vector<PieceLayout> layout = PageLayout(page);
        const std::vector<PiecePictures> pictures =
            DrawPiecePictures(page, PagePicture(page), background, layout);
        for (size_t i = 0; i < layout.size(); ++i) {
            const int piece = layout[i].piece;
            WritePicture(folder, PieceFileName(Kind::kLoose, piece), pictures[i].loose);
            WritePicture(folder, PieceFileName(Kind::kHole, piece), pictures[i].hole);
            WritePicture(folder, PieceFileName(Kind::kPlaced, piece), pictures[i].placed);
            WritePicture(folder, PieceFileName(Kind::kDrag, piece), pictures[i].drag);
            const Mask body = BodyMask(page, layout[i]);
            WritePicture(folder, SelectionRingPath(piece), DrawSelectionRing(body));
            WritePicture(folder, HoleGlowPath(piece), DrawHoleGlow(body));
        }
    }
}

void GenerateScreens(const std::string& folder) {
    MakeFolders(folder);
    const Image background = DrawBackground();
    WritePicture(folder, kBackgroundFile, background);
    WritePicture(folder, photos::kLandscapeBackgroundPath, DrawBackground(photos::kLandscapeFrame));
    const Image title = DrawTitlePicture();
    WritePicture(folder, kTitleFile, title);
    const Image tile = DrawTitleTile();
    WritePicture(folder, kTitleTileFile, tile);
    WritePicture(folder, kStartButtonFile, DrawStartButton(title));
    for (int button = 0; button < kButtonCount; ++button)
        WritePicture(folder, GameButtonFile(button), DrawGameButton(button, background));
    const Image labels = DrawPageLabels(background);
    WritePicture(folder, kPageLabelsFile, labels);
    WritePicture(folder, kOwnPageLabelPath, DrawOwnPageLabels(background));
    WritePicture(folder, kFinishedStarPath, DrawFinishedStar(labels));
    WritePicture(folder, kSparklePicturePath, DrawSparkle());
    WritePicture(folder, kHoldNoticePath, DrawHoldNotice());
    WritePicture(folder, kBadgesPath, DrawBadges());
    const Image book = DrawBookBackground();
    WritePicture(folder, kBookBackgroundPath, book);
    WritePicture(folder, kBookThumbnailsPath, DrawBookThumbnails());
    WritePicture(folder, kBookMarksPath, DrawBookMarks());
    WritePicture(folder, kBookOutlinesPath, DrawBookOutlines());
    WritePicture(folder, kStartAgainPath, DrawStartAgainControl(book));
    const Image shelf = DrawShelfBackground();
    WritePicture(folder, kShelfBackgroundPath, shelf);
    WritePicture(folder, kShelfMarksPath, DrawShelfMarks());
    WritePicture(folder, kShelfOutlinesPath, DrawShelfOutlines());
    WritePicture(folder, kRemoveControlPath, DrawRemoveControl());
    WritePicture(folder, kTurnTabPath, DrawTurnTab(book, shelf));
    WritePicture(folder, kAddPicturePath, DrawAddPictureControl(shelf));
    WritePicture(folder, kSheetArrowsPath, DrawSheetArrows(shelf));
    const Image corner = DrawCornerBackground();
    WritePicture(folder, kCornerBackgroundPath, corner);
    WritePicture(folder, kCornerStepsPath, DrawCornerSteps(corner));
    WritePicture(folder, kCornerChoicesPath, DrawCornerChoices(corner));
    WritePicture(folder, kCornerHoldButtonsPath, DrawCornerHoldButtons(corner));
    WritePicture(folder, kCornerDoorPath, DrawCornerDoor(DrawTitleScreen(tile, title)));
}

void GenerateResources(const std::string& folder) {
    MakeFolders(folder);
    std::string rc = "// Generated by the content tool: the icon, pointers, dialog pictures and\n"
                     "// sounds built into Varnolt.exe. Files are found on the include path.\n";
    WriteResource(folder, "Varnolt.ico", EncodeIcon(DrawIcons()));
    rc += "IDI_VARNOLT ICON \"Varnolt.ico\"\n";
    for (const CursorPicture& cursor : DrawCursors()) {
        WriteResource(folder, cursor.name + ".cur", EncodeCursor(cursor));
        rc += cursor.name + " CURSOR \"" + cursor.name + ".cur\"\n";
    }
    const Image about = DrawAboutDialog();
    const Image ending = DrawEndingScreen();
    const std::pair<const char*, Image> bitmaps[] = {
        {"AboutDialogBkg", about},
        {"OneTimeDirectionsDialogBkg", DrawDirectionsDialog()},
        {"CannotSaveDialogBkg", DrawCannotSaveDialog()},
        {kPictureRefusedDialogName, DrawPictureRefusedDialog()},
        {kPieceCountDialogName, DrawPieceCountDialog()},
        {"EndingScrnDialogBkg", ending},
        {"OKButtonUp", DrawOkButton(about, 0)},
        {"OKButtonDown", DrawOkButton(about, 1)},
        {"QuitButtonUp", DrawQuitButton(ending, 0)},
        {"QuitButtonDown", DrawQuitButton(ending, 1)}};
    for (const auto& [name, image] : bitmaps) {
        WriteBitmap(folder, name, image);
        rc += std::string(name) + " BITMAP \"" + name + ".bmp\"\n";
    }
    for (int index = 0; index < kSoundCount; ++index) {
        const std::string name = SoundName(index);
        WriteResource(folder, name + ".wav", EncodeWave(SoundOf(index)));
        rc += name + " WAVE \"" + name + ".wav\"\n";
    }
    WriteResource(folder, "content.rc", std::vector<uint8_t>(rc.begin(), rc.end()));
}

void GenerateMusic(const std::string& folder) {
    MakeFolders(folder);
    WriteFile(folder + "/" + kMusicFile, ComposeMusic());
}

void GenerateAll(const std::string& folder) {
    std::vector<int> pages(kPages);
    for (int page = 1; page <= kPages; ++page)
        pages[page - 1] = page;
    GeneratePages(folder, pages);
    GenerateScreens(folder);
    GenerateResources(folder);
    GenerateMusic(folder);
    // The manifest lists every file, in a fixed order, and is written last:
    // builds that stage the content depend on it.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "manifest.txt")
            files.push_back(std::filesystem::relative(entry.path(), folder).generic_string());
    std::sort(files.begin(), files.end());
    std::ofstream manifest(folder + "/manifest.txt", std::ios::trunc);
    for (const std::string& file : files)
        manifest << file << '\n';
}

} // namespace content
