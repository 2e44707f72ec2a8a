#include "game/piece_positions.h"

// Page 1's layout; the other pages' layouts come with their pictures.
const PiecePositions g_piecePositions[kPieceCount] = {
    // Page 1: pieces 1-9
    {776, 326, 299, 54},
    {140, 30, 472, 82},
    {760, 148, 607, 67},
    {762, 503, 322, 231},
    {33, 294, 507, 181},
    {121, 571, 307, 403},
    {854, 32, 446, 392},
    {864, 182, 329, 500},
    {30, 111, 521, 477},
};
