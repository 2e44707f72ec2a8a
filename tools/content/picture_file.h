// The tool's pictures as the game's picture files (see picture_writer.h),
// and the ordinary "BM" bitmaps that go into the program's resources.
#pragma once

#include "image.h"
#include "picture_writer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace content {

using Signature = PictureSignature;

std::vector<uint8_t> EncodePicture(const Image& image, Signature signature = Signature::kGame);
// Reads a 24-bit uncompressed picture with the given signature; nothing when
// the bytes are not one.
std::optional<Image> DecodePicture(const std::vector<uint8_t>& bytes,
                                   Signature signature = Signature::kGame);

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const std::string& path);

} // namespace content
