// The picture file's fixed layout: a 14-byte file header, then the 40-byte
// info header, then (for deep pictures) the pixel rows. Decoding and the size
// checks are shared by the in-memory image, the DIB-section reader, the
// fuzzers and the content tool, so every reader refuses the same files.
#pragma once

#include "image/dib_image.h"

#include <cstdint>

constexpr int32_t kDibFileHeaderSize = 14;
constexpr int32_t kDibInfoHeaderSize = 40;
// The pixels of a 24-bit picture follow the two headers directly.
constexpr int32_t kDibHeadersSize = kDibFileHeaderSize + kDibInfoHeaderSize;

// The fields of the file header that any reader consults.
struct DibFileHeader {
    uint8_t signature[2];
    uint32_t pixelOffset; // from the start of the file
};

// Our own pictures carry "V1" where ordinary bitmaps carry "BM".
bool HasImageSignature(const uint8_t* fileHeader);

DibFileHeader DecodeFileHeader(const uint8_t* bytes);
DibInfoHeader DecodeInfoHeader(const uint8_t* bytes);
void EncodeInfoHeader(const DibInfoHeader& header, uint8_t* bytes);

// Bytes of the pixel rows of a 24-bit picture of this size, or -1 when the
// size is not a picture at all (zero or negative sides, or too many bytes
// for a file to hold).
int64_t Dib24PixelBytes(int32_t width, int32_t height);
