// A finished page's reward: the sparkle's frames and the small star its
// page label shows.
#pragma once

#include "image.h"

namespace content {

// kSparkleFrames frames of a twinkling star, stacked, on the key colour.
Image DrawSparkle();
// The star as it sits on the page label's plate: opaque, drawn over the
// label picture's own pixels there, so the game can copy it either way.
Image DrawFinishedStar(const Image& pageLabels);

} // namespace content
