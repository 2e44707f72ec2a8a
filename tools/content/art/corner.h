// The grown-up corner's pictures, drawn to the game's own corner layout
// (game/screen_layout.h, game/corner_holds.h): the background with its
// labels and fixed buttons, each volume's steps, the choices unchosen and
// chosen, the players' held buttons, and the title screen's door.
#pragma once

#include "image.h"

namespace content {

Image DrawCornerBackground();
// Silent to full, stacked.
Image DrawCornerSteps(const Image& cornerBackground);
// The three fits, help and the lock, each unchosen above chosen, stacked.
Image DrawCornerChoices(const Image& cornerBackground);
// Start again's faces (at rest, then held 0/10 ... 10/10), then remove's.
Image DrawCornerHoldButtons(const Image& cornerBackground);
// The door on the title screen, over titleScreen's pixels, faces as above.
Image DrawCornerDoor(const Image& titleScreen);

} // namespace content
