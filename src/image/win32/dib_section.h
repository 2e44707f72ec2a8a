// A picture read into a GDI DIB section and drawn 1:1 onto a device context:
// the base of the menu screens and the image-strip buttons. Windows only.
#pragma once

#include "image/dib_image.h"
#include "platform/win_types.h"

#include <cstdint>

class CFileBase;

class CDIBSection {
public:
    CDIBSection() = default;
    virtual ~CDIBSection();

    // Reads one picture from the file's position into a new DIB section
    // made on the window's device context. Always starts with Free.
    virtual bool ReadSection(CFileBase& file, HWND window);
    // Copies src of the picture (all of it when null) 1:1 so that its
    // top-left lands at dest; source y counts from the top of the picture.
    virtual bool Draw(HDC dc, const POINT* dest, const SourceRect* src);
    virtual void Free();

    // Checks the header block and works out the byte size of the pixels.
    bool ComputeMetrics();

    HBITMAP Bitmap() const { return bitmap; }
    void* Pixels() const { return pixels; }
    const BITMAPINFOHEADER* Header() const {
        return reinterpret_cast<const BITMAPINFOHEADER*>(headerBlock);
    }
    uint32_t ByteSize() const { return byteSize; }

    CDIBSection(const CDIBSection&) = delete;
    CDIBSection& operator=(const CDIBSection&) = delete;

protected:
    HBITMAP bitmap = nullptr;
    void* pixels = nullptr; // owned by the bitmap
    // The info header and colour table as read, with room for a full table.
    uint8_t* headerBlock = nullptr;
    uint32_t byteSize = 0;

private:
    // Steps of ReadSection after the header block is kept.
    bool CreateAndFill(CFileBase& file, HWND window);
};
