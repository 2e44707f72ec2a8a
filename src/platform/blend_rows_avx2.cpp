// The loops four pixels at a time, in AVX2's sixteen 16-bit lanes. Only
// these functions are compiled for AVX2, and the dispatch calls them only on
// a processor that has it. The helpers are always inlined, so that no 32-byte
// value is passed on the stack: GCC cannot keep one aligned there on Windows.
#include "platform/blend_rows_wide.h"

#if defined(VARNOLT_BLEND_AVX2)
#include <immintrin.h>

#define VARNOLT_AVX2 __attribute__((target("avx2")))
#define VARNOLT_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace blend_rows::avx2 {

namespace {

// Pixels c to c + 3 of a row, spread: sixteen bytes from pixel c are read
// into both halves; the low half takes pixels c and c + 1 from them, the
// high half c + 2 and c + 3, each channel to its lane, zeros between.
VARNOLT_AVX2_INLINE __m256i SpreadFour(const uint8_t* p) {
    const __m256i both =
        _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    const __m256i lanes =
        _mm256_setr_epi8(0, -1, 1, -1, 2, -1, -1, -1, 3, -1, 4, -1, 5, -1, -1, -1, //
                         6, -1, 7, -1, 8, -1, -1, -1, 9, -1, 10, -1, 11, -1, -1, -1);
    return _mm256_shuffle_epi8(both, lanes);
}

// The plain blend in sixteen lanes, in fewer steps: a * (256 - w) + b * w
// is a * 256 + (b - a) * w, so the sum shifted down by 8 is a plus
// ((b - a) * w + 128) >> 8, both shifts rounding down. The rounding
// multiply gives that last part at once from b - a (-255 to 255) and
// w << 7 (at most 32640): (x * y + (1 << 14)) >> 15. weightOfB is w << 7.
VARNOLT_AVX2_INLINE __m256i BlendLanes(__m256i a, __m256i b, __m256i weightOfB) {
    return _mm256_add_epi16(a, _mm256_mulhrs_epi16(_mm256_sub_epi16(b, a), weightOfB));
}

// The two blended pixels of columns c and c + 2 (or c + 1 and c + 3): each
// tap's pair is side by side, so one 16-byte read takes both.
VARNOLT_AVX2_INLINE __m256i PairsOf(const uint64_t* blended, const ColumnTap& low,
                                    const ColumnTap& high) {
    const __m128i lowPair = _mm_loadu_si128(reinterpret_cast<const __m128i*>(blended + low.first));
    const __m128i highPair =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(blended + high.first));
    return _mm256_inserti128_si256(_mm256_castsi128_si256(lowPair), highPair, 1);
}

// Columns c to c + 3 (taps and weights from c) blended, in the lanes of
// quarters c, c + 1 | c + 2, c + 3.
VARNOLT_AVX2_INLINE __m256i BlendFour(const uint64_t* blended, const ColumnTap* taps,
                                      const uint64_t* weights) {
    const __m256i even = PairsOf(blended, taps[0], taps[2]);
    const __m256i odd = PairsOf(blended, taps[1], taps[3]);
    const __m256i weightOfB =
        _mm256_slli_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(weights)), 7);
    return BlendLanes(_mm256_unpacklo_epi64(even, odd), _mm256_unpackhi_epi64(even, odd),
                      weightOfB);
}

} // namespace

VARNOLT_AVX2 void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight,
                            uint64_t* out, int32_t first, int32_t last, int32_t rowPixels) {
    const __m256i weightOfLower = _mm256_set1_epi16(static_cast<int16_t>(weight << 7));
    int32_t c = first;
    // Four at a time while pixel c + 5 is in the row, which the sixteen-byte
    // read touches; the rest two at a time, then as plain.
    for (; c + 3 <= last && c + 5 < rowPixels; c += 4) {
        __m256i four = SpreadFour(upper + 3 * c);
        if (weight != 0)
            four = BlendLanes(four, SpreadFour(lower + 3 * c), weightOfLower);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + c), four);
    }
    sse2::BlendRows(upper, lower, weight, out, c, last, rowPixels);
}

VARNOLT_AVX2 void BlendColumns(const uint64_t* blended, const ColumnTap* taps,
                               const uint64_t* weights, uint32_t* out, int32_t from, int32_t to) {
    int32_t c = from;
    for (; c + 7 < to; c += 8) {
        // Packing works within each half: the bytes come out as pixels c and
        // c + 1, c + 4 and c + 5, c + 2 and c + 3, c + 6 and c + 7; the
        // permute puts those quarters in order.
        const __m256i packed =
            _mm256_packus_epi16(BlendFour(blended, taps + c, weights + c),
                                BlendFour(blended, taps + c + 4, weights + c + 4));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + c),
                            _mm256_permute4x64_epi64(packed, 0xD8));
    }
    // Four more where there are, packed the same way with nothing beside
    // them; the last few go to the narrower loops.
    if (c + 3 < to) {
        const __m256i packed =
            _mm256_packus_epi16(BlendFour(blended, taps + c, weights + c), _mm256_setzero_si256());
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + c),
                         _mm256_castsi256_si128(_mm256_permute4x64_epi64(packed, 0xD8)));
        c += 4;
    }
    sse2::BlendColumns(blended, taps, weights, out, c, to);
}

} // namespace blend_rows::avx2

#endif
