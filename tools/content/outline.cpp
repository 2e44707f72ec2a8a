#include "outline.h"

#include "random.h"

namespace content {

namespace {

constexpr uint64_t kOutlineSeed = 0x6f75746c696e65ull;

} // namespace

OutlineStyle StyleOfPage(int page) {
    // Pebbles suit the softer pictures; the rest are classic jigsaw pieces.
    switch (page) {
    case 4:
    case 8:
    case 11:
    case 14:
    case 19:
    case 22:
    case 25:
    case 28:
        return OutlineStyle::kPebble;
    default:
        return OutlineStyle::kJigsaw;
    }
}

Polygon PieceOutline(int page, int piece, int w, int h) {
    Random random(kOutlineSeed, static_cast<uint64_t>(page), static_cast<uint64_t>(piece));
    return StyleOfPage(page) == OutlineStyle::kPebble ? photos::PebbleOutline(random, w, h)
                                                      : photos::JigsawOutline(random, w, h);
}

Polygon EmblemOutline(double size) {
    using photos::Side;
    Random random(kOutlineSeed);
    const Side sides[4] = {Side::kOut, Side::kOut, Side::kIn, Side::kIn};
    return photos::JigsawWithSides(sides, size, size, 0.25 * size, random);
}

Mask PieceMask(int page, int piece, int w, int h) {
    return Rasterize(PieceOutline(page, piece, w, h), w, h);
}

} // namespace content
