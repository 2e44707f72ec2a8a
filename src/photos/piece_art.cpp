#include "photos/piece_art.h"

#include <algorithm>

namespace photos {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRecessTone{34, 38, 46};
// Margin around a body so that blurs near its edge see empty space.
constexpr int kPad = 8;

// A body mask with empty space around it, for coverage lookups.
class PaddedCoverage {
public:
    PaddedCoverage(const Mask& body, int radius) : w(body.Width() + 2 * kPad) {
        Mask padded(body.Width() + 2 * kPad, body.Height() + 2 * kPad);
        for (int y = 0; y < body.Height(); ++y)
            for (int x = 0; x < body.Width(); ++x)
                padded.Set(x + kPad, y + kPad, body.At(x, y));
        h = padded.Height();
        values = Coverage(padded, radius);
    }
    // Coverage at body coordinates (x, y); 0 outside the padded area.
    float At(int x, int y) const {
        x += kPad, y += kPad;
        if (x < 0 || y < 0 || x >= w || y >= h)
            return 0.0f;
        return values[static_cast<size_t>(y) * w + x];
    }

private:
    int w;
    int h = 0;
    std::vector<float> values;
};

// Ordered-dither thresholds: a shadow of density a sets about a of its pixels.
float Bayer(int x, int y) {
    static const int kMatrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (kMatrix[y & 3][x & 3] + 0.5f) / 16.0f;
}

// Shadow strength under a lifted piece at body coordinates (x, y).
float LiftedShadow(const PaddedCoverage& shadow, int x, int y) {
    return 0.62f * shadow.At(x - 5, y - 5);
}

// A cut piece of card: lit along its upper-left edge, shaded along the lower right.
Rgb BodyColour(Rgb picture, const PaddedCoverage& bevel, int x, int y) {
    const float light = 1.0f - bevel.At(x - 2, y - 2);
    const float dark = 1.0f - bevel.At(x + 2, y + 2);
    Rgb out = Mix(picture, kWhite, 0.42 * light);
    out = Mix(out, kBlack, 0.38 * dark);
    return out;
}

// The empty recess: a dim ghost of the picture, shaded where the edge above
// and left of it casts a shadow, with a faint lit rim on the far side.
Rgb Clean(Rgb colour, Rgb alsoAvoid = kKey);

Rgb RecessColour(Rgb picture, const PaddedCoverage& edge, int x, int y) {
    Rgb out = Mix(picture, kRecessTone, 0.76);
    const float shade = 1.0f - edge.At(x - 3, y - 3);
    const float rim = 1.0f - edge.At(x + 2, y + 2);
    out = Mix(out, kBlack, 0.6 * shade);
    out = Mix(out, kWhite, 0.28 * rim);
    // Every recess pixel differs from the picture, so a hole always shows.
    return Clean(out, picture);
}

// Keeps drawn pixels off the key, the shadow colour and one more colour.
Rgb Clean(Rgb colour, Rgb alsoAvoid) {
    while (colour == kKey || colour == kShadow || colour == alsoAvoid)
        colour = Nudged(colour);
    return colour;
}

struct PieceContext {
    const Mask& body;
    PaddedCoverage bevel;
    PaddedCoverage shadow;
    PaddedCoverage recess;
    Mask shadowOnly; // before drag, which fills it
    Mask drag;
    PieceContext(const Mask& mask)
        : body(mask), bevel(mask, 2), shadow(mask, 3), recess(mask, 3),
          drag(DragShape(mask, &shadowOnly)) {}
};

Image DrawDrag(const PieceContext& piece, const Image& picture, Point bodyInPicture) {
    Image out(piece.drag.Width(), piece.drag.Height(), kKey);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const int bx = x - kBodyInset, by = y - kBodyInset;
            if (piece.body.At(bx, by))
                out.At(x, y) = Clean(BodyColour(
                    picture.At(bodyInPicture.x + bx, bodyInPicture.y + by), piece.bevel, bx, by));
            else if (piece.shadowOnly.At(x, y))
                out.At(x, y) = kShadow;
        }
    return out;
}

// The loose picture covers exactly the drag picture's pixels as it rests 14
// right of and 7 below the loose picture's corner, so that the hit shape is
// what the player sees. Its shadow lies flatter than a lifted piece's.
Image DrawLoose(const PieceContext& piece, const Image& drag, const Image& background,
                Point loose) {
    Image out(kDragFromLoose.x + drag.Width(), kDragFromLoose.y + drag.Height(), kKey);
    for (int y = 0; y < drag.Height(); ++y)
        for (int x = 0; x < drag.Width(); ++x) {
            const int lx = x + kDragFromLoose.x, ly = y + kDragFromLoose.y;
            if (!piece.drag.At(x, y))
                continue;
            if (!piece.shadowOnly.At(x, y)) {
                out.At(lx, ly) = drag.At(x, y);
                continue;
            }
            const Rgb under = background.At(loose.x + lx, loose.y + ly);
            const float flat = 0.7f * piece.shadow.At(x - kBodyInset - 3, y - kBodyInset - 3);
            out.At(lx, ly) = Clean(Mix(under, kBlack, flat));
        }
    return out;
}

void MarkOtherBodies(Image& image, Point origin, const std::vector<PieceGeometry>& pieces,
                     const std::vector<Mask>& masks) {
    for (size_t j = 1; j < pieces.size(); ++j) {
        const Box body = pieces[j].HoleBody();
        for (int y = 0; y < body.h; ++y)
            for (int x = 0; x < body.w; ++x)
                if (masks[j].At(x, y))
                    image.At(body.x - origin.x + x, body.y - origin.y + y) = kKey;
    }
}

} // namespace

Mask DragShape(const Mask& body, Mask* shadowOnly) {
    const int w = kBodyInset + body.Width() + kShadowReach;
    const int h = kBodyInset + body.Height() + kShadowReach;
    const PaddedCoverage shadow(body, 3);
    Mask shape(w, h);
    Mask shadowPixels(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int bx = x - kBodyInset, by = y - kBodyInset;
            if (body.At(bx, by)) {
                shape.Set(x, y, true);
            } else if (LiftedShadow(shadow, bx, by) > Bayer(x, y)) {
                shape.Set(x, y, true);
                shadowPixels.Set(x, y, true);
            }
        }
    if (shadowOnly)
        *shadowOnly = shadowPixels;
    return shape;
}

std::vector<PiecePictures> DrawPiecePictures(const Image& picture, const Image& background,
                                             const std::vector<PieceGeometry>& pieces,
                                             const std::vector<Mask>& masks) {
    std::vector<PiecePictures> out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const PieceGeometry& piece = pieces[i];
        const Point area{piece.area.x, piece.area.y};
        const PieceContext context(masks[i]);
        const Box body = piece.HoleBody();
        const Point inPicture{body.x - area.x, body.y - area.y};
        PiecePictures pictures;
        pictures.drag = DrawDrag(context, picture, inPicture);
        pictures.loose = DrawLoose(context, pictures.drag, background, piece.loose);

        const Box rect = piece.HoleRect();
        pictures.placed = picture.Crop(rect.x - area.x, rect.y - area.y, rect.w, rect.h);
        if (piece.first) {
            MarkOtherBodies(pictures.placed, area, pieces, masks);
        } else {
            for (int y = 0; y < rect.h; ++y)
                for (int x = 0; x < rect.w; ++x)
                    if (!masks[i].At(x - (body.x - rect.x), y - (body.y - rect.y)))
                        pictures.placed.At(x, y) = kKey;
        }
        pictures.hole = pictures.placed;
        for (int y = 0; y < body.h; ++y)
            for (int x = 0; x < body.w; ++x)
                if (masks[i].At(x, y)) {
                    Rgb& pixel = pictures.hole.At(body.x - rect.x + x, body.y - rect.y + y);
                    pixel = RecessColour(pixel, context.recess, x, y);
                }
        out.push_back(std::move(pictures));
    }
    return out;
}

} // namespace photos
