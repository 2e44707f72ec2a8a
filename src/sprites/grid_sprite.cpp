#include "sprites/grid_sprite.h"
#include "diag/log.h"
#include "sprites/rect_math.h"
#include "sprites/sprite_owner.h"

CGridSprite::CGridSprite(int32_t serial, int32_t tag)
    : CSprite(serial, tag, nullptr), cellHeight(GetHeight()), cellWidth(GetWidth()) {}

void CGridSprite::GetRect(RECT* out) const {
    out->left = x;
    out->top = y;
    out->right = SaturateToInt32(int64_t{x} + cellWidth);
    out->bottom = SaturateToInt32(int64_t{y} + cellHeight);
}

void CGridSprite::Draw(CDIBImage* dest, const RECT* clip) const {
    DrawPart(dest, clip, CellLeft(), CellTop(), false);
}

bool CGridSprite::HitTest(int32_t px, int32_t py) const {
    if (!StrictlyInside(px, py, cellWidth, cellHeight))
        return false;
    // A cell past the picture's end reads as out of range: GetPixel then
    // logs and gives colour 0.
    const int32_t cellX = SaturateToInt32(int64_t{px} - x + CellLeft());
    const int32_t cellY = SaturateToInt32(int64_t{py} - y + CellTop());
    uint32_t colour = 0;
    GetPixel(cellX, cellY, &colour);
    return colour != colourKey;
}

bool CGridSprite::SetRows(int32_t n) {
    if (n < 1) {
        Log("Invalid number of rows");
        return false;
    }
    const int32_t cellSize = GetHeight() / n;
    if (cellSize < 1) {
        Log("Can't make them that small");
        return false;
    }
    rows = n;
    row = 0;
    cellHeight = cellSize;
    return true;
}

bool CGridSprite::SetColumns(int32_t n) {
    if (n < 1)
        return false;
    const int32_t cellSize = GetWidth() / n;
    if (cellSize < 1) {
        Log("Can't make them that small");
        return false;
    }
    columns = n;
    column = 0;
    cellWidth = cellSize;
    return true;
}

bool CGridSprite::SetRow(int32_t r) {
    if (r < 0 || r >= rows) {
        Log("Invalid row");
        return false;
    }
    if (r == row)
        return false;
    row = r;
    RECT rect;
    GetRect(&rect);
    Notify(kLooksChanged, &rect, nullptr);
    return true;
}

bool CGridSprite::SetColumn(int32_t c) {
    if (c < 0 || c >= columns) {
        Log("Invalid column");
        return false;
    }
    if (c == column)
        return false;
    column = c;
    RECT rect;
    GetRect(&rect);
    Notify(kLooksChanged, &rect, nullptr);
    return true;
}
