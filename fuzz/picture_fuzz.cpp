// Arbitrary bytes through both picture readers, straight from memory.
// CDIBImage::LoadFromMemory: a picture is either refused or held whole,
// exactly as Load reads it from a file, and whatever is held can be read and
// copied in full. The DIB-section reader's header checks, headless: every
// header GDI would be handed lies inside the block that was read (with its
// room for a colour table), and the pixel size it announces fits a file.
#include "image/dib_image.h"
#include "image/section_header.h"
#include "support/memory_file.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void LoadImage(const uint8_t* data, size_t size) {
    CDIBImage image(32, 32);
    const bool loaded = image.LoadFromMemory(data, size);
    // The file-reading entry must agree on every input: the same answer and
    // the same picture.
    MemoryFile file(data, size);
    CDIBImage fromFile(32, 32);
    if (fromFile.Load(file) != loaded)
        __builtin_trap();
    if (!loaded)
        return;
    if (image.ByteSize() + 54 > size || image.ByteSize() != fromFile.ByteSize() ||
        image.GetWidth() != fromFile.GetWidth() || image.GetHeight() != fromFile.GetHeight())
        __builtin_trap();
    uint32_t colour = 0;
    image.GetPixel(image.GetWidth() - 1, 0, &colour);
    image.GetMirroredPixel(0, image.GetHeight() - 1, &colour);
    // Keyed copies build and use the runs and the mirror image; copy
    // through a small picture at an offset so both clip.
    CDIBImage target(40, 30);
    image.CopyTo(&target, -3, -2, image.GetWidth(), image.GetHeight(), 1, 1, kTransparentColour);
    image.CopyTo(&target, 5, 4, image.GetWidth(), image.GetHeight(), 0, 0, colour);
    image.CopyMirroredTo(&target, 2, 1, image.GetWidth(), image.GetHeight(), 0, 0, colour);
    image.CopyTo(&target, 0, 0, 40, 30, 0, 0, kNoColourKey);
    // Read again into the same pixels when the size allows.
    image.LoadFromMemory(data, size);
    image.CopyMirroredTo(&target, -1, 3, image.GetWidth(), image.GetHeight(), 1, 0,
                         kTransparentColour);
    if (std::memcmp(image.Info(), fromFile.Info(), sizeof(DibInfo)) != 0 ||
        std::memcmp(image.Pixels(), fromFile.Pixels(), image.ByteSize()) != 0)
        __builtin_trap();
}

void ReadSection(const uint8_t* data, size_t size) {
    MemoryFile file(data, size);
    SectionHeaderBlock block;
    if (ReadSectionHeader(file, block) != SectionHeaderRead::kOk)
        return;
    if (block.length < 40 || block.length + 14 > size)
        __builtin_trap();
    // What GDI reads: the info header and up to 256 colour entries. The
    // sanitizer checks the block really has them.
    volatile uint8_t sum = 0;
    for (uint32_t i = 0; i < 40 + 4 * 256; ++i)
        sum = static_cast<uint8_t>(sum + block.bytes[i]);
    uint32_t pixelBytes = 0;
    if (SectionIsUncompressed(block.bytes.get()) &&
        ComputeSectionPixelBytes(block.bytes.get(), &pixelBytes) == SectionMetrics::kOk &&
        (pixelBytes == 0 || pixelBytes > 0x7FFFFFFFu))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LoadImage(data, size);
    ReadSection(data, size);
    return 0;
}
