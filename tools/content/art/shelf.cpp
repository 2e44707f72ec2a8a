#include "art/shelf.h"

#include "art/book.h"
#include "art/buttons.h"
#include "art/sheets.h"
#include "canvas.h"
#include "game/shelf_layout.h"
#include "layout.h"
#include "lettering.h"
#include "paint.h"

#include <string>

namespace content {

namespace {

const Rgb kInk = Hex(0x3b2a1a);
// The green of the player's own pages' labels, so that the page reads as
// theirs.
const Rgb kOwnAccent = Hex(0x2e7d32);
const ButtonColours kRemoveColours{Hex(0xffe2d6), Hex(0xd98b74), Hex(0x6a2414), Hex(0x4a1a0e)};
const ButtonColours kTapColours{Hex(0xffe89a), Hex(0xf0b43c), Hex(0x6a4a08), Hex(0x3b2a06)};

Image Crop(const Image& picture, const ScreenBox& box) {
    return picture.Crop(box.x, box.y, box.width, box.height);
}

void Titles(cairo_t* cr) {
    BookTitles(cr, "Your pictures", kOwnAccent);
    DrawText(cr, "B or Esc: back   Page Up/Down: turn", 840, 78, Align::kRight);
    DrawText(cr, "To take a picture off the shelf, hold its Remove for two seconds.", 512, 734,
             Align::kCentre);
}

void Card(cairo_t* cr, int slot) {
    const RECT cell = ShelfCellRect(slot);
    BookCard(cr, cell.left, cell.top, kShelfCellWidth, kShelfCellHeight, Hex(0xa9b57a));
}

// A waste bin, its lid a little raised.
void Bin(cairo_t* cr, double cx, double cy) {
    cairo_set_line_width(cr, 2);
    Poly(cr, {cx - 7, cy - 5, cx + 7, cy - 5, cx + 5.5, cy + 10, cx - 5.5, cy + 10});
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 9, cy - 8);
    cairo_line_to(cr, cx + 9, cy - 8);
    cairo_move_to(cr, cx - 3, cy - 10.5);
    cairo_line_to(cr, cx + 3, cy - 10.5);
    for (double x : {-2.5, 2.5}) {
        cairo_move_to(cr, cx + x, cy - 2);
        cairo_line_to(cr, cx + x * 0.9, cy + 7);
    }
    cairo_stroke(cr);
}

// The remove control's face: frame kRemoveRestFrame, kRemoveTapFrame, or
// held with `done` of the hold (0 .. 1).
ButtonSymbol RemoveSymbol(int frame, double done) {
    return [frame, done](cairo_t* cr, double, double h) {
        const double cx = 19, cy = h / 2;
        if (frame >= 2) {
            // A ring around the bin fills as the hold goes on.
            HoldRing(cr, cx, cy, 14, done, 3);
        }
        Bin(cr, cx, cy + 1);
        UseFont(cr, Font::kSansBold, 12);
        const char* word = frame == kRemoveTapFrame ? "Hold it" : "Remove";
        DrawText(cr, word, 36, cy - 1, Align::kLeft);
        UseFont(cr, Font::kSans, 10);
        const char* hint = frame == kRemoveTapFrame ? "2 seconds"
                           : frame >= 2             ? "holding..."
                                                    : "hold it";
        DrawText(cr, hint, 36, cy + 12, Align::kLeft);
    };
}

// The released or the pressed face of a button's two.
Image Face(const Image& faces, int height, bool pressed) {
    return faces.Crop(0, pressed ? height : 0, faces.Width(), height);
}

static_assert(kPreviousSheetBox.width == kNextSheetBox.width &&
                  kPreviousSheetBox.height == kNextSheetBox.height,
              "the arrows share one picture");

} // namespace

Image DrawShelfBackground() {
    return DrawBookPaper(Hex(0x4e6b3a), Hex(0xf3f0d8), Hex(0xd6dcb4), [](cairo_t* cr) {
        Titles(cr);
        for (int slot = 0; slot < kShelfPerSheet; ++slot)
            Card(cr, slot);
    });
}

Image DrawShelfMarks() {
    Image sheet(kShelfMarkWidth * kShelfMarkColumns, kShelfMarkHeight * kShelfMarkRows, kKey);
    for (int column = 0; column < kShelfMarkColumns; ++column) {
        const int total = kShelfMarkCounts[column];
        for (int placed = 0; placed <= total; ++placed)
            sheet.Paste(DrawBookMarkCell(placed, total), column * kShelfMarkWidth,
                        placed * kShelfMarkHeight);
    }
    return sheet;
}

Image DrawShelfOutlines() {
    return DrawThumbnailRings(kShelfOutlineWidth, kShelfOutlineHeight, kShelfOutlineMargin,
                              kShelfThumbWidth, kShelfThumbHeight);
}

Image DrawRemoveControl() {
    const Image behind(kRemoveWidth, kRemoveHeight, BookCardColour());
    Image faces(kRemoveWidth, kRemoveHeight * kRemoveFrames);
    for (int frame = 0; frame < kRemoveFrames; ++frame) {
        const bool pressed = frame >= 2;
        const double done = pressed ? static_cast<double>(frame - 2) / kRemoveSteps : 0;
        const ButtonColours& colours = frame == kRemoveTapFrame ? kTapColours : kRemoveColours;
        const Image both = DrawButton(behind, colours, RemoveSymbol(frame, done));
        faces.Paste(Face(both, kRemoveHeight, pressed), 0, frame * kRemoveHeight);
    }
    return faces;
}

Image DrawTurnTab(const Image& bookBackground, const Image& shelfBackground) {
    const int h = kTurnTabBox.height;
    Image faces(kTurnTabBox.width, 2 * h);
    const ButtonColours toShelf{Hex(0xc9efb8), Hex(0x6fb85a), Hex(0x1f4d1c), Hex(0x173a14)};
    faces.Paste(Face(DrawButton(Crop(bookBackground, kTurnTabBox), toShelf,
                                TextSymbol("Your pictures  >", 16)),
                     h, false),
                0, kTurnToShelfFrame * h);
    faces.Paste(Face(DrawButton(Crop(shelfBackground, kTurnTabBox), kCreamButton,
                                TextSymbol("<  Picture book", 16)),
                     h, false),
                0, kTurnToBookFrame * h);
    return faces;
}

Image DrawAddPictureControl(const Image& shelfBackground) {
    const ButtonSymbol symbol = [](cairo_t* cr, double, double bh) {
        const double cx = 21, cy = bh / 2;
        cairo_set_line_width(cr, 4.5);
        cairo_move_to(cr, cx - 9, cy);
        cairo_line_to(cr, cx + 9, cy);
        cairo_move_to(cr, cx, cy - 9);
        cairo_line_to(cr, cx, cy + 9);
        cairo_stroke(cr);
        UseFont(cr, Font::kSansBold, 13);
        DrawText(cr, "Add a picture", 38, bh / 2 - 2, Align::kLeft);
        UseFont(cr, Font::kSans, 10);
        DrawText(cr, "from your photos", 38, bh / 2 + 12, Align::kLeft);
    };
    return DrawButton(Crop(shelfBackground, kAddPictureBox), kGreenButton, symbol);
}

Image DrawSheetArrows(const Image& shelfBackground) {
    const int h = kPreviousSheetBox.height;
    Image both(kPreviousSheetBox.width, 2 * h);
    both.Paste(
        Face(DrawButton(Crop(shelfBackground, kPreviousSheetBox), kCreamButton, ArrowSymbol(true)),
             h, false),
        0, 0);
    both.Paste(
        Face(DrawButton(Crop(shelfBackground, kNextSheetBox), kCreamButton, ArrowSymbol(false)), h,
             false),
        0, h);
    return both;
}

} // namespace content
