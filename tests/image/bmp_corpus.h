// The third-party bitmap corpus and what ImageMagick read in its files (see
// bmp_expectations.py, run by the build). Files are converted to our
// signature in memory; nothing of the corpus is copied anywhere else.
#pragma once

#include "image/image_bytes.h"

#include <string>
#include <vector>

struct CorpusEntry {
    std::string kind; // "image", "section" or "other"
    std::string path; // relative to the corpus folder
    int32_t width;
    int32_t height;
    std::string pixels; // ImageMagick's RGB file, "refused" or "-"
};

// Every file of the corpus; empty when the expectations are missing.
std::vector<CorpusEntry> CorpusEntries();
// Where the expectations were looked for, for failure messages.
std::string CorpusExpectationsPath();
// The file's bytes, with a leading "BM" replaced by "V1".
Bytes ConvertedCorpusFile(const CorpusEntry& entry);
// ImageMagick's pixels: RGB bytes, rows from the top.
Bytes ExpectedRgb(const CorpusEntry& entry);
// Colour value (0x00BBGGRR) of pixel (x, y) of ImageMagick's pixels.
uint32_t ExpectedColour(const Bytes& rgb, int32_t width, int32_t x, int32_t y);
