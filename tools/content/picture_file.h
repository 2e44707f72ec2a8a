// The game's picture files: 24-bit device-independent bitmaps, bottom row
// first, whose two signature bytes are "V1" instead of the usual "BM". The
// same writer makes the ordinary "BM" bitmaps that go into the program's
// resources.
#pragma once

#include "image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace content {

enum class Signature { kGame, kBitmap };

std::vector<uint8_t> EncodePicture(const Image& image, Signature signature = Signature::kGame);
// Reads a 24-bit uncompressed picture with the given signature; nothing when
// the bytes are not one.
std::optional<Image> DecodePicture(const std::vector<uint8_t>& bytes,
                                   Signature signature = Signature::kGame);

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const std::string& path);

} // namespace content
