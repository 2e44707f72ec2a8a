#include "shelf_sheet.h"

#include "art/pictures.h"
#include "canvas.h"
#include "game/book_layout.h"
#include "game/player_badges.h"
#include "game/shelf_layout.h"
#include "layout.h"
#include "lettering.h"
#include "page_view.h"
#include "paint.h"
#include "shelf/shelf_pages.h"

namespace content {

namespace {

constexpr int kGutter = 16;
constexpr int kCaption = 36;

// A sample of the player's pictures: piece count, pieces placed, and
// whether the photo is landscape (cut from a built-in picture's middle).
struct Sample {
    int count;
    int placed;
    bool landscape;
};
constexpr Sample kSamples[] = {{4, 0, false}, {6, 3, true},    {9, 9, false}, {12, 5, true},
                               {16, 0, true}, {16, 15, false}, {9, 2, true}};

Box BoxOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Image SamplePicture(int index, bool landscape) {
    const Image page = PagePicture(index + 1);
    if (!landscape)
        return page;
    const int height = page.Width() * 3 / 4;
    return page.Crop(0, (page.Height() - height) / 2, page.Width(), height);
}

// The page as the game draws it with kSamples on its first sheet, the
// second being played, the highlight on the fourth, the third's remove
// control just tapped and the fifth's held six tenths of the way.
Image ComposeShelf(const std::string& folder) {
    Image shelf = LoadPicture(folder, kShelfBackgroundPath);
    const Image marks = LoadPicture(folder, kShelfMarksPath);
    const Image outlines = LoadPicture(folder, kShelfOutlinesPath);
    const Image remove = LoadPicture(folder, kRemoveControlPath);
    int slot = 0;
    for (const Sample& sample : kSamples) {
        const Image thumbnail = MakeShelfThumbnail(SamplePicture(slot, sample.landscape));
        const Box at = BoxOf(ShelfThumbRect(slot, thumbnail.Width(), thumbnail.Height()));
        shelf.Paste(thumbnail, at.x, at.y);
        const Box outline = BoxOf(ShelfOutlineRect(slot));
        for (int frame = 0; frame < 2; ++frame)
            if ((frame == 0 && slot == 1) || (frame == 1 && slot == 3))
                shelf.Paste(outlines.Crop(0, frame * kShelfOutlineHeight, kShelfOutlineWidth,
                                          kShelfOutlineHeight),
                            outline.x, outline.y, false);
        const Box mark = BoxOf(ShelfMarkRect(slot));
        shelf.Paste(marks.Crop(ShelfMarkColumn(sample.count) * kShelfMarkWidth,
                               sample.placed * kShelfMarkHeight, kShelfMarkWidth, kShelfMarkHeight),
                    mark.x, mark.y, false);
        const int face = slot == 2 ? kRemoveTapFrame : slot == 4 ? 2 + 6 : kRemoveRestFrame;
        const Box control = BoxOf(ShelfRemoveRect(slot));
        shelf.Paste(remove.Crop(0, face * kRemoveHeight, kRemoveWidth, kRemoveHeight), control.x,
                    control.y, false);
        ++slot;
    }
    const Image tab = LoadPicture(folder, kTurnTabPath);
    shelf.Paste(
        tab.Crop(0, kTurnToBookFrame * kTurnTabBox.height, kTurnTabBox.width, kTurnTabBox.height),
        kTurnTabBox.x, kTurnTabBox.y, false);
    shelf.Paste(LoadPicture(folder, kAddPicturePath)
                    .Crop(0, 0, kAddPictureBox.width, kAddPictureBox.height),
                kAddPictureBox.x, kAddPictureBox.y, false);
    const Image arrows = LoadPicture(folder, kSheetArrowsPath);
    for (const ScreenBox* box : {&kPreviousSheetBox, &kNextSheetBox})
        shelf.Paste(
            arrows.Crop(0, box == &kNextSheetBox ? box->height : 0, box->width, box->height),
            box->x, box->y, false);
    // Whose pictures: the first player's badge.
    shelf.Paste(LoadPicture(folder, kBadgesPath).Crop(0, 0, kBadgeSize, kBadgeSize),
                kShelfBadgeBox.x, kShelfBadgeBox.y);
    return shelf;
}

// The thirty pages' title band as a player with pictures sees it.
Image BookBand(const std::string& folder) {
    Image band = LoadPicture(folder, kBookBackgroundPath).Crop(0, 0, kScreenWidth, 90);
    const Image tab = LoadPicture(folder, kTurnTabPath);
    band.Paste(
        tab.Crop(0, kTurnToShelfFrame * kTurnTabBox.height, kTurnTabBox.width, kTurnTabBox.height),
        kTurnTabBox.x, kTurnTabBox.y, false);
    return band;
}

} // namespace

void WriteShelfSheet(const std::string& folder, const std::string& sheetFolder) {
    const Image faces = LoadPicture(folder, kRemoveControlPath);
    const int side = 2 * (kRemoveWidth + 4);
    Image sheet(kScreenWidth + kGutter + side, kScreenHeight + 90 + 2 * kCaption, Hex(0x2a2a2e));
    sheet.Paste(ComposeShelf(folder), 0, kCaption);
    sheet.Paste(BookBand(folder), 0, kScreenHeight + 2 * kCaption);
    for (int frame = 0; frame < kRemoveFrames; ++frame)
        sheet.Paste(faces.Crop(0, frame * kRemoveHeight, kRemoveWidth, kRemoveHeight),
                    kScreenWidth + kGutter + (frame % 2) * (kRemoveWidth + 4),
                    kCaption + (frame / 2) * (kRemoveHeight + 4));
    Canvas canvas(sheet);
    cairo_t* cr = canvas.Context();
    SetColour(cr, Hex(0xf2efe6));
    UseFont(cr, Font::kSansBold, 20);
    DrawText(cr, "Your pictures: 2nd played, highlight on 4th, 3rd's remove tapped, 5th's held", 8,
             26, Align::kLeft);
    DrawText(cr, "The thirty pages' title band for a player with pictures", 8,
             kScreenHeight + kCaption + 26, Align::kLeft);
    canvas.WritePng(sheetFolder + "/shelf.png");
}

} // namespace content
