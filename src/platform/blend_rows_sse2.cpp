// The loops two pixels at a time, in SSE2's eight 16-bit lanes.
#include "platform/blend_rows_wide.h"

#if defined(VARNOLT_BLEND_SSE2)
#include <emmintrin.h>

namespace blend_rows::sse2 {

namespace {

__m128i LoadEight(const void* p) {
    return _mm_loadl_epi64(static_cast<const __m128i*>(p));
}

// Pixels c and c + 1 of a row, spread: their six bytes and the next two are
// read, widened to 16 bits, and the second pixel is moved up to lane 4.
__m128i SpreadTwo(const uint8_t* p) {
    const __m128i wide = _mm_unpacklo_epi8(LoadEight(p), _mm_setzero_si128());
    const __m128i firstPixel = _mm_set_epi16(0, 0, 0, 0, 0, -1, -1, -1);
    const __m128i secondPixel = _mm_set_epi16(0, -1, -1, -1, 0, 0, 0, 0);
    return _mm_or_si128(_mm_and_si128(wide, firstPixel),
                        _mm_and_si128(_mm_slli_si128(wide, 2), secondPixel));
}

// Blend in eight lanes at once. Products and sums stay below 65536, so the
// 16-bit lanes hold them exactly, as the plain version's do.
__m128i BlendLanes(__m128i a, __m128i b, __m128i weightOfB) {
    const __m128i weightOfA = _mm_sub_epi16(_mm_set1_epi16(256), weightOfB);
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(a, weightOfA), _mm_mullo_epi16(b, weightOfB));
    return _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(128)), 8);
}

} // namespace

void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint64_t* out,
               int32_t first, int32_t last, int32_t rowPixels) {
    const __m128i weightOfLower = _mm_set1_epi16(static_cast<int16_t>(weight));
    int32_t c = first;
    // Two at a time while pixel c + 2 is in the row, which the eight-byte
    // reads touch; the rest as plain.
    for (; c + 1 <= last && c + 2 < rowPixels; c += 2) {
        __m128i two = SpreadTwo(upper + 3 * c);
        if (weight != 0)
            two = BlendLanes(two, SpreadTwo(lower + 3 * c), weightOfLower);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + c), two);
    }
    plain::BlendRows(upper, lower, weight, out, c, last, rowPixels);
}

void BlendColumns(const uint64_t* blended, const ColumnTap* taps, const uint64_t* weights,
                  uint32_t* out, int32_t from, int32_t to) {
    int32_t c = from;
    for (; c + 1 < to; c += 2) {
        const __m128i a = _mm_unpacklo_epi64(LoadEight(blended + taps[c].first),
                                             LoadEight(blended + taps[c + 1].first));
        const __m128i b = _mm_unpacklo_epi64(LoadEight(blended + taps[c].second),
                                             LoadEight(blended + taps[c + 1].second));
        const __m128i weightOfB = _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + c));
        const __m128i mixed = BlendLanes(a, b, weightOfB);
        // Lanes 0 to 255 packed into bytes: blue, green, red, 0, twice.
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + c), _mm_packus_epi16(mixed, mixed));
    }
    plain::BlendColumns(blended, taps, weights, out, c, to);
}

} // namespace blend_rows::sse2

#endif
