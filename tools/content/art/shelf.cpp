#include "art/shelf.h"

#include "art/book.h"
#include "art/buttons.h"
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

void Paper(cairo_t* cr) {
    SetColour(cr, Hex(0x4e6b3a));
    cairo_paint(cr);
    RoundedRect(cr, 8, 8, kScreenWidth - 16, kScreenHeight - 16, 14);
    UseRadialGradient(cr, 512, 360, 80, 512, 384, 760, {{0, Hex(0xf3f0d8)}, {1, Hex(0xd6dcb4)}});
    cairo_fill(cr);
}

void Titles(cairo_t* cr) {
    UseFont(cr, Font::kSerifBold, 40);
    SetColour(cr, kOwnAccent);
    DrawText(cr, "Your pictures", 34, 52, Align::kLeft);
    UseFont(cr, Font::kSans, 15);
    SetColour(cr, kInk);
    DrawText(cr, "Click a picture, or choose one with the arrow keys and Enter.", 36, 78,
             Align::kLeft);
    DrawText(cr, "B or Esc: back   Page Up/Down: turn", 840, 78, Align::kRight);
    DrawText(cr, "To take a picture off the shelf, hold its Remove for two seconds.", 512, 734,
             Align::kCentre);
}

void Card(cairo_t* cr, int slot) {
    const RECT cell = ShelfCellRect(slot);
    RoundedRect(cr, cell.left + 3.5, cell.top + 3.5, kShelfCellWidth - 7, kShelfCellHeight - 7, 9);
    SetColour(cr, BookCardColour());
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xa9b57a));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
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
            cairo_set_line_width(cr, 3);
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy, 14, 0, 2 * kPi);
            cairo_save(cr);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
            cairo_stroke(cr);
            cairo_restore(cr);
            if (done > 0) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, cx, cy, 14, -kPi / 2, -kPi / 2 + 2 * kPi * done);
                cairo_stroke(cr);
            }
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
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Context();
    Paper(cr);
    Titles(cr);
    for (int slot = 0; slot < kShelfPerSheet; ++slot)
        Card(cr, slot);
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
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
    Image both(kShelfOutlineWidth, 2 * kShelfOutlineHeight, kKey);
    const double w = kShelfOutlineWidth, h = kShelfOutlineHeight;
    // As the thirty pages' book: a thin blue ring for the page being played,
    // a broad orange one outside it for the highlight.
    const struct {
        double inset, width;
        Rgb colour;
    } rings[2] = {{4.75, 2.5, Hex(0x2a6fb0)}, {1.75, 3.5, Hex(0xf08a24)}};
    const Rgb card = BookCardColour();
    for (int frame = 0; frame < 2; ++frame) {
        Canvas canvas(Image(kShelfOutlineWidth, kShelfOutlineHeight, card));
        cairo_t* cr = canvas.Context();
        const double inset = rings[frame].inset;
        RoundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 4);
        SetColour(cr, rings[frame].colour);
        cairo_set_line_width(cr, rings[frame].width);
        cairo_stroke(cr);
        Image ring = canvas.ToImage();
        Avoid(ring, kKey);
        for (int y = 0; y < ring.Height(); ++y)
            for (int x = 0; x < ring.Width(); ++x) {
                const bool inside =
                    x >= kShelfOutlineMargin && x < kShelfOutlineMargin + kShelfThumbWidth &&
                    y >= kShelfOutlineMargin && y < kShelfOutlineMargin + kShelfThumbHeight;
                if (inside || ring.At(x, y) == card)
                    ring.At(x, y) = kKey;
            }
        both.Paste(ring, 0, frame * kShelfOutlineHeight);
    }
    return both;
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
