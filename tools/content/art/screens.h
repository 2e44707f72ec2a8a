// The title screen's pictures, the game buttons and the page-number labels.
#pragma once

#include "image.h"

namespace content {

constexpr int kTitleWidth = 460;
constexpr int kTitleHeight = 468;
constexpr Point kTitlePlace{282, 150};
constexpr Box kStartButton{450, 542, 124, 50};
constexpr int kTileSize = 8;
constexpr int kPageLabelFrames = 31;

Image DrawTitlePicture();
Image DrawTitleTile();
// The title screen as the game paints it: tiles, then the title picture.
Image DrawTitleScreen(const Image& tile, const Image& title);
Image DrawStartButton(const Image& title);
// Button i of the game screen (quit, about, previous, next, clear).
Image DrawGameButton(int button, const Image& background);
Box GameButtonBox(int button);
Image DrawPageLabels(const Image& background);

} // namespace content
