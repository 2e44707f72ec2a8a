// The thirty page pictures, each exactly the size of the picture area.
#pragma once

#include "image.h"

#include <cairo.h>

namespace content {

using Scene = void (*)(cairo_t* cr, double w, double h);

// The drawing of one page, before it is cut into pieces.
Scene SceneOf(int page);
// What the page shows, in a few words (for the contact sheets).
const char* PageTitle(int page);

// The page picture as the pieces are cut from it: free of the key colour
// and of the shadow colour.
Image PagePicture(int page);

} // namespace content
