// Photo files for the shelf tests, in the headless platform's test format.
#pragma once

#include "photos/raster.h"

#include <string>

// Writes picture as a binary PPM at path.
void WritePpm(const std::string& path, const photos::Image& picture);
// Writes a PPM header claiming width x height with only a few pixel bytes.
void WriteClaimedPpm(const std::string& path, int width, int height);
