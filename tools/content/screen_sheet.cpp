#include "screen_sheet.h"
#include "shelf_sheet.h"

#include "art/dialogs.h"
#include "art/screens.h"
#include "canvas.h"
#include "game/corner_holds.h"
#include "game/page_furniture.h"
#include "game/photo_dialogs_layout.h"
#include "game/play_aids.h"
#include "game/player_badges.h"
#include "game_files.h"
#include "layout.h"
#include "lettering.h"
#include "page_view.h"
#include "paint.h"
#include "photos/photo_frame.h"
#include "picture_file.h"
#include "pointers.h"
#include "sprites/page_source.h"

#include <cstring>
#include <fstream>

namespace content {

namespace {

class Sheet {
public:
    Sheet(int w, int h) : canvas(w, h) {
        SetColour(cr(), Hex(0x2a2a2e));
        cairo_paint(cr());
    }
    cairo_t* cr() const { return canvas.Context(); }

    void Put(const Image& image, double x, double y, double scale, bool sharp = false) {
        Canvas source(image);
        cairo_save(cr());
        cairo_translate(cr(), x, y);
        cairo_scale(cr(), scale, scale);
        cairo_set_source_surface(cr(), source.Surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr()),
                                 sharp ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(cr());
        cairo_restore(cr());
    }
    void Label(const std::string& text, double x, double y) {
        SetColour(cr(), Hex(0xf2efe6));
        UseFont(cr(), Font::kSansBold, 16);
        DrawText(cr(), text, x, y, Align::kLeft);
    }
    void Save(const std::string& path) const { canvas.WritePng(path); }

private:
    Canvas canvas;
};

Image LoadBitmap(const std::string& folder, const std::string& name) {
    const auto image =
        DecodePicture(ReadFile(folder + "/resources/" + name + ".bmp"), Signature::kBitmap);
    return image ? *image : Image(1, 1);
}

Image WithButton(Image dialog, const Image& button, Box place) {
    dialog.Paste(button, place.x, place.y);
    return dialog;
}

// Reads a cursor file back into a picture: clear pixels on a grey check.
Image CursorImage(const std::vector<uint8_t>& file, Point* hotSpot) {
    hotSpot->x = file[10] | (file[11] << 8);
    hotSpot->y = file[12] | (file[13] << 8);
    const size_t xorAt = 22 + 40 + 8, andAt = xorAt + 128;
    Image image(kCursorSize, kCursorSize);
    for (int y = 0; y < kCursorSize; ++y)
        for (int x = 0; x < kCursorSize; ++x) {
            const size_t byte = static_cast<size_t>(kCursorSize - 1 - y) * 4 + x / 8;
            const bool white = file[xorAt + byte] & (0x80 >> (x % 8));
            const bool clear = file[andAt + byte] & (0x80 >> (x % 8));
            const bool check = ((x / 4) + (y / 4)) % 2;
            image.At(x, y) = clear   ? (check ? Hex(0x9a9a9a) : Hex(0xc8c8c8))
                             : white ? Hex(0xffffff)
                                     : Hex(0x000000);
        }
    return image;
}

void PutCursors(Sheet& sheet, const std::string& folder, double x, double y) {
    for (const char* name : {"ArrowCursor", "HandCursor", "HandCursor2"}) {
        Point hot;
        sheet.Put(CursorImage(ReadFile(folder + "/resources/" + name + ".cur"), &hot), x, y, 4,
                  true);
        cairo_t* cr = sheet.cr();
        cairo_set_source_rgb(cr, 1, 0.2, 0.2);
        cairo_rectangle(cr, x + hot.x * 4, y + hot.y * 4, 4, 4);
        cairo_fill(cr);
        sheet.Label(name, x, y + 146);
        x += 170;
    }
}

void PutIcons(Sheet& sheet, const std::string& folder, double x, double y) {
    // The .ico's images are 32-bit; show them over a grey check.
    const std::vector<uint8_t> file = ReadFile(folder + "/resources/Varnolt.ico");
    const int count = file[4];
    for (int i = 0; i < count; ++i) {
        const uint8_t* entry = &file[6 + 16 * i];
        const int size = entry[0];
        const uint32_t offset =
            entry[12] | (entry[13] << 8) | (entry[14] << 16) | (entry[15] << 24);
        Image image(size, size);
        for (int row = 0; row < size; ++row)
            for (int col = 0; col < size; ++col) {
                const uint8_t* p =
                    &file[offset + 40 + (static_cast<size_t>(size - 1 - row) * size + col) * 4];
                const Rgb back = ((row / 4 + col / 4) % 2) ? Hex(0x9a9a9a) : Hex(0xc8c8c8);
                image.At(col, row) = Mix(back, Rgb{p[2], p[1], p[0]}, p[3] / 255.0);
            }
        sheet.Put(image, x, y, 2, true);
        x += size * 2 + 20;
    }
    sheet.Label("Varnolt.ico (16, 32, 48)", x - 230, y + 122);
}

// The bar's later buttons: every column of faces they have.
void PutLaterButtons(Sheet& sheet, const std::string& folder, double x, double y) {
    sheet.Label("Sound switch (all on, music off, all off) and picture book, twice size", x, y - 8);
    for (int button = kSoundButton; button < kButtonCount; ++button) {
        const Image faces = LoadPicture(folder, GameButtonFile(button));
        sheet.Put(faces, x, y, 2);
        x += 2 * faces.Width() + 40;
    }
}

// A finished page: the label with its star, and the sparkle's frames.
void PutReward(Sheet& sheet, const std::string& folder, double x, double y) {
    sheet.Label("Finished page: label with star, sparkle frames (twice size)", x, y - 8);
    Image label = LoadPicture(folder, kPageLabelsFile).Crop(0, 7 * 40, 106, 40);
    label.Paste(LoadPicture(folder, kFinishedStarPath), kFinishedStar.x - kPageLabel.x,
                kFinishedStar.y - kPageLabel.y);
    sheet.Put(label, x, y, 2);
    const Image sparkle = LoadPicture(folder, kSparklePicturePath);
    const Image felt =
        LoadPicture(folder, kBackgroundFile).Crop(100, 100, kSparkleSize, kSparkleSize);
    for (int frame = 0; frame < kSparkleFrames; ++frame) {
        Image over = felt;
        over.Paste(sparkle.Crop(0, frame * kSparkleSize, kSparkleSize, kSparkleSize), 0, 0, false);
        sheet.Put(over, x + 240 + frame * 90, y, 2, true);
    }
}

// The players' badges, each plain and highlighted, and the child lock's
// notice round the quit button.
void PutPlayers(Sheet& sheet, const std::string& folder, double x, double y) {
    sheet.Label("Players' badges (plain / highlighted) and the child lock's notice", x, y - 8);
    const Image badges = LoadPicture(folder, kBadgesPath);
    for (int row = 0; row < kBadgeRows; ++row)
        for (int column = 0; column < 2; ++column)
            sheet.Put(badges.Crop(column * kBadgeSize, row * kBadgeSize, kBadgeSize, kBadgeSize),
                      x + (2 * row + column) * (kBadgeSize + 8), y, 1);
    Image quit = LoadPicture(folder, kBackgroundFile).Crop(0, 0, 72, 71);
    quit.Paste(Face(LoadPicture(folder, GameButtonFile(kQuitButton)), 0), kAidMargin, kAidMargin);
    const Image notice = LoadPicture(folder, kHoldNoticePath);
    quit.Paste(notice.Crop(0, 2 * notice.Height() / kGlowFrameCount, notice.Width(),
                           notice.Height() / kGlowFrameCount),
               0, 0, false);
    sheet.Put(quit, x + 2 * kBadgeRows * (kBadgeSize + 8) + 20, y, 1);
}

// The player's own pictures: the landscape photos' background, the
// piece-count chooser, the refusal notice and the first own-page labels.
void WriteOwnPicturesSheet(const std::string& folder, const std::string& sheetFolder) {
    Sheet sheet(1340, 560);
    sheet.Label("Background of landscape photo pages", 0, 24);
    sheet.Put(LoadPicture(folder, photos::kLandscapeBackgroundPath), 0, 36, 0.5);
    sheet.Label("How many pieces?", 540, 24);
    sheet.Put(LoadBitmap(folder, kPieceCountDialogName), 540, 36, 1);
    sheet.Label("Picture refused", 940, 24);
    sheet.Put(WithButton(LoadBitmap(folder, kPictureRefusedDialogName),
                         LoadBitmap(folder, "OKButtonUp"), ToBox(kDialogOkButton)),
              940, 36, 1);
    const Image labels = LoadPicture(folder, kOwnPageLabelPath);
    sheet.Label("Own page labels 0-15", 0, 440);
    for (int frame = 0; frame < 16; ++frame)
        sheet.Put(labels.Crop(0, frame * 40, 106, 40), (frame % 8) * 124, 456 + (frame / 8) * 52,
                  1);
    sheet.Save(sheetFolder + "/own-pictures.png");
}

// The grown-up corner as the game composes it for family, with the second
// player's remove held halfway.
Image ComposeCorner(const std::string& folder, const FamilyChoice& family) {
    Image corner = LoadPicture(folder, kCornerBackgroundPath);
    const auto put = [&corner](const Image& picture, int frame, const ScreenBox& box) {
        corner.Paste(picture.Crop(0, frame * box.height, box.width, box.height), box.x, box.y);
    };
    const Image steps = LoadPicture(folder, kCornerStepsPath);
    put(steps, family.musicVolume, kCornerMusicSteps);
    put(steps, family.effectsVolume, kCornerEffectsSteps);
    const Image choices = LoadPicture(folder, kCornerChoicesPath);
    for (int fit = 0; fit < kFitSettingCount; ++fit)
        put(choices, fit * 2 + (family.fit == fit), CornerFitBox(fit));
    put(choices, kFitSettingCount * 2 + family.helpWhenStuck, kCornerHelp);
    put(choices, (kFitSettingCount + 1) * 2 + family.childLock, kCornerLock);
    const Image badges = LoadPicture(folder, kBadgesPath);
    const Image held = LoadPicture(folder, kCornerHoldButtonsPath);
    const int players = static_cast<int>(family.players.size());
    for (int i = 0; i < players; ++i) {
        put(badges.Crop(0, 0, kBadgeSize, badges.Height()), family.players[i].badge,
            CornerBadgeBox(i));
        put(held, 0, CornerStartAgainBox(i));
        if (i > 0)
            put(held, kCornerHoldFaces + (i == 1 ? 1 + kCornerHoldSteps / 2 : 0),
                CornerRemoveBox(i));
    }
    if (players < kMostPlayers)
        put(badges.Crop(0, 0, kBadgeSize, badges.Height()), kAddBadgeRow, CornerBadgeBox(players));
    return corner;
}

// The corner and its pictures' faces, and the title screen's door.
void WriteCornerSheet(const std::string& folder, const std::string& sheetFolder) {
    Sheet sheet(1720, 860);
    FamilyChoice family;
    family.players = {{0, 0}, {3, 1}, {5, 2}};
    family.musicVolume = 2;
    family.fit = kFitGenerous;
    family.childLock = true;
    sheet.Label("Grown-up corner: music 2 of 4, generous fit, child lock on, the second "
                "player's remove held halfway",
                0, 24);
    sheet.Put(ComposeCorner(folder, family), 0, 36, 1);
    const double x = 1060;
    sheet.Label("Door on the title screen: at rest, held 0/10 ... 10/10", x, 24);
    sheet.Put(LoadPicture(folder, kCornerDoorPath), x, 36, 1);
    sheet.Label("Start again / remove faces", x + 80, 60);
    const Image held = LoadPicture(folder, kCornerHoldButtonsPath);
    const int h = kCornerHoldButton.height;
    sheet.Put(held.Crop(0, 0, kCornerHoldButton.width, h * kCornerHoldFaces), x + 80, 72, 1);
    sheet.Put(held.Crop(0, h * kCornerHoldFaces, kCornerHoldButton.width, h * kCornerHoldFaces),
              x + 160, 72, 1);
    sheet.Label("Steps, silent to full", x + 250, 60);
    sheet.Put(LoadPicture(folder, kCornerStepsPath), x + 250, 72, 1);
    sheet.Label("Choices, unchosen / chosen", x + 250, 420);
    const Image choices = LoadPicture(folder, kCornerChoicesPath);
    for (int kind = 0; kind < kCornerChoiceKinds; ++kind)
        for (int chosen = 0; chosen < 2; ++chosen)
            sheet.Put(choices.Crop(0, (kind * 2 + chosen) * kCornerHelp.height, kCornerHelp.width,
                                   kCornerHelp.height),
                      x + 250 + chosen * (kCornerHelp.width + 8),
                      432 + kind * (kCornerHelp.height + 6), 1);
    sheet.Save(sheetFolder + "/corner.png");
}

} // namespace

void WriteScreenSheet(const std::string& folder, const std::string& sheetFolder) {
    Sheet sheet(2064, 1380);
    const Image tile = LoadPicture(folder, kTitleTileFile);
    const Image title = LoadPicture(folder, kTitleFile);
    Image titleScreen = DrawTitleScreen(tile, title);
    const Image start = LoadPicture(folder, kStartButtonFile);
    titleScreen.Paste(Face(start, 0), kStartButton.x, kStartButton.y);
    // A household of three, the first highlighted, and the add badge.
    const Image badges = LoadPicture(folder, kBadgesPath);
    CPlayerBadges row;
    FamilyChoice family;
    family.players = {{0, 0}, {3, 1}, {5, 2}};
    row.SetFamily(family);
    for (int32_t slot = 0; slot < row.SlotCount(); ++slot) {
        const ScreenBox box = row.SlotBox(slot);
        titleScreen.Paste(badges.Crop(slot == row.Highlight() ? kBadgeSize : 0,
                                      row.RowOf(slot) * kBadgeSize, kBadgeSize, kBadgeSize),
                          box.x, box.y);
    }
    titleScreen.Paste(
        LoadPicture(folder, kCornerDoorPath).Crop(0, 0, kCornerDoor.width, kCornerDoor.height),
        kCornerDoor.x, kCornerDoor.y);
    sheet.Label("Title screen", 0, 24);
    sheet.Put(titleScreen, 0, 36, 0.5);
    const Image ending = LoadBitmap(folder, "EndingScrnDialogBkg");
    sheet.Label("Ending screen", 528, 24);
    sheet.Put(WithButton(ending, LoadBitmap(folder, "QuitButtonUp"), ToBox(kEndingQuitButton)), 528,
              36, 0.5);
    sheet.Label("About", 1056, 24);
    sheet.Put(WithButton(LoadBitmap(folder, "AboutDialogBkg"), LoadBitmap(folder, "OKButtonUp"),
                         ToBox(kDialogOkButton)),
              1056, 36, 1);
    sheet.Label("Directions", 1432, 24);
    sheet.Put(WithButton(LoadBitmap(folder, "OneTimeDirectionsDialogBkg"),
                         LoadBitmap(folder, "OKButtonDown"), ToBox(kDialogOkButton)),
              1432, 36, 1);

    // Buttons, released above pressed, at twice their size.
    double x = 0;
    const double y = 440;
    sheet.Label("Buttons (released / pressed), twice size", 0, y - 8);
    sheet.Put(start, x, y, 2);
    x += 2 * start.Width() + 20;
    for (int button = 0; button < kSoundButton; ++button) {
        const Image faces = LoadPicture(folder, GameButtonFile(button));
        sheet.Put(faces, x, y, 2);
        x += 2 * faces.Width() + 20;
    }
    for (const char* name : {"OKButton", "QuitButton"}) {
        const Image up = LoadBitmap(folder, std::string(name) + "Up");
        sheet.Put(up, x, y, 2);
        sheet.Put(LoadBitmap(folder, std::string(name) + "Down"), x, y + 2 * up.Height(), 2);
        x += 2 * up.Width() + 20;
    }
    sheet.Label("Title tile, eight times size", 1760, y - 8);
    sheet.Put(tile, 1760, y, 8, true);

    // Page labels, all 31 frames.
    const Image labels = LoadPicture(folder, kPageLabelsFile);
    sheet.Label("Page labels 0-30", 0, 720);
    for (int frame = 0; frame < kPageLabelFrames; ++frame)
        sheet.Put(labels.Crop(0, frame * 40, 106, 40), (frame % 8) * 124, 736 + (frame / 8) * 52,
                  1);
    PutCursors(sheet, folder, 1040, 736);
    PutIcons(sheet, folder, 1560, 736);
    PutLaterButtons(sheet, folder, 0, 1000);
    PutReward(sheet, folder, 1000, 1000);
    PutPlayers(sheet, folder, 0, 1280);
    sheet.Save(sheetFolder + "/screens.png");
    WriteOwnPicturesSheet(folder, sheetFolder);
    WriteShelfSheet(folder, sheetFolder);
    WriteCornerSheet(folder, sheetFolder);
}

} // namespace content
