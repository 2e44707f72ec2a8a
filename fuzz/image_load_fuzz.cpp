// CDIBImage::Load on arbitrary bytes: a picture is either refused or held
// whole, and whatever is held can be read and copied in full.
#include "image/dib_image.h"
#include "support/memory_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFile file(data, size);
    CDIBImage image(32, 32);
    if (!image.Load(file))
        return 0;
    if (image.ByteSize() + 54 > size)
        __builtin_trap();
    uint32_t colour = 0;
    image.GetPixel(image.GetWidth() - 1, 0, &colour);
    image.GetMirroredPixel(0, image.GetHeight() - 1, &colour);
    // Keyed copies build and use the runs; copy through a small picture at
    // an offset so both clip.
    CDIBImage target(40, 30);
    image.CopyTo(&target, -3, -2, image.GetWidth(), image.GetHeight(), 1, 1, kTransparentColour);
    image.CopyTo(&target, 5, 4, image.GetWidth(), image.GetHeight(), 0, 0, colour);
    image.CopyMirroredTo(&target, 2, 1, image.GetWidth(), image.GetHeight(), 0, 0, colour);
    image.CopyTo(&target, 0, 0, 40, 30, 0, 0, kNoColourKey);
    return 0;
}
