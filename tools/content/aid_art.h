// The pictures that help a player find a piece and its hole (the selection
// ring and the hole glow), drawn by the engine's aid art from a piece's
// body shape.
#pragma once

#include "image.h"
#include "photos/aid_art.h"

namespace content {

using photos::AidBodyOffset;
using photos::DrawHoleGlow;
using photos::DrawSelectionRing;

} // namespace content
