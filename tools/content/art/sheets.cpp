#include "art/sheets.h"

#include "game/screen_layout.h"
#include "lettering.h"

namespace content {

namespace {

constexpr Rgb kCard = Hex(0xfbf3df);
const Rgb kInk = Hex(0x3b2a1a);

} // namespace

void SheetOnEdge(cairo_t* cr, Rgb edge) {
    SetColour(cr, edge);
    cairo_paint(cr);
    RoundedRect(cr, 8, 8, kScreenWidth - 16, kScreenHeight - 16, 14);
}

Image DrawBookPaper(Rgb edge, Rgb centre, Rgb rim, const std::function<void(cairo_t*)>& draw) {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Context();
    SheetOnEdge(cr, edge);
    UseRadialGradient(cr, 512, 360, 80, 512, 384, 760, {{0, centre}, {1, rim}});
    cairo_fill(cr);
    draw(cr);
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
}

Rgb BookCardColour() {
    return kCard;
}

Image KeyedOnCard(const Canvas& canvas) {
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == kCard)
                image.At(x, y) = kKey;
    return image;
}

void BookTitles(cairo_t* cr, const char* title, Rgb accent) {
    UseFont(cr, Font::kSerifBold, 40);
    SetColour(cr, accent);
    DrawText(cr, title, 34, 52, Align::kLeft);
    UseFont(cr, Font::kSans, 15);
    SetColour(cr, kInk);
    DrawText(cr, "Click a picture, or choose one with the arrow keys and Enter.", 36, 78,
             Align::kLeft);
}

void BookCard(cairo_t* cr, double x, double y, double w, double h, Rgb border) {
    RoundedRect(cr, x + 3.5, y + 3.5, w - 7, h - 7, 9);
    SetColour(cr, kCard);
    cairo_fill_preserve(cr);
    SetColour(cr, border);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

Image DrawThumbnailRings(int w, int h, int margin, int thumbW, int thumbH) {
    Image both(w, 2 * h);
    // A thin blue ring close to the picture for the current page, a broad
    // orange one outside it for the highlight, so that both show on one page.
    const struct {
        double inset, width;
        Rgb colour;
    } rings[2] = {{4.75, 2.5, Hex(0x2a6fb0)}, {1.75, 3.5, Hex(0xf08a24)}};
    for (int frame = 0; frame < 2; ++frame) {
        Canvas canvas(Image(w, h, kCard));
        cairo_t* cr = canvas.Context();
        const double inset = rings[frame].inset;
        RoundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 4);
        SetColour(cr, rings[frame].colour);
        cairo_set_line_width(cr, rings[frame].width);
        cairo_stroke(cr);
        Image ring = KeyedOnCard(canvas);
        for (int y = margin; y < margin + thumbH; ++y)
            for (int x = margin; x < margin + thumbW; ++x)
                ring.At(x, y) = kKey;
        both.Paste(ring, 0, frame * h);
    }
    return both;
}

} // namespace content
