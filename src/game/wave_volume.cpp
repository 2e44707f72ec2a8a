#include "game/wave_volume.h"

#include <cstring>

namespace {

constexpr size_t kRiffHeader = 12; // "RIFF", size, "WAVE"
constexpr size_t kChunkHeader = 8; // id, size
constexpr uint16_t kPcm = 1;

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint16_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool IdIs(const std::vector<uint8_t>& bytes, size_t at, const char* id) {
    return std::memcmp(&bytes[at], id, 4) == 0;
}

// Where the wave's data lies, and how its samples are stored.
struct WaveData {
    size_t offset = 0;
    size_t size = 0;
    uint16_t bits = 0;
    bool haveFormat = false;
    bool haveData = false;
};

bool FindData(const std::vector<uint8_t>& wave, WaveData& found) {
    if (wave.size() < kRiffHeader || !IdIs(wave, 0, "RIFF") || !IdIs(wave, 8, "WAVE"))
        return false;
    size_t at = kRiffHeader;
    while (at + kChunkHeader <= wave.size() && !found.haveData) {
        const size_t size = Read32(wave, at + 4);
        const size_t body = at + kChunkHeader;
        if (size > wave.size() - body)
            return false;
        if (IdIs(wave, at, "fmt ")) {
            if (size < 16 || Read16(wave, body) != kPcm)
                return false;
            found.bits = Read16(wave, body + 14);
            found.haveFormat = true;
        } else if (IdIs(wave, at, "data")) {
            found.offset = body;
            found.size = size;
            found.haveData = true;
        }
        // Chunks are padded to an even size.
        at = body + size + (size & 1);
    }
    return found.haveFormat && found.haveData && (found.bits == 8 || found.bits == 16);
}

} // namespace

bool ScaleWave(std::vector<uint8_t>& wave, int32_t step, int32_t fullStep) {
    WaveData data;
    if (fullStep <= 0 || !FindData(wave, data))
        return false;
    step = step < 0 ? 0 : step > fullStep ? fullStep : step;
    uint8_t* samples = wave.data() + data.offset;
    if (data.bits == 8) {
        for (size_t i = 0; i < data.size; ++i)
            samples[i] = static_cast<uint8_t>(128 + (samples[i] - 128) * step / fullStep);
        return true;
    }
    for (size_t i = 0; i + 1 < data.size; i += 2) {
        const auto sample = static_cast<int16_t>(samples[i] | samples[i + 1] << 8);
        const auto scaled = static_cast<uint16_t>(sample * step / fullStep);
        samples[i] = static_cast<uint8_t>(scaled & 0xFF);
        samples[i + 1] = static_cast<uint8_t>(scaled >> 8);
    }
    return true;
}
