// CDIBImage: creating, loading and addressing 24-bit pictures, and the block
// copies between them.
#include "image/dib_image.h"
#include "diag/log.h"
#include "image/dib_clip.h"
#include "image/dib_format.h"
#include "image/keyed_row.h"
#include "image/opaque_runs.h"
#include "image/run_moves.h"
#include "persist/mapped_file.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace {

// The colour entry every created image carries after its header.
constexpr uint32_t kCreatedColourEntry = 0x00FF0000u;

// Copies the rows of a width x height picture with each row's pixels in
// reverse order; row padding is left alone.
void MirrorRows(const uint8_t* from, uint8_t* to, int32_t width, int32_t height) {
    const ptrdiff_t stride = DibStride(width);
    for (int32_t row = 0; row < height; ++row, from += stride, to += stride) {
        const uint8_t* pixel = from + 3 * static_cast<ptrdiff_t>(width - 1);
        for (int32_t x = 0; x < width; ++x, pixel -= 3)
            std::memcpy(to + 3 * static_cast<ptrdiff_t>(x), pixel, 3);
    }
}

} // namespace

CDIBImage::CDIBImage(int32_t width, int32_t height) {
    Create(width, height);
}

CDIBImage::~CDIBImage() {
    FreeInfo();
    FreePixels();
}

int32_t CDIBImage::GetHeight() const {
    return info != nullptr ? info->header.height : 0;
}

int32_t CDIBImage::GetWidth() const {
    return info != nullptr ? info->header.width : 0;
}

void CDIBImage::GetRect(RECT* out) const {
    out->left = 0;
    out->top = 0;
    out->right = GetWidth();
    out->bottom = GetHeight();
}

void CDIBImage::FreeInfo() {
    delete info;
    info = nullptr;
}

void CDIBImage::FreePixels() {
    if (ownsPixels != 0)
        delete[] pixels;
    pixels = nullptr;
    runs.reset();
    mirror.reset();
    pixelsExposed = false;
}

void CDIBImage::PixelsChanged() const {
    runs.reset();
    mirror.reset();
}

void CDIBImage::ExposePixels() const {
    pixelsExposed = true;
    runs.reset();
    mirror.reset();
}

uint8_t* CDIBImage::Pixels() const {
    ExposePixels();
    return pixels;
}

const COpaqueRuns* CDIBImage::RunsFor(uint32_t key) const {
    if (ownsPixels == 0 || pixelsExposed || pixels == nullptr)
        return nullptr;
    if (runs == nullptr || runs->Key() != key) {
        try {
            runs = std::make_unique<COpaqueRuns>(pixels, GetWidth(), GetHeight(),
                                                 DibStride(GetWidth()), key);
        } catch (const std::bad_alloc&) {
            runs.reset();
        }
    }
    return runs.get();
}

const CDIBImage* CDIBImage::Mirrored() const {
    if (ownsPixels == 0 || pixelsExposed || pixels == nullptr)
        return nullptr;
    if (mirror == nullptr) {
        try {
            auto made = std::make_unique<CDIBImage>(GetWidth(), GetHeight());
            if (made->pixels == nullptr)
                return nullptr;
            MirrorRows(pixels, made->pixels, GetWidth(), GetHeight());
            mirror = std::move(made);
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }
    return mirror.get();
}

bool CDIBImage::Create(int32_t newWidth, int32_t newHeight) {
    FreeInfo();
    FreePixels();
    info = new (std::nothrow) DibInfo{};
    if (info == nullptr)
        return false;
    // A zero-sized picture is legal here (nothing to draw); a negative or
    // oversized one is treated like a failed allocation.
    const int64_t bytes =
        newWidth == 0 || newHeight == 0 ? 0 : Dib24PixelBytes(newWidth, newHeight);
    if (bytes >= 0)
        pixels = new (std::nothrow) uint8_t[static_cast<size_t>(bytes)];
    if (pixels == nullptr) {
        FreeInfo();
        return false;
    }
    DibInfoHeader& header = info->header;
    header.size = kDibInfoHeaderSize;
    header.width = newWidth;
    header.height = newHeight;
    header.planes = 1;
    header.bitCount = 24;
    info->colour = kCreatedColourEntry;
    ownsPixels = 1;
    width = newWidth;
    height = newHeight;
    byteSize = static_cast<uint32_t>(bytes);
    return true;
}

bool CDIBImage::Attach(const DibInfo* newInfo, void* newPixels) {
    if (newInfo == nullptr || newPixels == nullptr)
        return false;
    FreeInfo();
    info = new (std::nothrow) DibInfo;
    if (info == nullptr)
        return false;
    std::memcpy(info, newInfo, sizeof(DibInfo));
    FreePixels();
    pixels = static_cast<uint8_t*>(newPixels);
    ownsPixels = 0;
    return true;
}

bool CDIBImage::Load(CFileBase& file) {
    uint8_t headers[kDibHeadersSize] = {};
    int32_t delivered = 0;
    file.Read(headers, kDibFileHeaderSize, &delivered);
    if (!HasImageSignature(headers)) {
        Log("Not a bitmap file");
        return false;
    }
    if (delivered != kDibFileHeaderSize)
        return false;
    file.Read(headers + kDibFileHeaderSize, kDibInfoHeaderSize, &delivered);
    if (delivered != kDibInfoHeaderSize)
        return false;
    const DibInfoHeader header = DecodeInfoHeader(headers + kDibFileHeaderSize);

    // A damaged or hostile header must not make us allocate more than the
    // file can fill, and the old picture stays until the new one is whole.
    const int64_t bytes = Dib24PixelBytes(header.width, header.height);
    const int64_t available = static_cast<int64_t>(file.GetSize()) - file.Tell();
    if (bytes < 0 || bytes > available)
        return false;
    std::unique_ptr<DibInfo> newInfo(new (std::nothrow) DibInfo{});
    std::unique_ptr<uint8_t[]> newPixels(new (std::nothrow) uint8_t[static_cast<size_t>(bytes)]);
    if (newInfo == nullptr || newPixels == nullptr)
        return false;
    file.Read(newPixels.get(), static_cast<int32_t>(bytes), &delivered);
    if (delivered != bytes)
        return false;
    Adopt(header, std::move(newInfo), std::move(newPixels), static_cast<uint32_t>(bytes));
    return true;
}

bool CDIBImage::LoadFromMemory(const uint8_t* data, size_t size) {
    // Load reads a short file header as zeros, so fewer than two bytes fail
    // the signature too.
    if (data == nullptr || size < 2 || !HasImageSignature(data)) {
        Log("Not a bitmap file");
        return false;
    }
    if (size < static_cast<size_t>(kDibHeadersSize))
        return false;
    const DibInfoHeader header = DecodeInfoHeader(data + kDibFileHeaderSize);
    const int64_t bytes = Dib24PixelBytes(header.width, header.height);
    if (bytes < 0 || static_cast<uint64_t>(bytes) > size - kDibHeadersSize)
        return false;
    const uint8_t* rows = data + kDibHeadersSize;
    if (CanRefill(bytes)) {
        // Nothing can fail from here on, so the picture can be replaced in
        // place: pages share their background's size, and a new buffer of
        // that size would cost the system fresh pages every page change.
        std::memcpy(pixels, rows, static_cast<size_t>(bytes));
        *info = DibInfo{header, 0};
        width = header.width;
        height = header.height;
        PixelsChanged();
        return true;
    }
    std::unique_ptr<DibInfo> newInfo(new (std::nothrow) DibInfo{});
    std::unique_ptr<uint8_t[]> newPixels(new (std::nothrow) uint8_t[static_cast<size_t>(bytes)]);
    if (newInfo == nullptr || newPixels == nullptr)
        return false;
    std::memcpy(newPixels.get(), rows, static_cast<size_t>(bytes));
    Adopt(header, std::move(newInfo), std::move(newPixels), static_cast<uint32_t>(bytes));
    return true;
}

bool CDIBImage::CanRefill(int64_t bytes) const {
    // Pixels someone else holds or was handed a pointer to are not ours to
    // overwrite.
    return ownsPixels != 0 && !pixelsExposed && pixels != nullptr && info != nullptr && bytes > 0 &&
           static_cast<uint64_t>(bytes) == byteSize;
}

void CDIBImage::Adopt(const DibInfoHeader& header, std::unique_ptr<DibInfo> newInfo,
                      std::unique_ptr<uint8_t[]> newPixels, uint32_t bytes) {
    FreeInfo();
    FreePixels();
    newInfo->header = header;
    info = newInfo.release();
    pixels = newPixels.release();
    ownsPixels = 1;
    width = header.width;
    height = header.height;
    byteSize = bytes;
}

bool CDIBImage::LoadFile(const std::string& path) {
    CMappedFile file(true);
    if (file.OpenRead(path) == 0) {
        Log("Failed to open file");
        return false;
    }
    // Straight from the mapped view: one copy, into the picture's pixels.
    const bool loaded = LoadFromMemory(file.MappedBytes(), static_cast<size_t>(file.GetSize()));
    file.Close();
    if (!loaded)
        Log("Failed to load file");
    return loaded;
}

uint8_t* CDIBImage::RowAddress(int32_t y) const {
    return pixels + static_cast<ptrdiff_t>(GetHeight() - 1 - y) * DibStride(GetWidth());
}

uint8_t* CDIBImage::FindPixel(int32_t x, int32_t y, bool mirrored) const {
    if (pixels == nullptr || x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight())
        return nullptr;
    const int32_t column = mirrored ? GetWidth() - 1 - x : x;
    return RowAddress(y) + 3 * static_cast<ptrdiff_t>(column);
}

uint8_t* CDIBImage::PixelAddress(int32_t x, int32_t y) const {
    uint8_t* pixel = FindPixel(x, y, false);
    if (pixel != nullptr)
        ExposePixels();
    return pixel;
}

uint8_t* CDIBImage::MirroredPixelAddress(int32_t x, int32_t y) const {
    uint8_t* pixel = FindPixel(x, y, true);
    if (pixel != nullptr)
        ExposePixels();
    return pixel;
}

bool CDIBImage::GetPixel(int32_t x, int32_t y, uint32_t* colour) const {
    *colour = 0;
    const uint8_t* pixel = FindPixel(x, y, false);
    if (pixel == nullptr) {
        Log("Out of range pixel coords");
        return false;
    }
    *colour = ColourAt(pixel);
    return true;
}

bool CDIBImage::GetMirroredPixel(int32_t x, int32_t y, uint32_t* colour) const {
    *colour = 0;
    const uint8_t* pixel = FindPixel(x, y, true);
    if (pixel == nullptr) {
        Log("Out of range pixel coords");
        return false;
    }
    *colour = ColourAt(pixel);
    return true;
}

// CDIBImage::CopyTo and CopyMirroredTo: block copies between 24-bit pictures
// with an optional colour key, run for every sprite on every redraw. Keyed
// copies from a picture reuse the runs of non-key pixels found on the first
// copy; without them, rows are compared sixteen pixels at a time. Mirrored
// copies read a mirror image of the picture, made on the first of them, the
// same way.
bool CDIBImage::BeginCopy(CDIBImage* dest, BlockCopy& block, RowWalk& walk) const {
    if (dest == nullptr || pixels == nullptr || dest->pixels == nullptr)
        return false;
    if (!ClipBlockCopy(block, dest->GetWidth(), dest->GetHeight(), GetWidth(), GetHeight()))
        return false;
    dest->PixelsChanged();
    // Clipped, every field fits in 32 bits.
    const int32_t rows = static_cast<int32_t>(block.height);
    const int32_t bottom = static_cast<int32_t>(block.srcY) + rows - 1;
    walk = RowWalk{RowAddress(bottom),
                   dest->RowAddress(static_cast<int32_t>(block.destY) + rows - 1) + 3 * block.destX,
                   DibStride(GetWidth()),
                   DibStride(dest->GetWidth()),
                   GetHeight() - 1 - bottom,
                   rows};
    return true;
}

void CDIBImage::CopyTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t blockWidth,
                       int32_t blockHeight, int32_t srcX, int32_t srcY, uint32_t key) const {
    BlockCopy block{destX, destY, blockWidth, blockHeight, srcX, srcY};
    RowWalk walk;
    if (!BeginCopy(dest, block, walk))
        return;
    const size_t rowBytes = 3 * static_cast<size_t>(block.width);
    if (key == kNoColourKey && dest->pixels == pixels) {
        // memmove: a picture copied onto itself must not read what it wrote.
        for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
            std::memmove(walk.destRow, walk.srcRow + 3 * block.srcX, rowBytes);
        return;
    }
    if (key == kNoColourKey) {
        MoveRows(walk.srcRow + 3 * block.srcX, walk.srcStride, walk.destRow, walk.destStride,
                 walk.rows, static_cast<uint32_t>(rowBytes));
        return;
    }
    if (dest->pixels == pixels) {
        // Within one picture, only the pixel-by-pixel order gives the
        // documented result where the blocks overlap.
        for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
            CopyKeyedRowScalar(walk.srcRow + 3 * block.srcX, 3, walk.destRow, block.width, key);
        return;
    }
    const CKeyedRowCopier compare(key);
    if (const COpaqueRuns* found = RunsFor(key)) {
        found->Copy({walk.storedRow, walk.rows, walk.srcRow, walk.srcStride, walk.destRow,
                     walk.destStride, static_cast<uint32_t>(block.srcX),
                     static_cast<uint32_t>(block.width)},
                    compare);
        return;
    }
    for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
        compare.CopyRow(walk.srcRow + 3 * block.srcX, walk.destRow, block.width);
}

void CDIBImage::CopyMirroredTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t blockWidth,
                               int32_t blockHeight, int32_t srcX, int32_t srcY,
                               uint32_t key) const {
    // Read from the kept mirror image, destination column destX + i takes
    // the mirror's column srcX + i, which is this picture's column
    // GetWidth() - 1 - (srcX + i): a forward copy, with its runs and blocks.
    // Within one picture, only the pixel-by-pixel order gives the documented
    // result where the blocks overlap.
    if (dest != nullptr && dest->pixels != pixels) {
        if (const CDIBImage* mirror = Mirrored()) {
            mirror->CopyTo(dest, destX, destY, blockWidth, blockHeight, srcX, srcY, key);
            return;
        }
    }
    BlockCopy block{destX, destY, blockWidth, blockHeight, srcX, srcY};
    RowWalk walk;
    if (!BeginCopy(dest, block, walk))
        return;
    // The source column of destination pixel 0.
    const int32_t last = GetWidth() - 1 - block.srcX;
    for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
        CopyKeyedRowScalar(walk.srcRow + 3 * last, -3, walk.destRow, block.width, key);
}
