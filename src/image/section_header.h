// The part of reading a DIB-section picture that needs no GDI: the file
// header, the header block (info header and colour table) and the size of
// the pixel data. CDIBSection::ReadSection is built on it, and the fuzzer
// and the host tests drive it headless.
#pragma once

#include <cstdint>
#include <memory>

class CFileBase;

// The bytes from offset 14 of the file up to the pixel data.
struct SectionHeaderBlock {
    std::unique_ptr<uint8_t[]> bytes;
    // As read from the file. Paletted pictures whose colour table is cut
    // short get zero entries appended beyond this, so that GDI, which reads
    // a full table once the colours-used count is cleared, never reads past
    // the block.
    uint32_t length = 0;
};

enum class SectionHeaderRead {
    kOk,
    kShortFileHeader, // fewer than 14 bytes
    kWrongSignature,  // not "V1"
    kBlockTooShort,   // pixel offset below 54: no room for the info header
    kBlockPastEnd,    // pixel offset beyond the end of the file
    kShortBlock,      // the block did not arrive whole
};

// Reads the file header and the header block from the file's position and
// clears the resolutions and colour counts in the block. On kShortBlock the
// block is returned as far as it arrived (zeros after that).
SectionHeaderRead ReadSectionHeader(CFileBase& file, SectionHeaderBlock& block);

bool SectionIsUncompressed(const uint8_t* block);

enum class SectionMetrics {
    kOk,
    kNotWindowsHeader, // header size field is not 40
    kBadSize,          // no pixels, or more than a file can hold
};

// Bytes of pixel data the header block describes: rows of width x bits per
// pixel rounded up to 32-bit words, times the number of rows (top-down
// pictures, with a negative height, have as many rows as bottom-up ones).
SectionMetrics ComputeSectionPixelBytes(const uint8_t* block, uint32_t* pixelBytes);
