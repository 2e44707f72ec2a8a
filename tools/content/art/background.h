// The screen every page is drawn over: a felt-covered table, a wooden frame
// around the picture area and a wooden bar along the bottom for the buttons.
#pragma once

#include "image.h"
#include "layout.h"

namespace content {

// pictureArea: where the picture lies inside its frame; the built-in pages'
// area, or the landscape frame of the player's own photos.
Image DrawBackground(const Box& pictureArea = kPictureArea);

} // namespace content
