// The screen every page is drawn over: a felt-covered table, a wooden frame
// around the picture area and a wooden bar along the bottom for the buttons.
#pragma once

#include "image.h"

namespace content {

constexpr int kBarTop = 686;
// Where the page-number label sits in the bar.
constexpr Box kPageLabel{459, 704, 106, 40};

Image DrawBackground();

} // namespace content
