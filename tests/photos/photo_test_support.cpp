#include "photo_test_support.h"

#include "game/screen_layout.h"

using photos::Image;
using photos::Rgb;

Image PatternPicture(int width, int height) {
    Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.At(x, y) = {static_cast<uint8_t>(x * 7 + y), static_cast<uint8_t>(y * 5 + x / 3),
                            static_cast<uint8_t>(40 + (x ^ y) % 160)};
    return out;
}

Image StripedBackground() {
    Image out(kScreenWidth, kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            out.At(x, y) = (x / 16 + y / 16) % 2 ? Rgb{200, 180, 150} : Rgb{180, 160, 130};
    return out;
}

std::vector<uint8_t> AsBgra(const Image& picture) {
    std::vector<uint8_t> out;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const Rgb pixel = picture.At(x, y);
            out.insert(out.end(), {pixel.b, pixel.g, pixel.r, 255});
        }
    return out;
}
