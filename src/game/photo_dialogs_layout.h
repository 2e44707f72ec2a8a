// The two picture dialogs of the player's own pictures, 360 x 360 like the
// others: the piece-count chooser, whose five picture buttons the content
// tool draws into its background at these places, and the notice that a
// picture could not be used, which has the usual OK button. The shell
// places the chooser's buttons by the same numbers.
#pragma once

#include "game/screen_layout.h"

#include <cstdint>

constexpr int32_t kPieceCountChoices = 5;
constexpr int32_t kPieceCountChoice[kPieceCountChoices] = {4, 6, 9, 12, 16};

// Choice i's button inside the chooser.
constexpr ScreenBox PieceCountButton(int32_t i) {
    return {22 + i * 64, 132, 56, 84};
}

constexpr const char* kPieceCountDialogName = "PieceCountDialogBkg";
constexpr const char* kPictureRefusedDialogName = "PictureRefusedDialogBkg";
