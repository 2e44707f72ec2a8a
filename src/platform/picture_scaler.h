// The game's own scaler: copies a block of the 24-bit offscreen picture
// (rows stored bottom first, as the view keeps it) into a 32-bit client-sized
// picture (rows top first, blue, green, red and a pad byte), enlarged or
// reduced as a PictureFit says. Whole factors repeat each pixel, so the
// pixels stay sharp; any other size blends the four nearest pixels (bilinear,
// 8-bit weights, rows first; the loops are platform/blend_rows). The tables
// for a fit are made once, when the fit changes. Main thread only.
#pragma once

#include "platform/blend_rows.h"
#include "platform/picture_fit.h"

#include <cstdint>
#include <vector>

class CPictureScaler {
public:
    // Called by the presentation whenever the fit changes.
    void SetFit(const PictureFit& newFit);
    const PictureFit& Fit() const { return fit; }

    // Called by the copy to the window for each changed block: fills the
    // client rectangle clientRect (inside the fit's area, as PictureToClient
    // gives it) of dst from the picture. source: pictureWidth x pictureHeight
    // 24-bit pixels, sourceStride bytes a row, bottom row first. dst: top row
    // first, dstStride pixels a row, at least as large as the fit's area's
    // right and bottom.
    void Scale(const uint8_t* source, int32_t sourceStride, uint32_t* dst, int32_t dstStride,
               const RECT& clientRect) const;

private:
    // For one client column or row: the two picture pixels it blends and the
    // weight of the second, 0 to 255.
    using Tap = blend_rows::ColumnTap;
    static std::vector<Tap> MakeTaps(int32_t areaSize, int32_t pictureSize, int32_t factor);
    void RepeatRow(const uint8_t* row, uint32_t* out, int32_t fromColumn, int32_t toColumn) const;
    void ScaleRow(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint32_t* out,
                  int32_t fromColumn, int32_t toColumn) const;

    PictureFit fit;
    std::vector<Tap> columns; // by client column minus the area's left
    std::vector<Tap> rows;    // by client row minus the area's top
    // Each column's weight in the four lanes the blending loop reads.
    std::vector<uint64_t> columnWeights;
    // One picture row's two source rows blended, as spread pixels.
    mutable std::vector<uint64_t> rowScratch;
};
