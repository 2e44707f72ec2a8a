// Proposes positions for a page: holes spread over the picture on a jittered
// grid, loose pieces in one or two columns each side of it. The game's
// positions for pages 2-30 were made with this and are kept as data; the
// tool only reruns it when asked to print a new table.
#pragma once

#include "layout.h"

#include <string>
#include <vector>

namespace content {

std::vector<PieceLayout> PlanPage(int page);

// The C++ rows of game/piece_positions.cpp for the given pages.
std::string PositionTable(int firstPage, int lastPage);

} // namespace content
