// The headless platform's one picture format, so that tests import photos
// without the system's decoders: binary PPM ("P6", 8 bits a channel) and PAM
// ("P7" with TUPLTYPE RGB_ALPHA) for transparency. Scaling takes every
// n-th pixel, which is all a test needs to see that the size it chose was
// honoured.
#include "platform/headless/headless_platform.h"
#include "platform/photo_decoder.h"

#include <cctype>
#include <cstring>
#include <string>
#include <utility>

namespace {

std::vector<platform::PhotoSize> g_decodedSizes;

struct Header {
    int32_t width = 0;
    int32_t height = 0;
    int32_t channels = 3;
    size_t pixelsAt = 0;
};

// Reads one whitespace-separated word at *at, skipping "#" comments.
std::string Word(const uint8_t* data, size_t size, size_t* at) {
    while (*at < size) {
        if (data[*at] == '#') {
            while (*at < size && data[*at] != '\n')
                ++*at;
        } else if (std::isspace(data[*at])) {
            ++*at;
        } else {
            break;
        }
    }
    std::string word;
    while (*at < size && !std::isspace(data[*at]) && word.size() < 16)
        word += static_cast<char>(data[(*at)++]);
    return word;
}

int32_t Number(const std::string& word) {
    if (word.empty() || word.size() > 9)
        return -1;
    int32_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool ReadPpm(const uint8_t* data, size_t size, size_t at, Header* header) {
    header->width = Number(Word(data, size, &at));
    header->height = Number(Word(data, size, &at));
    if (Number(Word(data, size, &at)) != 255 || at >= size)
        return false;
    header->pixelsAt = at + 1; // one whitespace byte ends the header
    return true;
}

bool ReadPam(const uint8_t* data, size_t size, size_t at, Header* header) {
    for (;;) {
        const std::string key = Word(data, size, &at);
        if (key.empty())
            return false;
        if (key == "ENDHDR") {
            header->pixelsAt = at + 1;
            return at < size;
        }
        const std::string value = Word(data, size, &at);
        if (key == "WIDTH")
            header->width = Number(value);
        else if (key == "HEIGHT")
            header->height = Number(value);
        else if (key == "DEPTH")
            header->channels = Number(value);
        else if (key == "MAXVAL" && value != "255")
            return false;
    }
}

bool ReadHeader(const uint8_t* data, size_t size, Header* header) {
    if (data == nullptr || size < 2 || data[0] != 'P')
        return false;
    size_t at = 2;
    const bool read = data[1] == '6'   ? ReadPpm(data, size, at, header)
                      : data[1] == '7' ? ReadPam(data, size, at, header)
                                       : false;
    if (!read || header->width <= 0 || header->height <= 0 ||
        (header->channels != 3 && header->channels != 4))
        return false;
    return header->pixelsAt <= size;
}

// Whether the file holds every pixel its header promises.
bool HoldsPixels(const Header& header, size_t size) {
    const uint64_t bytes = uint64_t{static_cast<uint32_t>(header.width)} *
                           static_cast<uint32_t>(header.height) *
                           static_cast<uint32_t>(header.channels);
    return bytes <= size - header.pixelsAt;
}

} // namespace

namespace platform {

PhotoDecode DecodePhoto(const uint8_t* data, size_t size, const PhotoSizeChoice& choose,
                        PhotoSize* decodedSize, std::vector<uint8_t>* pixels) {
    Header header;
    if (!ReadHeader(data, size, &header))
        return PhotoDecode::kNotAPicture;
    // As the system's decoders do, the size is known before the pixels are
    // read, so a picture can be refused on its size alone.
    PhotoSize decoded;
    if (!choose({header.width, header.height}, &decoded) || decoded.width < 1 ||
        decoded.height < 1 || decoded.width > header.width || decoded.height > header.height)
        return PhotoDecode::kRefusedSize;
    if (!HoldsPixels(header, size))
        return PhotoDecode::kNotAPicture;
    g_decodedSizes.push_back(decoded);
    pixels->assign(static_cast<size_t>(decoded.width) * decoded.height * 4, 0);
    const uint8_t* source = data + header.pixelsAt;
    for (int32_t y = 0; y < decoded.height; ++y) {
        const int64_t sy = int64_t{y} * header.height / decoded.height;
        for (int32_t x = 0; x < decoded.width; ++x) {
            const int64_t sx = int64_t{x} * header.width / decoded.width;
            const uint8_t* in = source + (sy * header.width + sx) * header.channels;
            uint8_t* out = pixels->data() + (static_cast<size_t>(y) * decoded.width + x) * 4;
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = header.channels == 4 ? in[3] : 255;
        }
    }
    *decodedSize = decoded;
    return PhotoDecode::kDecoded;
}

} // namespace platform

namespace headless {

std::vector<platform::PhotoSize> TakeDecodedPhotoSizes() {
    return std::exchange(g_decodedSizes, {});
}

} // namespace headless
