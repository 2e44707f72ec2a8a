// The smooth scaler's two inner loops. A pixel in between is kept spread:
// blue, green and red in 16-bit lanes of a 64-bit number, from the low end,
// the top lane 0, so that a channel times a weight of at most 256 fits its
// lane. Blending is (a * (256 - w) + b * w + 128) >> 8 in every lane.
//
// Each loop comes twice: in plain C++, and two pixels at a time with SSE2
// where the processor has it (every x86-64 does). Both give the same pixels
// bit for bit; the plain ones are the yardstick the tests hold the others
// to, and the only ones on other processors.
#pragma once

#include <cstdint>

namespace blend_rows {

// A client column's two blended picture columns and the weight of the
// second, 0 to 255.
struct ColumnTap {
    int32_t first;
    int32_t second;
    uint32_t weight;
};

// Called by the scaler for each client row: picture pixels first..last of
// the rows upper and lower (24-bit, blue first), blended with weight of
// lower, into out[first..last]. Bytes are read only from pixels first to
// last and those after them up to rowPixels, the row's length.
void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint64_t* out,
               int32_t first, int32_t last, int32_t rowPixels);

// Called by the scaler after BlendRows: client pixels from..to-1, each two
// blended pixels weighed by its tap, packed as blue, green, red and a zero
// byte. weights[c] holds taps[c].weight in all four lanes (LaneWeight).
void BlendColumns(const uint64_t* blended, const ColumnTap* taps, const uint64_t* weights,
                  uint32_t* out, int32_t from, int32_t to);

// A tap's weight repeated in the four lanes, as BlendColumns reads it.
uint64_t LaneWeight(uint32_t weight);

// The plain versions, always built: the yardstick.
namespace plain {
void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint64_t* out,
               int32_t first, int32_t last);
void BlendColumns(const uint64_t* blended, const ColumnTap* taps, uint32_t* out, int32_t from,
                  int32_t to);
} // namespace plain

} // namespace blend_rows
