#include "platform/blend_rows.h"
#include "platform/blend_rows_wide.h"

namespace blend_rows {

namespace {

constexpr uint64_t kLaneMask = 0x000000FF00FF00FFull;
constexpr uint64_t kLaneHalf = 0x0000008000800080ull;

uint64_t Spread(const uint8_t* p) {
    return uint64_t{p[0]} | uint64_t{p[1]} << 16 | uint64_t{p[2]} << 32;
}

// A lane's sum is at most 255 * 256 + 128, so no carry reaches the next.
uint64_t Blend(uint64_t a, uint64_t b, uint32_t weightOfB) {
    return ((a * (256 - weightOfB) + b * weightOfB + kLaneHalf) >> 8) & kLaneMask;
}

uint32_t Pack(uint64_t lanes) {
    return static_cast<uint32_t>((lanes & 0xFF) | ((lanes >> 8) & 0xFF00) |
                                 ((lanes >> 16) & 0xFF0000));
}

Lanes FindWidest() {
#if defined(VARNOLT_BLEND_AVX2)
    __builtin_cpu_init(); // may run before the constructor that would call it
    if (__builtin_cpu_supports("avx2"))
        return Lanes::kFour;
#endif
#if defined(VARNOLT_BLEND_SSE2)
    return Lanes::kTwo;
#else
    return Lanes::kOne;
#endif
}

} // namespace

uint64_t LaneWeight(uint32_t weight) {
    return uint64_t{weight} * 0x0001000100010001ull;
}

namespace plain {

void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint64_t* out,
               int32_t first, int32_t last, int32_t) {
    // A weight of 0 is the upper row itself: no need to read the lower.
    if (weight == 0) {
        for (int32_t c = first; c <= last; ++c)
            out[c] = Spread(upper + 3 * c);
        return;
    }
    for (int32_t c = first; c <= last; ++c)
        out[c] = Blend(Spread(upper + 3 * c), Spread(lower + 3 * c), weight);
}

void BlendColumns(const uint64_t* blended, const ColumnTap* taps, const uint64_t*, uint32_t* out,
                  int32_t from, int32_t to) {
    for (int32_t c = from; c < to; ++c) {
        const ColumnTap& tap = taps[c];
        out[c] = Pack(Blend(blended[tap.first], blended[tap.second], tap.weight));
    }
}

} // namespace plain

Lanes Widest() {
    static const Lanes widest = FindWidest();
    return widest;
}

void BlendRowsAt(Lanes lanes, const uint8_t* upper, const uint8_t* lower, uint32_t weight,
                 uint64_t* out, int32_t first, int32_t last, int32_t rowPixels) {
    switch (lanes < Widest() ? lanes : Widest()) {
#if defined(VARNOLT_BLEND_AVX2)
    case Lanes::kFour:
        return avx2::BlendRows(upper, lower, weight, out, first, last, rowPixels);
#endif
#if defined(VARNOLT_BLEND_SSE2)
    case Lanes::kTwo:
        return sse2::BlendRows(upper, lower, weight, out, first, last, rowPixels);
#endif
    default:
        return plain::BlendRows(upper, lower, weight, out, first, last, rowPixels);
    }
}

void BlendColumnsAt(Lanes lanes, const uint64_t* blended, const ColumnTap* taps,
                    const uint64_t* weights, uint32_t* out, int32_t from, int32_t to) {
    switch (lanes < Widest() ? lanes : Widest()) {
#if defined(VARNOLT_BLEND_AVX2)
    case Lanes::kFour:
        return avx2::BlendColumns(blended, taps, weights, out, from, to);
#endif
#if defined(VARNOLT_BLEND_SSE2)
    case Lanes::kTwo:
        return sse2::BlendColumns(blended, taps, weights, out, from, to);
#endif
    default:
        return plain::BlendColumns(blended, taps, weights, out, from, to);
    }
}

void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint64_t* out,
               int32_t first, int32_t last, int32_t rowPixels) {
    BlendRowsAt(Widest(), upper, lower, weight, out, first, last, rowPixels);
}

void BlendColumns(const uint64_t* blended, const ColumnTap* taps, const uint64_t* weights,
                  uint32_t* out, int32_t from, int32_t to) {
    BlendColumnsAt(Widest(), blended, taps, weights, out, from, to);
}

} // namespace blend_rows
