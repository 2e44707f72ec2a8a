// The picture book's pictures, drawn to the game's own book layout
// (game/book_layout.h): the background with the title and every page's
// number, the thirty thumbnails, the marks, the two outlines and the faces
// of the start-again control.
#pragma once

#include "image.h"

namespace content {

Image DrawBookBackground();
// Page 1..30's solved picture shrunk, stacked from the top.
Image DrawBookThumbnails();
// One cell per (placed, total): total across, placed down.
Image DrawBookMarks();
// The current page's outline above the keyboard highlight's; transparent
// wherever they do not draw, so that both can show on one page.
Image DrawBookOutlines();
// At rest, then pressed with the hold 0/10 to 10/10 done, stacked.
Image DrawStartAgainControl(const Image& bookBackground);

// One mark (placed of total) keyed out around it: the thirty pages' book's
// and the player's own pictures'.
Image DrawBookMarkCell(int placed, int total);

} // namespace content
