// CDIBSection on GDI. The header checks that need no GDI live in
// section_header.cpp.
#include "image/win32/dib_section.h"
#include "diag/log.h"
#include "image/section_header.h"
#include "persist/file_base.h"
#include "platform/win32/gdi.h"

#include <cstdlib>

namespace {

// Bytes GDI set aside for the section's pixels.
uint64_t SectionCapacity(HBITMAP bitmap) {
    DIBSECTION section = {};
    if (GetObjectA(bitmap, sizeof section, &section) != sizeof section)
        return 0;
    return static_cast<uint64_t>(section.dsBm.bmWidthBytes) *
           static_cast<uint64_t>(std::abs(section.dsBm.bmHeight));
}

} // namespace

CDIBSection::~CDIBSection() {
    CDIBSection::Free();
}

void CDIBSection::Free() {
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    bitmap = nullptr;
    delete[] headerBlock;
    headerBlock = nullptr;
    pixels = nullptr;
}

bool CDIBSection::ReadSection(CFileBase& file, HWND window) {
    Free();
    SectionHeaderBlock block;
    const SectionHeaderRead read = ReadSectionHeader(file, block);
    headerBlock = block.bytes.release();
    switch (read) {
    case SectionHeaderRead::kOk:
        break;
    case SectionHeaderRead::kWrongSignature:
        Log("CDIBSection::ReadSection: Not the correct file type.");
        return false;
    case SectionHeaderRead::kBlockTooShort:
        // No room for the info header the size field claims.
        Log("CDIBSection::ReadSection: BITMAPINFOHEADER size problem.");
        return false;
    default:
        Log("CDIBSection::ReadSection: Bad file read.");
        return false;
    }
    if (!SectionIsUncompressed(headerBlock)) {
        Log("CDIBSection::ReadSection: Not an uncompressed format.");
        return false;
    }
    if (!ComputeMetrics()) {
        Log("CDIBSection::ReadSection: BITMAPINFOHEADER size problem.");
        return false;
    }
    return CreateAndFill(file, window);
}

bool CDIBSection::CreateAndFill(CFileBase& file, HWND window) {
    bitmap = gdi::CreateSection(window, reinterpret_cast<const BITMAPINFO*>(headerBlock), &pixels);
    // GDI's idea of the size must hold ours, or the read below would run
    // past its buffer.
    if (pixels == nullptr || SectionCapacity(bitmap) < byteSize) {
        Log("CDIBSection::ReadSection: CreateDIBSection failed.");
        return false;
    }
    int32_t delivered = 0;
    file.Read(pixels, static_cast<int32_t>(byteSize), &delivered);
    if (static_cast<uint32_t>(delivered) != byteSize) {
        Log("CDIBSection::ReadSection: Bad bitmap image read.");
        return false;
    }
    return true;
}

bool CDIBSection::ComputeMetrics() {
    if (headerBlock == nullptr)
        return false;
    switch (ComputeSectionPixelBytes(headerBlock, &byteSize)) {
    case SectionMetrics::kOk:
        return true;
    case SectionMetrics::kNotWindowsHeader:
        Log("CDIBSection::ComputeMetrics: Not a valid Windows bitmap -- probably an OS/2 bitmap\n");
        return false;
    default:
        return false;
    }
}

bool CDIBSection::Draw(HDC dc, const POINT* dest, const SourceRect* src) {
    // A failed read may have kept the header without a bitmap: nothing to
    // draw either.
    if (headerBlock == nullptr || bitmap == nullptr) {
        Log("CDIBSection::Draw: No image to draw.");
        return false;
    }
    const BITMAPINFOHEADER* header = Header();
    const SourceRect whole{0, 0, header->biWidth, std::abs(header->biHeight)};
    const SourceRect& part = src != nullptr ? *src : whole;
    SetStretchBltMode(dc, COLORONCOLOR);
    gdi::BlitBitmap(dc, dest->x, dest->y, part.width, part.height, bitmap, part.x, part.y);
    return true;
}
