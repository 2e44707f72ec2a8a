// The picture book's "your pictures" page, drawn to its layout
// (game/shelf_layout.h): the background with its empty cards, the marks for
// every piece count a picture can be cut into, the outlines, the remove
// control's faces, the turn control (on both of the book's pages), the
// "add a picture" control and the sheets' arrows.
#pragma once

#include "image.h"

namespace content {

Image DrawShelfBackground();
// One column per piece count (kShelfMarkCounts), one row per pieces placed.
Image DrawShelfMarks();
// The page being played above the keyboard highlight, keyed around them.
Image DrawShelfOutlines();
// At rest, "hold it" after a tap, then held 0/10 ... 10/10, stacked.
Image DrawRemoveControl();
// To "your pictures" over the thirty pages' background, back to the book
// over the shelf's, stacked.
Image DrawTurnTab(const Image& bookBackground, const Image& shelfBackground);
// At rest above pressed.
Image DrawAddPictureControl(const Image& shelfBackground);
// The previous sheet's arrow above the next one's.
Image DrawSheetArrows(const Image& shelfBackground);

} // namespace content
