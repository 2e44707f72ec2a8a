// A grid of equal cells on the screen, numbered in reading order from 0:
// where a cell and the parts within it lie, and which cell a point is in.
// Both pages of the picture book lay out by it (book_layout, shelf_layout).
#pragma once

#include "platform/win_types.h"

#include <cstdint>

struct CellGrid {
    int32_t left;
    int32_t top;
    int32_t cellWidth;
    int32_t cellHeight;
    int32_t columns;
    int32_t rows;
    // The cell's margin that belongs to no cell, so that a click between
    // two cells opens neither.
    int32_t gutter;
};

// Cell index's rectangle (the index need not be below columns x rows).
RECT GridCellRect(const CellGrid& grid, int32_t index);
// The width x height part at (left, top) within cell index.
RECT GridPartRect(const CellGrid& grid, int32_t index, int32_t left, int32_t top, int32_t width,
                  int32_t height);
bool InsideRect(const RECT& r, int32_t x, int32_t y);
// The cell whose inner part, the gutter in from each edge, holds the point,
// or -1 (between cells or outside the grid).
int32_t GridCellAt(const CellGrid& grid, int32_t x, int32_t y);
