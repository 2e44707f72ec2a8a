#include "audio/music_volume.h"
#include "audio/midi_codes.h"

namespace {

constexpr int kChannelVolume = 7;

} // namespace

CMusicVolume::CMusicVolume() : step(1), full(1) {
    ForgetSong();
}

bool CMusicVolume::SetStep(int32_t newStep, int32_t fullStep) {
    if (fullStep < 1)
        fullStep = 1;
    newStep = newStep < 0 ? 0 : newStep > fullStep ? fullStep : newStep;
    const bool changed = newStep * full.load() != step.load() * fullStep;
    full = fullStep;
    step = newStep;
    return changed;
}

bool CMusicVolume::IsFull() const {
    return step.load() >= full.load();
}

uint8_t CMusicVolume::Scaled(uint8_t value) const {
    const int32_t s = step.load();
    const int32_t f = full.load();
    if (s >= f)
        return value;
    return static_cast<uint8_t>(value * s / f);
}

void CMusicVolume::Filter(uint8_t status, uint8_t data1, uint8_t& data2) {
    if ((status & midi::kKindMask) != midi::kControlChange || data1 != kChannelVolume)
        return;
    songVolume[status & 0x0F] = data2;
    data2 = Scaled(data2);
}

uint32_t CMusicVolume::ChannelVolumeMessage(int channel) const {
    const uint8_t value = Scaled(songVolume[channel & 0x0F].load());
    return static_cast<uint32_t>(midi::kControlChange + (channel & 0x0F)) +
           static_cast<uint32_t>(kChannelVolume) * 256 + static_cast<uint32_t>(value) * 65536;
}

void CMusicVolume::ForgetSong() {
    for (std::atomic<uint8_t>& volume : songVolume)
        volume = kStartingChannelVolume;
}
