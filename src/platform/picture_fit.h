// Where the game's fixed 1024 x 768 picture lies in a window's client area of
// any size, and how points and rectangles move between the two. The picture
// is scaled to fit with its aspect kept and centred; what is left over on
// either side is the letterbox band. An exact integer factor (2x and more)
// keeps the pixels sharp; any other size takes the smooth filter. At 1:1 the
// mapping is the identity and the game is drawn exactly as it always was.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

struct PictureFit {
    int32_t pictureWidth = 0; // the game's picture, 1024 x 768
    int32_t pictureHeight = 0;
    RECT area = {};     // the scaled picture in client coordinates
    int32_t factor = 1; // the integer factor, or 0: the smooth filter

    int32_t AreaWidth() const { return area.right - area.left; }
    int32_t AreaHeight() const { return area.bottom - area.top; }
    // True when the picture is copied pixel for pixel (factor 1, no offset).
    bool IsIdentity() const;
    bool IsSmooth() const { return factor == 0; }
};

// Called by the presentation whenever the client area's size changes: the
// largest picture of the game's aspect that fits clientWidth x clientHeight,
// centred. Factors of 2 and more are taken whole; a client area of exactly
// the picture's size is 1:1; anything else scales smoothly. A client area of
// no size still gets a picture of one pixel, so nothing divides by zero.
PictureFit FitPicture(int32_t clientWidth, int32_t clientHeight, int32_t pictureWidth,
                      int32_t pictureHeight);

// Called by the window procedure for every mouse message: the picture's
// pixel shown at client pixel (x, y). Pixels of the bands map outside the
// picture (below 0 or at its width or height and beyond), where nothing can
// be hit; a captured pointer beyond the window keeps mapping the same way.
POINT ClientToPicture(const PictureFit& fit, int32_t x, int32_t y);

// Called by the copies to the window: the client rectangle whose pixels
// depend on the picture's rectangle r. For the smooth filter a client pixel
// blends its picture pixel's neighbours too, so r grows by one picture pixel
// on every side first. Clipped to the picture's area; empty stays empty.
RECT PictureToClient(const PictureFit& fit, const RECT& r);

// Called by the presentation to paint the bands: the up to four client
// rectangles around the picture's area (left, right, top, bottom bands),
// each possibly empty.
void LetterboxBands(const PictureFit& fit, int32_t clientWidth, int32_t clientHeight,
                    RECT bands[4]);
