#include "game/cell_grid.h"

RECT GridCellRect(const CellGrid& grid, int32_t index) {
    const int32_t left = grid.left + (index % grid.columns) * grid.cellWidth;
    const int32_t top = grid.top + (index / grid.columns) * grid.cellHeight;
    return {left, top, left + grid.cellWidth, top + grid.cellHeight};
}

RECT GridPartRect(const CellGrid& grid, int32_t index, int32_t left, int32_t top, int32_t width,
                  int32_t height) {
    const RECT cell = GridCellRect(grid, index);
    return {cell.left + left, cell.top + top, cell.left + left + width, cell.top + top + height};
}

bool InsideRect(const RECT& r, int32_t x, int32_t y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

int32_t GridCellAt(const CellGrid& grid, int32_t x, int32_t y) {
    if (x < grid.left || y < grid.top)
        return -1;
    const int32_t column = (x - grid.left) / grid.cellWidth;
    const int32_t row = (y - grid.top) / grid.cellHeight;
    if (column >= grid.columns || row >= grid.rows)
        return -1;
    const int32_t index = row * grid.columns + column;
    const RECT cell = GridCellRect(grid, index);
    const RECT inner = {cell.left + grid.gutter, cell.top + grid.gutter, cell.right - grid.gutter,
                        cell.bottom - grid.gutter};
    return InsideRect(inner, x, y) ? index : -1;
}
