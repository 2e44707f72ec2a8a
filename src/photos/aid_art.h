// The pictures that help a player find a piece and its hole, drawn from the
// piece's body shape: the selection ring round a loose piece, and the glow
// strip that pulses round a hole for a hint. Each frame lies kAidMargin
// pixels further out on every side than the drag picture's body box
// (game/play_aids.h), so the game places both from the drag picture's
// position alone. Outside the ring or glow every pixel is the key colour.
// The content tool draws them for the built-in pieces, the photo cutter for
// its own.
#pragma once

#include "photos/raster.h"

namespace photos {

// A dark, a bright and a dark band round the body: plain on any picture.
Image DrawSelectionRing(const Mask& body);

// kGlowFrameCount frames stacked top to bottom: a warm outline that grows
// wider and brighter from frame to frame.
Image DrawHoleGlow(const Mask& body);

// Where the body's top-left lies inside either picture's frame.
int AidBodyOffset();

} // namespace photos
