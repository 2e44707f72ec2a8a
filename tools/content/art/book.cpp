#include "art/book.h"

#include "art/buttons.h"
#include "art/motifs.h"
#include "art/pictures.h"
#include "art/sheets.h"
#include "canvas.h"
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "layout.h"
#include "lettering.h"
#include "paint.h"

#include <cmath>
#include <string>

namespace content {

namespace {

const Rgb kInk = Hex(0x3b2a1a);
const Rgb kAccent = Hex(0x1f5e8c);

int CellX(int page) {
    return BookCellRect(page).left;
}

int CellY(int page) {
    return BookCellRect(page).top;
}

void Titles(cairo_t* cr) {
    BookTitles(cr, "Picture book", kAccent);
    DrawText(cr, "B or Esc: back to your page", 830, 78, Align::kRight);
}

void Cell(cairo_t* cr, int page) {
    const double x = CellX(page), y = CellY(page);
    BookCard(cr, x, y, kBookCellWidth, kBookCellHeight, Hex(0xc9a66b));
    UseFont(cr, Font::kSerifBold, 30);
    SetColour(cr, kInk);
    DrawText(cr, std::to_string(page), x + kBookNumberCentreX, y + kBookNumberBaseline,
             Align::kCentre);
}

void Finished(cairo_t* cr) {
    // A rosette: ribbon tails behind a gold star.
    const double c = kBookMarkWidth / 2.0;
    SetColour(cr, Hex(0xc8323c));
    Poly(cr, {c - 8, 20, c - 15, 38, c - 9, 34, c - 5, 38, c, 22});
    cairo_fill(cr);
    Poly(cr, {c + 8, 20, c + 15, 38, c + 9, 34, c + 5, 38, c, 22});
    cairo_fill(cr);
    SetColour(cr, Hex(0xa8741a));
    motif::Star(cr, c, 17, 17, 5, 0.5);
    SetColour(cr, Hex(0xffd447));
    motif::Star(cr, c, 17.5, 14, 5, 0.5);
}

void Started(cairo_t* cr, int placed, int total) {
    UseFont(cr, Font::kSansBold, 14);
    SetColour(cr, kInk);
    const double bar = kBookMarkWidth - 12;
    DrawText(cr, std::to_string(placed) + " of " + std::to_string(total), kBookMarkWidth / 2.0, 17,
             Align::kCentre);
    RoundedRect(cr, 6, 24, bar, 9, 4.5);
    SetColour(cr, Hex(0xe2d3b0));
    cairo_fill(cr);
    RoundedRect(cr, 6, 24, bar * placed / total, 9, 4.5);
    SetColour(cr, Hex(0x4caf50));
    cairo_fill(cr);
}

void Untouched(cairo_t* cr) {
    UseFont(cr, Font::kSerifItalic, 15);
    SetColour(cr, Hex(0xa89272));
    DrawText(cr, "new", kBookMarkWidth / 2.0, 24, Align::kCentre);
}

Image Shrunk(const Image& picture, int w, int h) {
    Canvas source(picture);
    Canvas target(w, h);
    cairo_t* cr = target.Context();
    cairo_scale(cr, static_cast<double>(w) / picture.Width(),
                static_cast<double>(h) / picture.Height());
    cairo_set_source_surface(cr, source.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    return target.ToImage();
}

} // namespace

Image DrawBookBackground() {
    return DrawBookPaper(Hex(0x7a4e28), Hex(0xf6ead0), Hex(0xe2cda2), [](cairo_t* cr) {
        Titles(cr);
        for (int page = 1; page <= kPageCount; ++page)
            Cell(cr, page);
    });
}

Image DrawBookThumbnails() {
    Image strip(kThumbnailWidth, kThumbnailHeight * kPageCount);
    for (int page = 1; page <= kPageCount; ++page) {
        Canvas canvas(Shrunk(PagePicture(page), kThumbnailWidth, kThumbnailHeight));
        cairo_t* cr = canvas.Context();
        cairo_rectangle(cr, 0.5, 0.5, kThumbnailWidth - 1, kThumbnailHeight - 1);
        SetColour(cr, Hex(0x5a3a1c));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        strip.Paste(canvas.ToImage(), 0, (page - 1) * kThumbnailHeight);
    }
    Avoid(strip, kKey);
    return strip;
}

Image DrawBookMarks() {
    Image sheet(kBookMarkWidth * kBookMarkCounts, kBookMarkHeight * kBookMarkCounts, kKey);
    for (int total = 1; total < kBookMarkCounts; ++total)
        for (int placed = 0; placed <= total; ++placed)
            sheet.Paste(DrawBookMarkCell(placed, total), total * kBookMarkWidth,
                        placed * kBookMarkHeight);
    return sheet;
}

Image DrawBookOutlines() {
    return DrawThumbnailRings(kOutlineWidth, kOutlineHeight, kOutlineMargin, kThumbnailWidth,
                              kThumbnailHeight);
}

Image DrawStartAgainControl(const Image& bookBackground) {
    const int w = kStartAgainRect.right - kStartAgainRect.left;
    const int h = kStartAgainRect.bottom - kStartAgainRect.top;
    const Image behind = bookBackground.Crop(kStartAgainRect.left, kStartAgainRect.top, w, h);
    const ButtonColours colours{Hex(0xffd9c2), Hex(0xe0876a), Hex(0x6a2414), Hex(0x4a1a0e)};
    Image faces(w, h * kStartAgainFrames);
    for (int frame = 0; frame < kStartAgainFrames; ++frame) {
        const bool pressed = frame > 0;
        const double done = pressed ? static_cast<double>(frame - 1) / kStartAgainSteps : 0;
        const ButtonSymbol symbol = [done, pressed](cairo_t* cr, double, double bh) {
            // A ring around the circular arrow fills as the hold goes on.
            const double cx = 26, cy = bh / 2;
            HoldRing(cr, cx, cy, 15, done, 4);
            cairo_set_line_width(cr, 2.5);
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy, 7, -kPi * 0.3, kPi * 1.4);
            cairo_stroke(cr);
            UseFont(cr, Font::kSansBold, 15);
            DrawText(cr, "Start again", 47, bh / 2 - 2, Align::kLeft);
            UseFont(cr, Font::kSans, 10);
            DrawText(cr, pressed ? "keep holding..." : "hold for 2 seconds", 47, bh / 2 + 12,
                     Align::kLeft);
        };
        const Image both = DrawButton(behind, colours, symbol);
        faces.Paste(both.Crop(0, pressed ? h : 0, w, h), 0, frame * h);
    }
    return faces;
}

Image DrawBookMarkCell(int placed, int total) {
    Canvas canvas(Image(kBookMarkWidth, kBookMarkHeight, BookCardColour()));
    cairo_t* cr = canvas.Context();
    if (placed == total)
        Finished(cr);
    else if (placed > 0)
        Started(cr, placed, total);
    else
        Untouched(cr);
    return KeyedOnCard(canvas);
}

} // namespace content
