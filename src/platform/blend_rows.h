// The smooth scaler's two inner loops. A pixel in between is kept spread:
// blue, green and red in 16-bit lanes of a 64-bit number, from the low end,
// the top lane 0, so that a channel times a weight of at most 256 fits its
// lane. Blending is (a * (256 - w) + b * w + 128) >> 8 in every lane.
//
// Each loop comes three times: in plain C++, two pixels at a time with SSE2
// (every x86-64 has it) and four at a time with AVX2 (most processors since
// 2013), the widest the processor has being taken. All give the same pixels
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

// How many pixels the loops blend at once.
enum class Lanes { kOne, kTwo, kFour };

// The widest this build and processor can run: what the scaler's loops use.
Lanes Widest();

// Called by the scaler for each client row: picture pixels first..last of
// the rows upper and lower (24-bit, blue first), blended with weight of
// lower, into out[first..last]. Bytes are read only from pixels first to
// last and those after them up to rowPixels, the row's length.
void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint64_t* out,
               int32_t first, int32_t last, int32_t rowPixels);

// Called by the scaler after BlendRows: client pixels from..to-1, each two
// blended pixels weighed by its tap, packed as blue, green, red and a zero
// byte. weights[c] holds taps[c].weight in all four lanes (LaneWeight). A
// tap's second is its first + 1, or its first with a weight of 0 (at the
// picture's edge); blended[first + 1] is read either way, so blended holds
// one pixel more than the taps name.
void BlendColumns(const uint64_t* blended, const ColumnTap* taps, const uint64_t* weights,
                  uint32_t* out, int32_t from, int32_t to);

// The same loops at a chosen width, for the tests to hold each to the plain
// ones (kOne). A width beyond Widest() runs at Widest().
void BlendRowsAt(Lanes lanes, const uint8_t* upper, const uint8_t* lower, uint32_t weight,
                 uint64_t* out, int32_t first, int32_t last, int32_t rowPixels);
void BlendColumnsAt(Lanes lanes, const uint64_t* blended, const ColumnTap* taps,
                    const uint64_t* weights, uint32_t* out, int32_t from, int32_t to);

// A tap's weight repeated in the four lanes, as BlendColumns reads it.
uint64_t LaneWeight(uint32_t weight);

} // namespace blend_rows
