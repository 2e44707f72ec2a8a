// The picture dialogs' bitmaps: the about box, the one-time directions, the
// notice that progress cannot be kept, the ending screen, and the faces of their OK and Quit
// buttons.
#pragma once

#include "image.h"

namespace content {

Image DrawAboutDialog();
Image DrawDirectionsDialog();
Image DrawEndingScreen();
// The one notice the game gives: nothing it writes can be kept this time.
Image DrawCannotSaveDialog();
// The player's own pictures: a picture that could not be used, and the
// choice of how many pieces a new page gets.
Image DrawPictureRefusedDialog();
Image DrawPieceCountDialog();
// Face 0 is released, face 1 pressed.
Image DrawOkButton(const Image& dialog, int face);
Image DrawQuitButton(const Image& ending, int face);

} // namespace content
