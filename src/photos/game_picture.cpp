#include "photos/game_picture.h"

#include "image/dib_format.h"

namespace photos {

namespace {

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

std::vector<uint8_t> EncodeGamePicture(const Image& picture) {
    const int64_t pixelBytes = Dib24PixelBytes(picture.Width(), picture.Height());
    if (pixelBytes <= 0)
        return {};
    std::vector<uint8_t> file(kDibHeadersSize + static_cast<size_t>(pixelBytes), 0);
    file[0] = 'V';
    file[1] = '1';
    Put32(file, 2, static_cast<uint32_t>(file.size()));
    Put32(file, 10, kDibHeadersSize);
    const DibInfoHeader info = {kDibInfoHeaderSize,
                                picture.Width(),
                                picture.Height(),
                                1,
                                24,
                                0,
                                static_cast<uint32_t>(pixelBytes),
                                0,
                                0,
                                0,
                                0};
    EncodeInfoHeader(info, file.data() + kDibFileHeaderSize);
    const size_t stride = static_cast<size_t>(DibStride(picture.Width()));
    for (int y = 0; y < picture.Height(); ++y) {
        // Bottom row first, as every picture file of the game.
        uint8_t* row =
            file.data() + kDibHeadersSize + stride * static_cast<size_t>(picture.Height() - 1 - y);
        for (int x = 0; x < picture.Width(); ++x, row += 3) {
            const Rgb& pixel = picture.At(x, y);
            row[0] = pixel.b, row[1] = pixel.g, row[2] = pixel.r;
        }
    }
    return file;
}

bool CopyToDib(const Image& picture, CDIBImage* out) {
    if (out == nullptr || picture.Width() <= 0 || picture.Height() <= 0 ||
        !out->Create(picture.Width(), picture.Height()))
        return false;
    for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* p = out->PixelAddress(0, y);
        for (int x = 0; x < picture.Width(); ++x, p += 3) {
            const Rgb& pixel = picture.At(x, y);
            p[0] = pixel.b, p[1] = pixel.g, p[2] = pixel.r;
        }
    }
    return true;
}

Image CopyFromDib(const CDIBImage& image) {
    const int w = image.GetWidth(), h = image.GetHeight();
    if (w <= 0 || h <= 0 || image.Pixels() == nullptr)
        return Image();
    Image out(w, h);
    for (int y = 0; y < h; ++y) {
        const uint8_t* p = image.PixelAddress(0, y);
        for (int x = 0; x < w; ++x, p += 3)
            out.At(x, y) = {p[2], p[1], p[0]};
    }
    return out;
}

} // namespace photos
