#include "platform/picture_fit.h"

#include <algorithm>

namespace {

// Division rounding towards minus infinity and towards plus infinity: client
// coordinates left of or above the picture are negative.
int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t CeilDiv(int64_t a, int64_t b) {
    return -FloorDiv(-a, b);
}

// The first client offset (from the area's edge) whose pixel shows picture
// column or row v or a later one; pixel centres are compared, so that each
// client pixel shows the picture pixel under its middle.
int32_t ClientEdge(int32_t v, int32_t areaSize, int32_t pictureSize) {
    return static_cast<int32_t>(
        CeilDiv(2 * static_cast<int64_t>(v) * areaSize - pictureSize, 2 * int64_t{pictureSize}));
}

int32_t PictureIndex(int32_t offset, int32_t areaSize, int32_t pictureSize) {
    return static_cast<int32_t>(
        FloorDiv((2 * static_cast<int64_t>(offset) + 1) * pictureSize, 2 * int64_t{areaSize}));
}

} // namespace

bool PictureFit::IsIdentity() const {
    return factor == 1 && area.left == 0 && area.top == 0;
}

PictureFit FitPicture(int32_t clientWidth, int32_t clientHeight, int32_t pictureWidth,
                      int32_t pictureHeight) {
    const int64_t cw = std::max(clientWidth, 1);
    const int64_t ch = std::max(clientHeight, 1);
    PictureFit fit;
    fit.pictureWidth = pictureWidth;
    fit.pictureHeight = pictureHeight;
    const int64_t whole = std::min(cw / pictureWidth, ch / pictureHeight);
    const bool exactlyOne = whole == 1 && (cw == pictureWidth || ch == pictureHeight);
    int64_t w = 0;
    int64_t h = 0;
    if (whole >= 2 || exactlyOne) {
        fit.factor = static_cast<int32_t>(whole);
        w = pictureWidth * whole;
        h = pictureHeight * whole;
    } else {
        fit.factor = 0;
        // Whichever side limits the picture is filled; the other is rounded
        // down so that the picture never spills over.
        if (cw * pictureHeight <= ch * pictureWidth) {
            w = cw;
            h = std::max<int64_t>(1, cw * pictureHeight / pictureWidth);
        } else {
            h = ch;
            w = std::max<int64_t>(1, ch * pictureWidth / pictureHeight);
        }
    }
    fit.area.left = static_cast<int32_t>((cw - w) / 2);
    fit.area.top = static_cast<int32_t>((ch - h) / 2);
    fit.area.right = fit.area.left + static_cast<int32_t>(w);
    fit.area.bottom = fit.area.top + static_cast<int32_t>(h);
    return fit;
}

POINT ClientToPicture(const PictureFit& fit, int32_t x, int32_t y) {
    POINT p;
    p.x = PictureIndex(x - fit.area.left, fit.AreaWidth(), fit.pictureWidth);
    p.y = PictureIndex(y - fit.area.top, fit.AreaHeight(), fit.pictureHeight);
    return p;
}

RECT PictureToClient(const PictureFit& fit, const RECT& r) {
    const int32_t grow = fit.IsSmooth() ? 1 : 0;
    const int32_t left = std::max<int32_t>(r.left - grow, 0);
    const int32_t top = std::max<int32_t>(r.top - grow, 0);
    const int32_t right = std::min<int32_t>(r.right + grow, fit.pictureWidth);
    const int32_t bottom = std::min<int32_t>(r.bottom + grow, fit.pictureHeight);
    if (r.left >= r.right || r.top >= r.bottom || left >= right || top >= bottom)
        return RECT{0, 0, 0, 0};
    RECT out;
    out.left = fit.area.left + ClientEdge(left, fit.AreaWidth(), fit.pictureWidth);
    out.top = fit.area.top + ClientEdge(top, fit.AreaHeight(), fit.pictureHeight);
    out.right = fit.area.left + ClientEdge(right, fit.AreaWidth(), fit.pictureWidth);
    out.bottom = fit.area.top + ClientEdge(bottom, fit.AreaHeight(), fit.pictureHeight);
    out.left = std::max(out.left, fit.area.left);
    out.top = std::max(out.top, fit.area.top);
    out.right = std::min(out.right, fit.area.right);
    out.bottom = std::min(out.bottom, fit.area.bottom);
    return out;
}

void LetterboxBands(const PictureFit& fit, int32_t clientWidth, int32_t clientHeight,
                    RECT bands[4]) {
    const RECT& a = fit.area;
    bands[0] = RECT{0, 0, a.left, clientHeight};
    bands[1] = RECT{a.right, 0, clientWidth, clientHeight};
    bands[2] = RECT{a.left, 0, a.right, a.top};
    bands[3] = RECT{a.left, a.bottom, a.right, clientHeight};
}
