// The title screen's pictures, the game buttons and the page-number labels.
#pragma once

#include "image.h"

namespace content {

Image DrawTitlePicture();
Image DrawTitleTile();
// The title screen as the game paints it: tiles, then the title picture.
Image DrawTitleScreen(const Image& tile, const Image& title);
Image DrawStartButton(const Image& title);
// Button i of the game screen (quit, about, previous, next, clear).
Image DrawGameButton(int button, const Image& background);
Image DrawPageLabels(const Image& background);
// The player's own pages' labels (sprites/page_source.h): row 0 blank, row n
// a heart and n.
Image DrawOwnPageLabels(const Image& background);

} // namespace content
