// In-memory 24-bit pictures in the file's own bottom-up layout: the base of
// every sprite, the page background and the offscreen composition buffer.
#pragma once

#include "platform/win_types.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class CFileBase;
class COpaqueRuns;
struct BlockCopy;
struct RowWalk;

// The 40-byte bitmap info header as stored in a picture file (little-endian).
struct DibInfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height; // positive: rows stored bottom row first
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t colorsUsed;
    uint32_t colorsImportant;
};
static_assert(sizeof(DibInfoHeader) == 40, "the info header is 40 bytes on disk");

// The info block an image owns: the header and one colour entry, laid out
// like the system's BITMAPINFO so a DIB section's pixels can be wrapped.
struct DibInfo {
    DibInfoHeader header;
    uint32_t colour;
};
static_assert(sizeof(DibInfo) == 44, "the info block is 44 bytes");

// Part of a picture: x, y, width, height (not left, top, right, bottom).
struct SourceRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// Colour values are blue*65536 + green*256 + red; kNoColourKey copies all.
constexpr uint32_t kNoColourKey = 0xFFFFFFFFu;
constexpr uint32_t kTransparentColour = 0x00FF00FFu;

// Bytes in one stored row of a 24-bit picture of the given width.
constexpr int32_t DibStride(int32_t width) {
    return (3 * width + 3) & ~3;
}

class CDIBImage {
public:
    CDIBImage(int32_t width, int32_t height);
    virtual ~CDIBImage();

    virtual int32_t GetHeight() const;
    virtual int32_t GetWidth() const;
    virtual void GetRect(RECT* out) const;

    bool Create(int32_t width, int32_t height);
    // Wraps pixels owned by someone else (a DIB section); copies the info.
    bool Attach(const DibInfo* info, void* pixels);
    // Reads one picture from the file's current position.
    bool Load(CFileBase& file);
    // Reads one picture from size bytes at data, as Load reads a file that
    // holds them: the same checks, the same log lines, and on failure the
    // picture is left as it was. LoadFile maps the file and calls it; the
    // fuzzer and the tests call it with bytes of their own.
    bool LoadFromMemory(const uint8_t* data, size_t size);
    bool LoadFile(const std::string& path);

    // Writable addresses of single pixels, null outside the picture. Handing
    // one out means the pixels may change behind this image's back, so it
    // stops reusing the runs its keyed copies found until its pixels are
    // replaced (Create, Load, Attach). Readers use GetPixel instead.
    uint8_t* PixelAddress(int32_t x, int32_t y) const;
    uint8_t* MirroredPixelAddress(int32_t x, int32_t y) const;
    bool GetPixel(int32_t x, int32_t y, uint32_t* colour) const;
    bool GetMirroredPixel(int32_t x, int32_t y, uint32_t* colour) const;

    // Copies the width x height block at (srcX, srcY) to (destX, destY) of
    // dest, skipping source pixels equal to key.
    void CopyTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t width, int32_t height,
                int32_t srcX, int32_t srcY, uint32_t key) const;
    // The same, reading this picture mirrored left to right.
    void CopyMirroredTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t width,
                        int32_t height, int32_t srcX, int32_t srcY, uint32_t key) const;

    const DibInfo* Info() const { return info; }
    // The whole writable buffer; the same caveat as PixelAddress.
    uint8_t* Pixels() const;
    uint32_t ByteSize() const { return byteSize; }

    CDIBImage(const CDIBImage&) = delete;
    CDIBImage& operator=(const CDIBImage&) = delete;

protected:
    // Derived classes that write the pixels through the field below call
    // this afterwards.
    void PixelsChanged() const;

    DibInfo* info = nullptr;
    uint8_t* pixels = nullptr;
    int32_t ownsPixels = 1;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t byteSize = 0;

private:
    // The runs of non-key pixels for the key of the last keyed copy, or null
    // when they may not be kept (foreign or exposed pixels).
    const COpaqueRuns* RunsFor(uint32_t key) const;
    // The picture mirrored left to right, made on the first mirrored copy
    // and kept while the runs may be; null when it may not be kept.
    const CDIBImage* Mirrored() const;
    // Gives up the kept runs for good (until the pixels are replaced).
    void ExposePixels() const;
    void FreeInfo();
    // Releases the pixels if this image allocated them.
    void FreePixels();
    // Takes header and the bytes pixels of a picture just read.
    void Adopt(const DibInfoHeader& header, std::unique_ptr<DibInfo> newInfo,
               std::unique_ptr<uint8_t[]> newPixels, uint32_t bytes);
    // Whether a picture of this many pixel bytes can be read into the
    // buffer this image already has, instead of a new one.
    bool CanRefill(int64_t bytes) const;
    // Row y counted from the top; no bounds check.
    uint8_t* RowAddress(int32_t y) const;
    uint8_t* FindPixel(int32_t x, int32_t y, bool mirrored) const;
    // Clips block to both pictures and sets walk to its rows; false when
    // there is nothing to copy.
    bool BeginCopy(CDIBImage* dest, BlockCopy& block, RowWalk& walk) const;

    mutable std::unique_ptr<COpaqueRuns> runs;
    mutable std::unique_ptr<CDIBImage> mirror;
    // Set once a writable pointer has been handed out.
    mutable bool pixelsExposed = false;
};
