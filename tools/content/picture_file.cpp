#include "picture_file.h"

#include <fstream>
#include <stdexcept>

namespace content {

namespace {

constexpr int kHeaderBytes = 54;

int Stride(int width) {
    return (3 * width + 3) & ~3;
}

uint32_t Get32(const std::vector<uint8_t>& in, size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(in[at + i]) << (8 * i);
    return value;
}

uint16_t Get16(const std::vector<uint8_t>& in, size_t at) {
    return static_cast<uint16_t>(in[at] | (in[at + 1] << 8));
}

const char* SignatureText(Signature signature) {
    return signature == Signature::kGame ? "V1" : "BM";
}

} // namespace

std::vector<uint8_t> EncodePicture(const Image& image, Signature signature) {
    return EncodePictureFile(
        image.Width(), image.Height(),
        [&image](int32_t x, int32_t y) {
            const Rgb& pixel = image.At(x, y);
            return static_cast<uint32_t>(pixel.b) << 16 | static_cast<uint32_t>(pixel.g) << 8 |
                   pixel.r;
        },
        signature);
}

std::optional<Image> DecodePicture(const std::vector<uint8_t>& in, Signature signature) {
    if (in.size() < kHeaderBytes || in[0] != SignatureText(signature)[0] ||
        in[1] != SignatureText(signature)[1])
        return std::nullopt;
    const uint32_t offset = Get32(in, 10);
    const int width = static_cast<int>(Get32(in, 18));
    const int height = static_cast<int>(Get32(in, 22));
    if (Get32(in, 14) != 40 || Get16(in, 28) != 24 || Get32(in, 30) != 0 || width <= 0 ||
        height <= 0 || width > 8192 || height > 8192)
        return std::nullopt;
    const int stride = Stride(width);
    if (in.size() < offset + static_cast<size_t>(stride) * height)
        return std::nullopt;
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        size_t at = offset + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x, at += 3)
            image.At(x, y) = {in[at + 2], in[at + 1], in[at]};
    }
    return image;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

} // namespace content
