#include "photos/page_file.h"

#include "diag/log.h"
#include "photos/photo_frame.h"

#include <cstring>

namespace photos {

namespace {

constexpr char kMagic[8] = {'V', 'P', 'H', 'O', 'T', 'O', 'P', 'G'};
constexpr size_t kFixedBytes = 40; // up to the name
constexpr size_t kChecksumBytes = 4;

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t Get32(const uint8_t* at) {
    return uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 | uint32_t{at[3]} << 24;
}

bool Refuse(const char* why) {
    Log("PhotoPageFile: %s", why);
    return false;
}

} // namespace

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name.size() > kLongestPhotoName || name == "." || name == "..")
        return false;
    for (const char c : name)
        if (c < 0x20 || c > 0x7E || std::strchr("\\/:*?\"<>|", c) != nullptr)
            return false;
    return true;
}

std::vector<uint8_t> EncodePageFile(const PhotoPageInfo& info) {
    if (!IsPieceCount(info.pieceCount) || !IsFrame(info.frame) || !IsPlainFileName(info.photoName))
        return {};
    std::vector<uint8_t> out(kMagic, kMagic + sizeof kMagic);
    Put32(out, kPageFileVersion);
    Put32(out, static_cast<uint32_t>(info.pieceCount));
    Put32(out, info.cutSeed);
    for (const int value : {info.frame.x, info.frame.y, info.frame.w, info.frame.h})
        Put32(out, static_cast<uint32_t>(value));
    Put32(out, static_cast<uint32_t>(info.photoName.size()));
    out.insert(out.end(), info.photoName.begin(), info.photoName.end());
    Put32(out, Crc32(out.data(), out.size()));
    return out;
}

bool DecodePageFile(const uint8_t* data, size_t size, PhotoPageInfo* info) {
    if (data == nullptr || size < kFixedBytes + kChecksumBytes)
        return Refuse("file too short");
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return Refuse("not a page file");
    const uint32_t version = Get32(data + 8);
    // A later version may lay its bytes out otherwise: refuse before reading on.
    if (version > kPageFileVersion)
        return Refuse("written by a newer version");
    if (version == 0)
        return Refuse("damaged file");
    const size_t nameLength = Get32(data + 36);
    if (nameLength == 0 || nameLength > kLongestPhotoName ||
        size != kFixedBytes + nameLength + kChecksumBytes)
        return Refuse("damaged file");
    if (Get32(data + kFixedBytes + nameLength) != Crc32(data, kFixedBytes + nameLength))
        return Refuse("damaged file");
    PhotoPageInfo read;
    read.pieceCount = static_cast<int32_t>(Get32(data + 12));
    read.cutSeed = Get32(data + 16);
    read.frame = {static_cast<int>(Get32(data + 20)), static_cast<int>(Get32(data + 24)),
                  static_cast<int>(Get32(data + 28)), static_cast<int>(Get32(data + 32))};
    read.photoName.assign(reinterpret_cast<const char*>(data + kFixedBytes), nameLength);
    if (!IsPieceCount(read.pieceCount) || !IsFrame(read.frame) || !IsPlainFileName(read.photoName))
        return Refuse("damaged file");
    *info = read;
    return true;
}

} // namespace photos
