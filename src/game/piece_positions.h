// Where every piece lies loose beside its page's picture and where its hole
// is in the picture: the game's layout data, shared by the game and the
// content tool so that pictures and positions can never disagree.
#pragma once

#include <cstdint>

struct PiecePositions {
    int32_t looseX;
    int32_t looseY;
    int32_t holeX;
    int32_t holeY;
};

constexpr int kPieceCount = 220;

// Indexed by piece number - 1.
extern const PiecePositions g_piecePositions[kPieceCount];
