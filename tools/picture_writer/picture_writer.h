// Writes the game's picture files for the content tool and the tests: 24-bit
// device-independent bitmaps, bottom row first, with the game's signature
// "V1" or, for the program's resources, an ordinary bitmap's "BM". The game
// itself only reads them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class PictureSignature { kGame, kBitmap };

// The colour value (blue * 65536 + green * 256 + red, as the game's images
// hold colours) of pixel (x, y), y counted from the top.
using PixelSource = std::function<uint32_t(int32_t x, int32_t y)>;

std::vector<uint8_t> EncodePictureFile(int32_t width, int32_t height, const PixelSource& pixel,
                                       PictureSignature signature = PictureSignature::kGame);
// Writes a game picture file at path; false when it cannot be written.
bool WritePictureFile(const std::string& path, int32_t width, int32_t height,
                      const PixelSource& pixel);
