// A sprite whose picture is cut into a grid of equal cells of which it shows
// one: the buttons (released and pressed faces stacked) and the page-number
// strip (one cell row per page). Load the picture first, then give it rows
// and columns: loading does not recompute the cell size.
#pragma once

#include "sprites/sprite.h"

#include <cstdint>

class CGridSprite : public CSprite {
public:
    // At 0, 0; one 32 x 32 cell until rows and columns are set.
    CGridSprite(int32_t serial, int32_t tag);

    // The shown cell's rectangle at x, y. GetWidth and GetHeight still
    // report the whole picture.
    void GetRect(RECT* out) const override;
    // Draws the shown cell, neither mirrored nor checking visibility: the
    // view checks that before it calls.
    void Draw(CDIBImage* dest, const RECT* clip) const override;
    // Pixel-exact on the shown cell.
    bool HitTest(int32_t px, int32_t py) const override;

    virtual int32_t GetRows() const { return rows; }
    virtual int32_t GetColumns() const { return columns; }
    virtual int32_t GetRow() const { return row; }
    virtual int32_t GetColumn() const { return column; }
    // Cut the picture into n equal rows (columns) and show the first; no
    // notification. False, unchanged, when a cell would be under a pixel.
    virtual bool SetRows(int32_t n);
    virtual bool SetColumns(int32_t n);
    // Show another cell and report the cell rectangle. False without a
    // report when out of range or already shown.
    virtual bool SetRow(int32_t r);
    virtual bool SetColumn(int32_t c);
    virtual int32_t GetCellHeight() const { return cellHeight; }
    virtual int32_t GetCellWidth() const { return cellWidth; }

protected:
    // Top-left corner of the shown cell within the picture.
    int64_t CellLeft() const { return int64_t{column} * cellWidth; }
    int64_t CellTop() const { return int64_t{row} * cellHeight; }

    int32_t rows = 1;
    int32_t columns = 1;
    int32_t row = 0;
    int32_t column = 0;
    int32_t cellHeight;
    int32_t cellWidth;
};
