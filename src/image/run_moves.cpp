#include "image/run_moves.h"

namespace {

bool g_wideMoves = false;

template <typename Moves>
void MoveRowsWith(const uint8_t* src, ptrdiff_t srcStride, uint8_t* dest, ptrdiff_t destStride,
                  int32_t rows, uint32_t rowBytes) {
    for (int32_t row = 0; row < rows; ++row, src += srcStride, dest += destStride)
        Moves::Move(dest, src, rowBytes);
}

#ifdef VARNOLT_AVX_MOVES
// Everything inlined, so that the wide moves are compiled into the loop.
__attribute__((target("avx"), flatten)) void MoveRowsWide(const uint8_t* src, ptrdiff_t srcStride,
                                                          uint8_t* dest, ptrdiff_t destStride,
                                                          int32_t rows, uint32_t rowBytes) {
    MoveRowsWith<WideRunMoves>(src, srcStride, dest, destStride, rows, rowBytes);
}
#endif

} // namespace

RunMoveWidth WidestRunMoves() {
#ifdef VARNOLT_AVX_MOVES
    static const bool available = __builtin_cpu_supports("avx");
    return available ? RunMoveWidth::kWide : RunMoveWidth::kNarrow;
#else
    return RunMoveWidth::kNarrow;
#endif
}

void ChooseRunMoves(RunMoveWidth width) {
    g_wideMoves = width == RunMoveWidth::kWide && WidestRunMoves() == RunMoveWidth::kWide;
}

bool UseWideRunMoves() {
    return g_wideMoves;
}

void MoveRows(const uint8_t* src, ptrdiff_t srcStride, uint8_t* dest, ptrdiff_t destStride,
              int32_t rows, uint32_t rowBytes) {
    if (rowBytes < 3)
        return;
#ifdef VARNOLT_AVX_MOVES
    if (UseWideRunMoves()) {
        MoveRowsWide(src, srcStride, dest, destStride, rows, rowBytes);
        return;
    }
#endif
    MoveRowsWith<NarrowRunMoves>(src, srcStride, dest, destStride, rows, rowBytes);
}
