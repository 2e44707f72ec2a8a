#include "image/keyed_row.h"

#include <cstring>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARNOLT_SSE2 1
#endif

void CopyKeyedRowScalar(const uint8_t* src, int step, uint8_t* dest, int32_t width, uint32_t key) {
    for (int32_t i = 0; i < width; ++i, src += step, dest += 3) {
        if (ColourAt(src) != key) {
            dest[0] = src[0];
            dest[1] = src[1];
            dest[2] = src[2];
        }
    }
}

#ifdef VARNOLT_SSE2

namespace {

// 48 bytes hold exactly 16 pixels; bit 3p of a 48-bit mask stands for pixel
// p, the three bits 3p..3p+2 for its bytes.
constexpr uint64_t kPixelStartBits = 0x249249249249ull;
constexpr uint64_t kAllKeyBits = 0xFFFFFFFFFFFFull;

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

// Keeps dest where mask bytes are set, takes src elsewhere.
__m128i Blend(__m128i src, __m128i dest, __m128i keepDest) {
    return _mm_or_si128(_mm_andnot_si128(keepDest, src), _mm_and_si128(keepDest, dest));
}

// The key's bytes repeated in memory order for byte phases 0, 1 and 2 of a
// 48-byte block.
struct KeyPattern {
    __m128i part[3];
    explicit KeyPattern(uint32_t key) {
        const uint8_t bytes[3] = {static_cast<uint8_t>(key >> 16), static_cast<uint8_t>(key >> 8),
                                  static_cast<uint8_t>(key)};
        alignas(16) uint8_t pattern[48];
        for (int i = 0; i < 48; ++i)
            pattern[i] = bytes[i % 3];
        for (int i = 0; i < 3; ++i)
            part[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(pattern + 16 * i));
    }
};

} // namespace

void CopyKeyedRowSimd(const uint8_t* src, uint8_t* dest, int32_t width, uint32_t key) {
    if (key > 0xFFFFFF) {
        // No pixel can equal such a key.
        std::memcpy(dest, src, 3 * static_cast<size_t>(width));
        return;
    }
    const KeyPattern pattern(key);
    int32_t done = 0;
    for (; done + 16 <= width; done += 16, src += 48, dest += 48) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 16));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 32));
        const uint64_t equal =
            static_cast<uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, pattern.part[0]))) |
            static_cast<uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(b, pattern.part[1]))) << 16 |
            static_cast<uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(c, pattern.part[2]))) << 32;
        const uint64_t keyPixels = equal & (equal >> 1) & (equal >> 2) & kPixelStartBits;
        __m128i* out = reinterpret_cast<__m128i*>(dest);
        if (keyPixels == 0) {
            _mm_storeu_si128(out, a);
            _mm_storeu_si128(out + 1, b);
            _mm_storeu_si128(out + 2, c);
            continue;
        }
        const uint64_t keep = keyPixels | keyPixels << 1 | keyPixels << 2;
        if (keep == kAllKeyBits)
            continue;
        _mm_storeu_si128(out, Blend(a, _mm_loadu_si128(out), ExpandBits16(keep & 0xFFFF)));
        _mm_storeu_si128(out + 1, Blend(b, _mm_loadu_si128(out + 1),
                                        ExpandBits16(static_cast<uint32_t>(keep >> 16))));
        _mm_storeu_si128(out + 2, Blend(c, _mm_loadu_si128(out + 2),
                                        ExpandBits16(static_cast<uint32_t>(keep >> 32))));
    }
    CopyKeyedRowScalar(src, 3, dest, width - done, key);
}

void CopyRunBytes(uint8_t* dest, const uint8_t* src, uint32_t count) {
    if (count >= 16) {
        if (count > 128) {
            std::memcpy(dest, src, count);
            return;
        }
        // Whole 16-byte blocks, the last one overlapping what came before.
        const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + count - 16));
        for (uint32_t i = 0; i + 16 < count; i += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + count - 16), last);
        return;
    }
    if (count >= 8) {
        uint64_t head, tail;
        std::memcpy(&head, src, 8);
        std::memcpy(&tail, src + count - 8, 8);
        std::memcpy(dest, &head, 8);
        std::memcpy(dest + count - 8, &tail, 8);
        return;
    }
    if (count >= 4) {
        uint32_t head, tail;
        std::memcpy(&head, src, 4);
        std::memcpy(&tail, src + count - 4, 4);
        std::memcpy(dest, &head, 4);
        std::memcpy(dest + count - 4, &tail, 4);
        return;
    }
    for (uint32_t i = 0; i < count; ++i)
        dest[i] = src[i];
}

#else

void CopyKeyedRowSimd(const uint8_t* src, uint8_t* dest, int32_t width, uint32_t key) {
    CopyKeyedRowScalar(src, 3, dest, width, key);
}

void CopyRunBytes(uint8_t* dest, const uint8_t* src, uint32_t count) {
    std::memcpy(dest, src, count);
}

#endif
