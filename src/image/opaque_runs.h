// What the keyed copies from one picture learn about it once, for one colour
// key, and reuse on every later copy:
// - rows with long runs of non-key pixels (sprites: the space around a
//   piece) keep the runs and a packed copy of their pixels, so a copy is a
//   handful of block moves per row reading one contiguous stream;
// - rows with key pixels scattered about keep, for every block of sixteen
//   pixels, which bytes belong to key pixels, so a copy skips the compare.
#pragma once

#include "image/keyed_row.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class COpaqueRuns {
public:
    // Scans a bottom-up 24-bit picture; stride is the row size in bytes.
    COpaqueRuns(const uint8_t* pixels, int32_t width, int32_t height, int32_t stride, uint32_t key);

    uint32_t Key() const { return key; }
    // A block of rows to copy: rows storedRow, storedRow + 1, ... (0 is the
    // bottom row); srcRow points at pixel 0 of the first, destRow at where
    // its column left goes. Strides step to the next row up.
    struct Block {
        int32_t storedRow;
        int32_t rows;
        const uint8_t* srcRow;
        ptrdiff_t srcStride;
        uint8_t* destRow;
        ptrdiff_t destStride;
        uint32_t left;
        uint32_t width;
    };
    // Copies the non-key pixels of columns [left, left + width) of each row.
    // compare must be made for the same key.
    void Copy(const Block& block, const CKeyedRowCopier& compare) const;

private:
    struct Run {
        uint32_t start;  // first pixel
        uint32_t length; // pixels
        uint32_t packed; // offset of its pixels in packedPixels
    };
    struct Row {
        bool blocks; // scattered: keyBytes per block instead of runs
        uint32_t first;
        uint32_t end;
    };
    bool FindRuns(const uint8_t* pixel);
    void FindBlocks(const uint8_t* pixel, const CKeyedRowCopier& compare);
    template <typename Moves>
    void CopyWith(const Block& block, const CKeyedRowCopier& compare) const;
    void CopyWide(const Block& block, const CKeyedRowCopier& compare) const;
    void CopyBlocks(const Row& row, const uint8_t* srcRow, uint8_t* destRow, uint32_t left,
                    uint32_t width, const CKeyedRowCopier& compare) const;

    uint32_t key;
    uint32_t width;
    std::vector<Row> rows;
    std::vector<Run> runs;
    std::vector<uint8_t> packedPixels;
    std::vector<uint64_t> keyBytes;
};
