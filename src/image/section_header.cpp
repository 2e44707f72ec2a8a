#include "image/section_header.h"
#include "image/dib_format.h"
#include "persist/file_base.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace {

// The resolutions and both colour counts, cleared after reading so that GDI
// takes the full colour table for the depth.
constexpr uint32_t kXPelsAt = 24;
constexpr uint32_t kClearedBytes = 16;
// Enough zeros after the block for the largest colour table.
constexpr uint32_t kTableRoom = 4 * 256;

} // namespace

SectionHeaderRead ReadSectionHeader(CFileBase& file, SectionHeaderBlock& block) {
    block.bytes.reset();
    block.length = 0;
    uint8_t fileHeader[kDibFileHeaderSize] = {};
    int32_t delivered = 0;
    file.Read(fileHeader, kDibFileHeaderSize, &delivered);
    if (delivered != kDibFileHeaderSize)
        return SectionHeaderRead::kShortFileHeader;
    if (!HasImageSignature(fileHeader))
        return SectionHeaderRead::kWrongSignature;

    const uint32_t pixelOffset = DecodeFileHeader(fileHeader).pixelOffset;
    if (pixelOffset < static_cast<uint32_t>(kDibHeadersSize))
        return SectionHeaderRead::kBlockTooShort;
    const int64_t left = static_cast<int64_t>(file.GetSize()) - file.Tell();
    const uint32_t length = pixelOffset - kDibFileHeaderSize;
    if (length > left)
        return SectionHeaderRead::kBlockPastEnd;

    // The unread part stays zero.
    block.bytes.reset(new (std::nothrow) uint8_t[length + kTableRoom]());
    if (block.bytes == nullptr)
        return SectionHeaderRead::kShortBlock;
    block.length = length;
    file.Read(block.bytes.get(), static_cast<int32_t>(length), &delivered);
    std::memset(block.bytes.get() + kXPelsAt, 0, kClearedBytes);
    if (static_cast<uint32_t>(delivered) != length)
        return SectionHeaderRead::kShortBlock;
    return SectionHeaderRead::kOk;
}

bool SectionIsUncompressed(const uint8_t* block) {
    return DecodeInfoHeader(block).compression == 0;
}

SectionMetrics ComputeSectionPixelBytes(const uint8_t* block, uint32_t* pixelBytes) {
    *pixelBytes = 0;
    const DibInfoHeader header = DecodeInfoHeader(block);
    if (header.size != static_cast<uint32_t>(kDibInfoHeaderSize))
        return SectionMetrics::kNotWindowsHeader;
    if (header.width <= 0 || header.height == 0 || header.bitCount == 0)
        return SectionMetrics::kBadSize;
    const uint64_t bitsPerRow = static_cast<uint64_t>(header.width) * header.bitCount;
    const uint64_t wordsPerRow = bitsPerRow / 32 + (bitsPerRow % 32 != 0 ? 1 : 0);
    const uint64_t rows = static_cast<uint64_t>(std::llabs(static_cast<int64_t>(header.height)));
    constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
    if (wordsPerRow * 4 > kLimit || wordsPerRow * 4 * rows > kLimit)
        return SectionMetrics::kBadSize;
    const uint64_t bytes = wordsPerRow * 4 * rows;
    *pixelBytes = static_cast<uint32_t>(bytes);
    return SectionMetrics::kOk;
}
