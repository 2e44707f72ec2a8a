// Building picture files byte by byte for the image tests, and reading
// pictures back as colour values.
#pragma once

#include "image/dib_image.h"
#include "picture_writer.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A "V1" file of any depth: info header, a colour table of tableEntries
// (entry i holds bytes 4i+1 .. 4i+4), gap extra bytes, then zeroed pixel
// rows. The resolutions and colour counts hold 0x5A bytes.
Bytes SectionFile(int32_t width, int32_t height, uint16_t bitCount, uint32_t tableEntries,
                  uint32_t gap = 0);
// A recognisable pattern that differs at every pixel of small pictures.
uint32_t PatternColour(int32_t x, int32_t y);
// Overwrites the 32-bit little-endian field at offset.
void PutField32(Bytes& bytes, size_t offset, uint32_t value);
// A copy of bytes whose 32-bit field at offset holds value.
Bytes Patched(Bytes bytes, size_t offset, uint32_t value);
// Fills a created image pixel by pixel through PixelAddress.
void FillImage(CDIBImage& image, const PixelSource& pixel);
