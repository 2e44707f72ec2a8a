// Building picture files byte by byte for the image tests, and reading
// pictures back as colour values.
#pragma once

#include "image/dib_image.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;
// Colour value (0x00BBGGRR) of pixel (x, y), y counted from the top.
using PixelSource = std::function<uint32_t(int32_t x, int32_t y)>;

// A complete 24-bit "V1" file: 14 + 40 header bytes, then the rows bottom
// first, each padded with zeros to a multiple of four bytes.
Bytes MakeImageFile(int32_t width, int32_t height, const PixelSource& pixel);
// A "V1" file of any depth: info header, a colour table of tableEntries
// (entry i holds bytes 4i+1 .. 4i+4), gap extra bytes, then zeroed pixel
// rows. The resolutions and colour counts hold 0x5A bytes.
Bytes SectionFile(int32_t width, int32_t height, uint16_t bitCount, uint32_t tableEntries,
                  uint32_t gap = 0);
// A recognisable pattern that differs at every pixel of small pictures.
uint32_t PatternColour(int32_t x, int32_t y);
// Overwrites the 32-bit little-endian field at offset.
void PutField32(Bytes& bytes, size_t offset, uint32_t value);
// Fills a created image pixel by pixel through PixelAddress.
void FillImage(CDIBImage& image, const PixelSource& pixel);

// The messages of log.txt in the current folder, without their time stamps.
std::vector<std::string> LoggedMessages();
