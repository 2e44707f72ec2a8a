// The loops of blend_rows.h at each width, for its dispatch alone. Each
// wide one leaves a row's tail to the next narrower one; all take the same
// arguments as the public loops (rowPixels only bounds the wide reads).
#pragma once

#include "platform/blend_rows.h"

#if defined(__SSE2__)
#define VARNOLT_BLEND_SSE2 1
// AVX2 is compiled for single functions and used only where the processor
// says it has it, which GCC and clang can ask.
#if defined(__GNUC__)
#define VARNOLT_BLEND_AVX2 1
#endif
#endif

namespace blend_rows {

#define VARNOLT_BLEND_LOOPS                                                                        \
    void BlendRows(const uint8_t* upper, const uint8_t* lower, uint32_t weight, uint64_t* out,     \
                   int32_t first, int32_t last, int32_t rowPixels);                                \
    void BlendColumns(const uint64_t* blended, const ColumnTap* taps, const uint64_t* weights,     \
                      uint32_t* out, int32_t from, int32_t to);

namespace plain {
VARNOLT_BLEND_LOOPS
} // namespace plain

#if defined(VARNOLT_BLEND_SSE2)
namespace sse2 {
VARNOLT_BLEND_LOOPS
} // namespace sse2
#endif

#if defined(VARNOLT_BLEND_AVX2)
namespace avx2 {
VARNOLT_BLEND_LOOPS
} // namespace avx2
#endif

#undef VARNOLT_BLEND_LOOPS

} // namespace blend_rows
