#include "art/celebration.h"

#include "art/background.h"
#include "art/motifs.h"
#include "canvas.h"
#include "game/page_furniture.h"
#include "paint.h"

#include <cmath>

namespace content {

Image DrawSparkle() {
    Image strip(kSparkleSize, kSparkleSize * kSparkleFrames, kKey);
    for (int frame = 0; frame < kSparkleFrames; ++frame) {
        Canvas canvas(Image(kSparkleSize, kSparkleSize, kKey));
        cairo_t* cr = canvas.Context();
        // Hard edges: the sparkle lies on every kind of picture, and blended
        // edges would carry the key colour's pink onto it.
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        const double grow = std::sin(kPi * (frame + 0.5) / kSparkleFrames);
        const double c = kSparkleSize / 2.0;
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_rotate(cr, frame * kPi / 16);
        SetColour(cr, Hex(0xffc72c));
        motif::Star(cr, 0, 0, (kSparkleSize / 2.0 - 1) * grow, 4, 0.28);
        SetColour(cr, Hex(0xfff6c8));
        motif::Star(cr, 0, 0, (kSparkleSize / 2.0 - 1) * grow * 0.55, 4, 0.35);
        cairo_restore(cr);
        Image image = canvas.ToImage();
        strip.Paste(image, 0, frame * kSparkleSize);
    }
    return strip;
}

Image DrawFinishedStar(const Image& pageLabels) {
    const int x = kFinishedStar.x - kPageLabel.x, y = kFinishedStar.y - kPageLabel.y;
    // The plate looks the same behind this corner on every page's label.
    Canvas canvas(
        pageLabels.Crop(x, kPageLabel.height + y, kFinishedStar.width, kFinishedStar.height));
    cairo_t* cr = canvas.Context();
    const double c = kFinishedStar.width / 2.0;
    SetColour(cr, Hex(0x8a5a10));
    motif::Star(cr, c, c + 0.5, c - 0.5, 5, 0.48);
    SetColour(cr, Hex(0xffc928));
    motif::Star(cr, c, c + 0.5, c - 2.2, 5, 0.48);
    SetColour(cr, Hex(0xfff3b0));
    motif::Star(cr, c - 0.5, c, c - 6.5, 5, 0.48);
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
}

} // namespace content
