#include "image/opaque_runs.h"
#include "image/run_moves.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

constexpr int32_t kBlock = CKeyedRowCopier::kBlockPixels;
// Below this average length, handling runs one by one costs more than
// copying sixteen pixels at a time under a mask.
constexpr int32_t kShortestWorthwhileRun = 12;

} // namespace

COpaqueRuns::COpaqueRuns(const uint8_t* pixels, int32_t width, int32_t height, int32_t stride,
                         uint32_t key)
    : key(key), width(static_cast<uint32_t>(width)), rows(static_cast<size_t>(height)) {
    const CKeyedRowCopier compare(key);
    for (int32_t row = 0; row < height; ++row) {
        const uint8_t* pixel = pixels + static_cast<ptrdiff_t>(row) * stride;
        Row& found = rows[static_cast<size_t>(row)];
        found.first = static_cast<uint32_t>(runs.size());
        found.blocks = !FindRuns(pixel);
        if (found.blocks) {
            found.first = static_cast<uint32_t>(keyBytes.size());
            FindBlocks(pixel, compare);
            found.end = static_cast<uint32_t>(keyBytes.size());
        } else {
            found.end = static_cast<uint32_t>(runs.size());
        }
    }
}

bool COpaqueRuns::FindRuns(const uint8_t* pixel) {
    const int32_t pixels = static_cast<int32_t>(width);
    const size_t firstRun = runs.size();
    const size_t firstPacked = packedPixels.size();
    const size_t maxRuns = static_cast<size_t>(pixels / kShortestWorthwhileRun + 1);
    for (int32_t x = 0; x < pixels;) {
        while (x < pixels && ColourAt(pixel + 3 * x) == key)
            ++x;
        const int32_t start = x;
        while (x < pixels && ColourAt(pixel + 3 * x) != key)
            ++x;
        if (x == start)
            break;
        if (runs.size() - firstRun == maxRuns && pixels >= kBlock) {
            runs.resize(firstRun);
            packedPixels.resize(firstPacked);
            return false;
        }
        runs.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(x - start),
                        static_cast<uint32_t>(packedPixels.size())});
        packedPixels.insert(packedPixels.end(), pixel + 3 * start, pixel + 3 * x);
    }
    return true;
}

void COpaqueRuns::FindBlocks(const uint8_t* pixel, const CKeyedRowCopier& compare) {
    for (uint32_t block = 0; block < width / kBlock; ++block)
        keyBytes.push_back(compare.KeyBytes(pixel + 3 * kBlock * block));
}

void COpaqueRuns::Copy(const Block& block, const CKeyedRowCopier& compare) const {
#ifdef VARNOLT_AVX_MOVES
    if (UseWideRunMoves()) {
        CopyWide(block, compare);
        return;
    }
#endif
    CopyWith<NarrowRunMoves>(block, compare);
}

#ifdef VARNOLT_AVX_MOVES
// Everything inlined, so that the wide moves are compiled into the loop.
__attribute__((target("avx"), flatten)) void
COpaqueRuns::CopyWide(const Block& block, const CKeyedRowCopier& compare) const {
    CopyWith<WideRunMoves>(block, compare);
}
#endif

template <typename Moves>
void COpaqueRuns::CopyWith(const Block& block, const CKeyedRowCopier& compare) const {
    const Row* row = rows.data() + block.storedRow;
    const uint8_t* srcRow = block.srcRow;
    uint8_t* destRow = block.destRow;
    const uint32_t right = block.left + block.width;
    const uint8_t* packed = packedPixels.data();
    // The whole width, as when a sprite lies wholly inside the area drawn:
    // no run needs cutting.
    const bool whole = block.left == 0 && block.width == width;
    for (int32_t i = 0; i < block.rows; ++i, ++row) {
        const Run* end = runs.data() + row->end;
        if (row->blocks) {
            CopyBlocks(*row, srcRow, destRow, block.left, block.width, compare);
        } else if (whole) {
            for (const Run* run = runs.data() + row->first; run != end; ++run)
                Moves::Move(destRow + 3 * run->start, packed + run->packed, 3 * run->length);
        } else {
            for (const Run* run = runs.data() + row->first; run != end; ++run) {
                if (run->start >= right)
                    break;
                const uint32_t from = std::max(run->start, block.left);
                const uint32_t to = std::min(run->start + run->length, right);
                if (from < to)
                    Moves::Move(destRow + 3 * (from - block.left),
                                packed + run->packed + 3 * (from - run->start), 3 * (to - from));
            }
        }
        srcRow += block.srcStride;
        destRow += block.destStride;
    }
}

void COpaqueRuns::CopyBlocks(const Row& row, const uint8_t* srcRow, uint8_t* destRow, uint32_t left,
                             uint32_t copyWidth, const CKeyedRowCopier& compare) const {
    const uint32_t right = left + copyWidth;
    // Blocks wholly inside the columns copied; compare for the rest.
    const uint32_t firstBlock = (left + kBlock - 1) / kBlock;
    const uint32_t endBlock = right / kBlock;
    if (firstBlock >= endBlock) {
        compare.CopyRow(srcRow + 3 * left, destRow, static_cast<int32_t>(copyWidth));
        return;
    }
    // At least one whole block lies inside, so the partial blocks at either
    // end can be copied as sixteen pixels overlapping it: copying a pixel
    // twice gives the same result.
    if (left % kBlock != 0)
        compare.CopyRow(srcRow + 3 * left, destRow, kBlock);
    CKeyedRowCopier::CopyBlocks(
        srcRow + 3 * kBlock * firstBlock, destRow + 3 * (kBlock * firstBlock - left),
        keyBytes.data() + row.first + firstBlock, static_cast<int32_t>(endBlock - firstBlock));
    if (right % kBlock != 0)
        compare.CopyRow(srcRow + 3 * (right - kBlock), destRow + 3 * (right - kBlock - left),
                        kBlock);
}
