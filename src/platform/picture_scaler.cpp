#include "platform/picture_scaler.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Blue, green and red of picture pixel p, and a zero byte. Pixels before the
// row's last are read as four bytes at once, the fourth (the next pixel's
// blue) masked off; the last is read byte by byte, as nothing follows it.
uint32_t PackedPixel(const uint8_t* row, int32_t p, int32_t lastPixel) {
    const uint8_t* bytes = row + 3 * static_cast<std::ptrdiff_t>(p);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    if (p < lastPixel) {
        uint32_t fourBytes;
        std::memcpy(&fourBytes, bytes, sizeof fourBytes);
        return fourBytes & 0xFFFFFF;
    }
#else
    (void)lastPixel;
#endif
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16;
}

} // namespace

std::vector<CPictureScaler::Tap> CPictureScaler::MakeTaps(int32_t areaSize, int32_t pictureSize,
                                                          int32_t factor) {
    std::vector<Tap> taps(static_cast<size_t>(std::max(areaSize, 0)));
    for (int32_t i = 0; i < areaSize; ++i) {
        if (factor != 0) {
            const int32_t p = std::min(i / factor, pictureSize - 1);
            taps[i] = Tap{p, p, 0};
            continue;
        }
        // The client pixel's middle, in picture pixels with 8 fraction bits,
        // measured from the first picture pixel's middle.
        const int64_t centre =
            (2 * static_cast<int64_t>(i) + 1) * pictureSize * 256 / (2 * int64_t{areaSize}) - 128;
        const int64_t clamped = std::clamp<int64_t>(centre, 0, int64_t{pictureSize - 1} * 256);
        const int32_t first = static_cast<int32_t>(clamped >> 8);
        taps[i] =
            Tap{first, std::min(first + 1, pictureSize - 1), static_cast<uint32_t>(clamped & 255)};
    }
    return taps;
}

void CPictureScaler::SetFit(const PictureFit& newFit) {
    fit = newFit;
    columns = MakeTaps(fit.AreaWidth(), fit.pictureWidth, fit.factor);
    rows = MakeTaps(fit.AreaHeight(), fit.pictureHeight, fit.factor);
    columnWeights.clear();
    for (const Tap& tap : columns)
        columnWeights.push_back(blend_rows::LaneWeight(tap.weight));
    // One more than a row: the blending reads each tap's pair side by side,
    // also at the edge, where the second is the first with no weight.
    rowScratch.assign(static_cast<size_t>(std::max(fit.pictureWidth, 0)) + 1, 0);
}

void CPictureScaler::RepeatRow(const uint8_t* row, uint32_t* out, int32_t fromColumn,
                               int32_t toColumn) const {
    const int32_t lastPixel = fit.pictureWidth - 1;
    const int32_t factor = fit.factor;
    if (factor == 1) {
        for (int32_t c = fromColumn; c < toColumn; ++c)
            out[c] = PackedPixel(row, columns[c].first, lastPixel);
        return;
    }
    // Picture pixel p shows in client columns p * factor to (p + 1) * factor,
    // clipped to the block: each is read once and written factor times. The
    // loop counts picture pixels, so no step waits for a table read.
    const int32_t first = columns[fromColumn].first;
    const int32_t last = columns[toColumn - 1].first;
    for (int32_t p = first; p <= last; ++p) {
        const uint32_t pixel = PackedPixel(row, p, lastPixel);
        const int32_t begin = std::max(fromColumn, p * factor);
        const int32_t end = p < last ? (p + 1) * factor : toColumn;
        if (factor == 2 && end - begin == 2) {
            out[begin] = pixel; // the common run at 2x, without a loop
            out[begin + 1] = pixel;
            continue;
        }
        for (int32_t c = begin; c < end; ++c)
            out[c] = pixel;
    }
}

void CPictureScaler::ScaleRow(const uint8_t* upper, const uint8_t* lower, uint32_t weight,
                              uint32_t* out, int32_t fromColumn, int32_t toColumn) const {
    if (fit.factor != 0) {
        // Whole factors: each client pixel is its picture pixel, unblended.
        RepeatRow(upper, out, fromColumn, toColumn);
        return;
    }
    // First the two picture rows blended, over the columns this block reads;
    // then each client pixel blends two of those.
    blend_rows::BlendRows(upper, lower, weight, rowScratch.data(), columns[fromColumn].first,
                          columns[toColumn - 1].second, fit.pictureWidth);
    blend_rows::BlendColumns(rowScratch.data(), columns.data(), columnWeights.data(), out,
                             fromColumn, toColumn);
}

void CPictureScaler::Scale(const uint8_t* source, int32_t sourceStride, uint32_t* dst,
                           int32_t dstStride, const RECT& clientRect) const {
    const RECT& area = fit.area;
    const int32_t left = std::max(clientRect.left, area.left);
    const int32_t right = std::min(clientRect.right, area.right);
    const int32_t top = std::max(clientRect.top, area.top);
    const int32_t bottom = std::min(clientRect.bottom, area.bottom);
    if (left >= right || top >= bottom || columns.empty() || rows.empty())
        return;
    const auto sourceRow = [&](int32_t pictureRow) {
        return source +
               static_cast<std::ptrdiff_t>(fit.pictureHeight - 1 - pictureRow) * sourceStride;
    };
    // Columns are indexed from the area's left edge; out is shifted to match.
    const int32_t from = left - area.left;
    const int32_t to = right - area.left;
    for (int32_t y = top; y < bottom; ++y) {
        uint32_t* out = dst + static_cast<std::ptrdiff_t>(y) * dstStride + area.left;
        const Tap& tap = rows[y - area.top];
        // A whole factor repeats the row above when it shows the same picture
        // row: one copy instead of the arithmetic.
        if (fit.factor != 0 && y > top && rows[y - 1 - area.top].first == tap.first) {
            std::memcpy(out + from, out + from - dstStride, sizeof(uint32_t) * (to - from));
            continue;
        }
        ScaleRow(sourceRow(tap.first), sourceRow(tap.second), tap.weight, out, from, to);
    }
}
