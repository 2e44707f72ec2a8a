// The header checks of the DIB-section reader on arbitrary bytes, headless:
// every header GDI would be handed lies inside the block that was read (with
// its room for a colour table), and the pixel size it announces fits a file.
#include "image/section_header.h"
#include "support/memory_file.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFile file(data, size);
    SectionHeaderBlock block;
    const SectionHeaderRead read = ReadSectionHeader(file, block);
    if (read != SectionHeaderRead::kOk)
        return 0;
    if (block.length < 40 || block.length + 14 > size)
        __builtin_trap();
    // What GDI reads: the info header and up to 256 colour entries. The
    // sanitizer checks the block really has them.
    volatile uint8_t sum = 0;
    for (uint32_t i = 0; i < 40 + 4 * 256; ++i)
        sum = static_cast<uint8_t>(sum + block.bytes[i]);
    if (!SectionIsUncompressed(block.bytes.get()))
        return 0;
    uint32_t pixelBytes = 0;
    if (ComputeSectionPixelBytes(block.bytes.get(), &pixelBytes) == SectionMetrics::kOk &&
        (pixelBytes == 0 || pixelBytes > 0x7FFFFFFFu))
        __builtin_trap();
    return 0;
}
