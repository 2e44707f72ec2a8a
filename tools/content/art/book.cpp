#include "art/book.h"

#include "art/buttons.h"
#include "art/motifs.h"
#include "art/pictures.h"
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

// Every cell is a flat card of this colour where its marks and outlines go,
// so that they can be drawn over it once and keyed out everywhere else.
constexpr Rgb kCard = Hex(0xfbf3df);
const Rgb kInk = Hex(0x3b2a1a);
const Rgb kAccent = Hex(0x1f5e8c);

int CellX(int page) {
    return BookCellRect(page).left;
}

int CellY(int page) {
    return BookCellRect(page).top;
}

void Paper(cairo_t* cr) {
    SetColour(cr, Hex(0x7a4e28));
    cairo_paint(cr);
    RoundedRect(cr, 8, 8, kScreenWidth - 16, kScreenHeight - 16, 14);
    UseRadialGradient(cr, 512, 360, 80, 512, 384, 760, {{0, Hex(0xf6ead0)}, {1, Hex(0xe2cda2)}});
    cairo_fill(cr);
}

void Titles(cairo_t* cr) {
    UseFont(cr, Font::kSerifBold, 40);
    SetColour(cr, kAccent);
    DrawText(cr, "Picture book", 34, 52, Align::kLeft);
    UseFont(cr, Font::kSans, 15);
    SetColour(cr, kInk);
    DrawText(cr, "Click a picture, or choose one with the arrow keys and Enter.", 36, 78,
             Align::kLeft);
    DrawText(cr, "B or Esc: back to your page", 830, 78, Align::kRight);
}

void Cell(cairo_t* cr, int page) {
    const double x = CellX(page), y = CellY(page);
    RoundedRect(cr, x + 3.5, y + 3.5, kBookCellWidth - 7, kBookCellHeight - 7, 9);
    SetColour(cr, kCard);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xc9a66b));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    UseFont(cr, Font::kSerifBold, 30);
    SetColour(cr, kInk);
    DrawText(cr, std::to_string(page), x + kBookNumberCentreX, y + kBookNumberBaseline,
             Align::kCentre);
}

// Draws on the card colour, then makes every pixel still exactly that colour
// transparent: the edges keep their blend with the card they lie on.
Image KeyedOnCard(const Canvas& canvas) {
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == kCard)
                image.At(x, y) = kKey;
    return image;
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
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Context();
    Paper(cr);
    Titles(cr);
    for (int page = 1; page <= kPageCount; ++page)
        Cell(cr, page);
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
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
        for (int placed = 0; placed <= total; ++placed) {
            Canvas canvas(Image(kBookMarkWidth, kBookMarkHeight, kCard));
            cairo_t* cr = canvas.Context();
            if (placed == total)
                Finished(cr);
            else if (placed > 0)
                Started(cr, placed, total);
            else
                Untouched(cr);
            sheet.Paste(KeyedOnCard(canvas), total * kBookMarkWidth, placed * kBookMarkHeight);
        }
    return sheet;
}

Image DrawBookOutlines() {
    Image both(kOutlineWidth, 2 * kOutlineHeight);
    const double w = kOutlineWidth, h = kOutlineHeight;
    // The current page: a thin blue ring close to the picture. The highlight:
    // a broad orange one outside it, so that both show on one page.
    const struct {
        double inset, width;
        Rgb colour;
    } rings[2] = {{4.75, 2.5, Hex(0x2a6fb0)}, {1.75, 3.5, Hex(0xf08a24)}};
    for (int frame = 0; frame < 2; ++frame) {
        Canvas canvas(Image(kOutlineWidth, kOutlineHeight, kCard));
        cairo_t* cr = canvas.Context();
        const double inset = rings[frame].inset;
        RoundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 4);
        SetColour(cr, rings[frame].colour);
        cairo_set_line_width(cr, rings[frame].width);
        cairo_stroke(cr);
        Image ring = KeyedOnCard(canvas);
        for (int y = kOutlineMargin; y < kOutlineMargin + kThumbnailHeight; ++y)
            for (int x = kOutlineMargin; x < kOutlineMargin + kThumbnailWidth; ++x)
                ring.At(x, y) = kKey;
        both.Paste(ring, 0, frame * kOutlineHeight);
    }
    return both;
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
            const double cx = 26, cy = bh / 2, r = 15;
            cairo_set_line_width(cr, 4);
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
            cairo_save(cr);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
            cairo_stroke(cr);
            cairo_restore(cr);
            if (done > 0) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, cx, cy, r, -kPi / 2, -kPi / 2 + 2 * kPi * done);
                cairo_stroke(cr);
            }
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

Rgb BookCardColour() {
    return kCard;
}

Image DrawBookMarkCell(int placed, int total) {
    Canvas canvas(Image(kBookMarkWidth, kBookMarkHeight, kCard));
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
