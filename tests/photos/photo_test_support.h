// Pictures and backgrounds made up for the photo tests.
#pragma once

#include "photos/raster.h"

#include <cstdint>
#include <vector>

// A picture whose every pixel differs from its neighbours and none is the
// transparent colour, so that any misplaced copy shows.
photos::Image PatternPicture(int width, int height);
// A 1024 x 768 page background of soft stripes.
photos::Image StripedBackground();
// The pixels of a picture as 32-bit rows (blue, green, red, alpha 255).
std::vector<uint8_t> AsBgra(const photos::Image& picture);
