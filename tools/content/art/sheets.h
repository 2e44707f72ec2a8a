// What the screens drawn as a sheet of paper share: the sheet on its edge
// (the picture book's two pages, the grown-up corner) and, for the book's
// two pages, the titles, the cards, the card colour keyed out and the rings
// round a thumbnail.
#pragma once

#include "canvas.h"
#include "paint.h"

#include <functional>

namespace content {

// Paints the whole screen in `edge` and leaves the rounded sheet inside it
// as the current path, for the caller to fill.
void SheetOnEdge(cairo_t* cr, Rgb edge);

// A book page's background: its paper on its edge, lighter (`centre`) in
// the middle and darker (`rim`) towards the edge, and what `draw` puts on it.
Image DrawBookPaper(Rgb edge, Rgb centre, Rgb rim, const std::function<void(cairo_t*)>& draw);

// The colour of the book's cards, where the marks and outlines are drawn
// before it is keyed out.
Rgb BookCardColour();
// Draws on the card colour, then makes every pixel still exactly that colour
// transparent: the edges keep their blend with the card they lie on.
Image KeyedOnCard(const Canvas& canvas);

// The page's title in `accent` and how to choose a picture below it; leaves
// the small font and the ink set for the page's further lines.
void BookTitles(cairo_t* cr, const char* title, Rgb accent);
// A card of the card colour with a thin `border`, a little inside the cell
// at (x, y) of w x h.
void BookCard(cairo_t* cr, double x, double y, double w, double h, Rgb border);

// The current page's ring above the highlight's, each w x h, keyed out
// around the rings and over the thumbnail (thumbW x thumbH at `margin`).
Image DrawThumbnailRings(int w, int h, int margin, int thumbW, int thumbH);

} // namespace content
