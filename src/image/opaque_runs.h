// The runs of non-key pixels of one picture for one colour key, found once
// and then reused by every keyed copy from that picture: copying a sprite
// becomes a handful of block moves per row instead of a compare per pixel.
// Rows with many short runs (key pixels scattered about) are marked instead,
// and copied with the compare-based row copy.
#pragma once

#include <cstdint>
#include <vector>

struct OpaqueRun {
    uint32_t start;  // first pixel of the run
    uint32_t length; // pixels
};

class COpaqueRuns {
public:
    // Scans a bottom-up 24-bit picture; stride is the row size in bytes.
    COpaqueRuns(const uint8_t* pixels, int32_t width, int32_t height, int32_t stride, uint32_t key);

    uint32_t Key() const { return key; }
    // Rows are numbered as stored: 0 is the bottom row of the picture.
    bool IsScattered(int32_t storedRow) const { return rowFirst[storedRow] == kScattered; }
    const OpaqueRun* RowBegin(int32_t storedRow) const { return runs.data() + rowFirst[storedRow]; }
    const OpaqueRun* RowEnd(int32_t storedRow) const;

private:
    static constexpr uint32_t kScattered = 0xFFFFFFFFu;
    uint32_t key;
    // Index of each row's first run; kScattered for rows left to the compare.
    std::vector<uint32_t> rowFirst;
    std::vector<uint32_t> rowEnd;
    std::vector<OpaqueRun> runs;
};
