// Moving one run of opaque pixels (any byte count of at least three) between
// buffers that do not overlap. Runs are short and many, so each move is
// inline: a call to the library's memcpy costs more than a short run itself.
// Two flavours: 16-byte moves, which every x86-64 processor has, and 32-byte
// moves for processors with AVX, chosen at run time. Whole rows of opaque
// copies go the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>
#define VARNOLT_X86_MOVES 1
#if defined(__GNUC__)
#define VARNOLT_AVX_MOVES 1
#endif
#endif

// Moves of fewer than 32 bytes: two moves that may overlap in the middle.
inline void MoveShortRun(uint8_t* dest, const uint8_t* src, uint32_t count) {
    if (count >= 16) {
#ifdef VARNOLT_X86_MOVES
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + count - 16));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), head);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + count - 16), tail);
#else
        std::memcpy(dest, src, count);
#endif
    } else if (count >= 8) {
        uint64_t head, tail;
        std::memcpy(&head, src, 8);
        std::memcpy(&tail, src + count - 8, 8);
        std::memcpy(dest, &head, 8);
        std::memcpy(dest + count - 8, &tail, 8);
    } else if (count >= 4) {
        uint32_t head, tail;
        std::memcpy(&head, src, 4);
        std::memcpy(&tail, src + count - 4, 4);
        std::memcpy(dest, &head, 4);
        std::memcpy(dest + count - 4, &tail, 4);
    } else {
        std::memcpy(dest, src, 3);
    }
}

struct NarrowRunMoves {
    // Above this the library's memcpy, with whatever moves it picks, wins.
    static constexpr uint32_t kLongRunBytes = 384;

    static void Move(uint8_t* dest, const uint8_t* src, uint32_t count) {
#ifdef VARNOLT_X86_MOVES
        if (count >= 32 && count <= kLongRunBytes) {
            // The last 32 bytes may overlap the step before them.
            const __m128i tailA =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + count - 32));
            const __m128i tailB =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + count - 16));
            for (uint32_t i = 0; i + 32 < count; i += 32) {
                const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
                const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 16));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), a);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i + 16), b);
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + count - 32), tailA);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + count - 16), tailB);
            return;
        }
#endif
        if (count >= 32)
            std::memcpy(dest, src, count);
        else
            MoveShortRun(dest, src, count);
    }
};

#ifdef VARNOLT_AVX_MOVES
struct WideRunMoves {
    __attribute__((target("avx"))) static void Move(uint8_t* dest, const uint8_t* src,
                                                    uint32_t count) {
        if (count < 32) {
            MoveShortRun(dest, src, count);
            return;
        }
        // One unaligned move for the head, then moves to 32-byte aligned
        // destinations (a move across two cache lines costs two), then the
        // last 32 bytes, which may overlap the moves before them.
        const __m256i head = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src));
        const __m256i tail = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + count - 32));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest), head);
        uint32_t i = 32 - static_cast<uint32_t>(reinterpret_cast<uintptr_t>(dest) & 31);
        for (; i + 32 < count; i += 32)
            _mm256_store_si256(reinterpret_cast<__m256i*>(dest + i),
                               _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest + count - 32), tail);
    }
};
#endif

// The moves every copy uses: narrow until the program chooses. The game
// chooses the widest its processor has when it starts; tests choose each in
// turn to compare them.
enum class RunMoveWidth { kNarrow, kWide };
// kWide where this build has the wide moves and the processor has AVX.
RunMoveWidth WidestRunMoves();
// Copies use these moves from now on; kWide counts only where WidestRunMoves
// allows it.
void ChooseRunMoves(RunMoveWidth width);
// Whether the copies use WideRunMoves.
bool UseWideRunMoves();

// Copies rows of rowBytes each between pictures that share no pixels.
void MoveRows(const uint8_t* src, ptrdiff_t srcStride, uint8_t* dest, ptrdiff_t destStride,
              int32_t rows, uint32_t rowBytes);
