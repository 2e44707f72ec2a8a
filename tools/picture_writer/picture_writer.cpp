#include "picture_writer.h"
#include "image/dib_format.h"

#include <fstream>

namespace {

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

std::vector<uint8_t> EncodePictureFile(int32_t width, int32_t height, const PixelSource& pixel,
                                       PictureSignature signature) {
    const size_t stride = static_cast<size_t>(DibStride(width));
    const uint32_t pixelBytes = static_cast<uint32_t>(stride * static_cast<size_t>(height));
    std::vector<uint8_t> file(kDibHeadersSize + pixelBytes, 0);
    const bool game = signature == PictureSignature::kGame;
    file[0] = game ? 'V' : 'B';
    file[1] = game ? '1' : 'M';
    Put32(file, 2, static_cast<uint32_t>(file.size()));
    Put32(file, 10, kDibHeadersSize);
    const DibInfoHeader info = {kDibInfoHeaderSize, width, height, 1, 24, 0,
                                pixelBytes,         0,     0,      0, 0};
    EncodeInfoHeader(info, file.data() + kDibFileHeaderSize);
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = file.data() + kDibHeadersSize + stride * static_cast<size_t>(height - 1 - y);
        for (int32_t x = 0; x < width; ++x, row += 3) {
            const uint32_t colour = pixel(x, y);
            row[0] = static_cast<uint8_t>(colour >> 16);
            row[1] = static_cast<uint8_t>(colour >> 8);
            row[2] = static_cast<uint8_t>(colour);
        }
    }
    return file;
}

bool WritePictureFile(const std::string& path, int32_t width, int32_t height,
                      const PixelSource& pixel) {
    const std::vector<uint8_t> file = EncodePictureFile(width, height, pixel);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}
