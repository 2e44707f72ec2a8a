#include "image/keyed_row.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARNOLT_SSE2 1
#endif

namespace {

// Bit 3p of a block's 48-bit byte mask stands for the first byte of pixel p.
constexpr uint64_t kPixelStartBits = 0x249249249249ull;
constexpr uint64_t kAllBlockBits = 0xFFFFFFFFFFFFull;

// Marks all three bytes of each pixel whose three bytes all matched.
uint64_t WholePixels(uint64_t matchingBytes) {
    const uint64_t starts =
        matchingBytes & (matchingBytes >> 1) & (matchingBytes >> 2) & kPixelStartBits;
    return starts | starts << 1 | starts << 2;
}

} // namespace

void CopyKeyedRowScalar(const uint8_t* src, int step, uint8_t* dest, int32_t width, uint32_t key) {
    for (int32_t i = 0; i < width; ++i, src += step, dest += 3) {
        if (ColourAt(src) != key) {
            dest[0] = src[0];
            dest[1] = src[1];
            dest[2] = src[2];
        }
    }
}

CKeyedRowCopier::CKeyedRowCopier(uint32_t key) : key(key) {
    const uint8_t bytes[3] = {static_cast<uint8_t>(key >> 16), static_cast<uint8_t>(key >> 8),
                              static_cast<uint8_t>(key)};
    for (int i = 0; i < 48; ++i)
        pattern[i] = bytes[i % 3];
}

#ifdef VARNOLT_SSE2

namespace {

// Byte i of entry b is 0xFF when bit i of b is set: turns eight mask bits
// into an eight-byte blend mask with one load.
struct ByteMaskTable {
    uint64_t entries[256];
    constexpr ByteMaskTable() : entries() {
        for (int b = 0; b < 256; ++b) {
            uint64_t bytes = 0;
            for (int i = 0; i < 8; ++i)
                if ((b >> i) & 1)
                    bytes |= 0xFFull << (8 * i);
            entries[b] = bytes;
        }
    }
};
constexpr ByteMaskTable kByteMasks;

__m128i ExpandBits16(uint32_t bits) {
    return _mm_set_epi64x(static_cast<int64_t>(kByteMasks.entries[(bits >> 8) & 0xFF]),
                          static_cast<int64_t>(kByteMasks.entries[bits & 0xFF]));
}

__m128i Load(const uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

void Store(uint8_t* p, __m128i value) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), value);
}

// Takes src where keep has zero bytes, leaves dest where it has 0xFF.
void BlendInto(uint8_t* dest, __m128i src, uint32_t keepBits) {
    const __m128i keep = ExpandBits16(keepBits);
    Store(dest, _mm_or_si128(_mm_andnot_si128(keep, src), _mm_and_si128(keep, Load(dest))));
}

// One block from registers a, b, c, given which of its bytes to keep.
void CopyBlock(uint8_t* dest, __m128i a, __m128i b, __m128i c, uint64_t keep) {
    if (keep == 0) {
        Store(dest, a);
        Store(dest + 16, b);
        Store(dest + 32, c);
    } else if (keep != kAllBlockBits) {
        BlendInto(dest, a, static_cast<uint32_t>(keep));
        BlendInto(dest + 16, b, static_cast<uint32_t>(keep >> 16));
        BlendInto(dest + 32, c, static_cast<uint32_t>(keep >> 32));
    }
}

uint64_t MatchingBytes(__m128i a, __m128i b, __m128i c, const uint8_t* pattern) {
    const __m128i* p = reinterpret_cast<const __m128i*>(pattern);
    return static_cast<uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, _mm_load_si128(p)))) |
           static_cast<uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(b, _mm_load_si128(p + 1))))
               << 16 |
           static_cast<uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(c, _mm_load_si128(p + 2)))) << 32;
}

} // namespace

uint64_t CKeyedRowCopier::KeyBytes(const uint8_t* src) const {
    if (key > 0xFFFFFF)
        return 0;
    return WholePixels(MatchingBytes(Load(src), Load(src + 16), Load(src + 32), pattern));
}

void CKeyedRowCopier::CopyRow(const uint8_t* src, uint8_t* dest, int32_t width) const {
    if (key > 0xFFFFFF) {
        // No pixel can equal such a key.
        std::memcpy(dest, src, 3 * static_cast<size_t>(width));
        return;
    }
    if (width < kBlockPixels) {
        CopyKeyedRowScalar(src, 3, dest, width, key);
        return;
    }
    // The last block ends at the end of the row and may overlap the one
    // before it: copying a pixel twice from the same source gives the same
    // result, since source and destination are apart.
    for (int32_t done = 0; done < width;) {
        const int32_t at = std::min(done, width - kBlockPixels);
        done = at + kBlockPixels;
        const uint8_t* in = src + 3 * at;
        const __m128i a = Load(in);
        const __m128i b = Load(in + 16);
        const __m128i c = Load(in + 32);
        CopyBlock(dest + 3 * at, a, b, c, WholePixels(MatchingBytes(a, b, c, pattern)));
    }
}

void CKeyedRowCopier::CopyBlocks(const uint8_t* src, uint8_t* dest, const uint64_t* keyBytes,
                                 int32_t count) {
    for (int32_t i = 0; i < count; ++i, src += 48, dest += 48)
        CopyBlock(dest, Load(src), Load(src + 16), Load(src + 32), keyBytes[i]);
}

#else

uint64_t CKeyedRowCopier::KeyBytes(const uint8_t* src) const {
    if (key > 0xFFFFFF)
        return 0;
    uint64_t matching = 0;
    for (int i = 0; i < 48; ++i)
        matching |= static_cast<uint64_t>(src[i] == pattern[i]) << i;
    return WholePixels(matching);
}

void CKeyedRowCopier::CopyRow(const uint8_t* src, uint8_t* dest, int32_t width) const {
    CopyKeyedRowScalar(src, 3, dest, width, key);
}

void CKeyedRowCopier::CopyBlocks(const uint8_t* src, uint8_t* dest, const uint64_t* keyBytes,
                                 int32_t count) {
    for (int32_t i = 0; i < count; ++i, src += 48, dest += 48)
        for (int p = 0; p < kBlockPixels; ++p)
            if (((keyBytes[i] >> (3 * p)) & 1) == 0)
                std::memcpy(dest + 3 * p, src + 3 * p, 3);
}

#endif
