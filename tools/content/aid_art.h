// The pictures that help a player find a piece and its hole (the selection
// ring and the hole glow), drawn by the engine's aid art from a piece's
// body shape, and the child lock's notice drawn the same way.
#pragma once

#include "image.h"
#include "photos/aid_art.h"

namespace content {

using photos::AidBodyOffset;
using photos::DrawHoleGlow;
using photos::DrawSelectionRing;

// The child lock's notice: the hole glow's frames round the quit button's
// shape (a rectangle with its corners rounded off).
Image DrawHoldNotice();

} // namespace content
