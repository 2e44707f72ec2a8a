// The screen every page is drawn over: a felt-covered table, a wooden frame
// around the picture area and a wooden bar along the bottom for the buttons.
#pragma once

#include "image.h"

namespace content {

Image DrawBackground();

} // namespace content
