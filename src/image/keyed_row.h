// Copying rows of 24-bit pixels while skipping those equal to a colour key.
// Every function here gives exactly the result of comparing and copying
// pixel by pixel, left to right.
#pragma once

#include <cstdint>

// Colour value (0x00BBGGRR) of the three bytes blue, green, red at pixel.
inline uint32_t ColourAt(const uint8_t* pixel) {
    return static_cast<uint32_t>(pixel[0]) << 16 | static_cast<uint32_t>(pixel[1]) << 8 | pixel[2];
}

// One pixel at a time; step is +3 for a plain row and -3 for a mirrored one.
void CopyKeyedRowScalar(const uint8_t* src, int step, uint8_t* dest, int32_t width, uint32_t key);

// Keyed copies sixteen pixels (48 bytes, a block) at a time with SSE2.
// Made once per block copy, so the key's byte pattern is built once and not
// for every row. Source and destination rows must never overlap.
class CKeyedRowCopier {
public:
    static constexpr int32_t kBlockPixels = 16;

    explicit CKeyedRowCopier(uint32_t key);
    uint32_t Key() const { return key; }

    // Compares as it copies.
    void CopyRow(const uint8_t* src, uint8_t* dest, int32_t width) const;
    // Which bytes of the block at src belong to key pixels: bits 3p, 3p+1
    // and 3p+2 are set when pixel p is a key pixel.
    uint64_t KeyBytes(const uint8_t* src) const;
    // Copies count blocks whose KeyBytes were found earlier.
    static void CopyBlocks(const uint8_t* src, uint8_t* dest, const uint64_t* keyBytes,
                           int32_t count);

private:
    uint32_t key;
    // The key's bytes in memory order, repeated over one block.
    alignas(16) uint8_t pattern[48];
};
