// The game's sound effects, synthesised: 16-bit stereo PCM at 44.1 kHz,
// each under a second, starting and ending at silence so nothing clicks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace content {

constexpr int kSampleRate = 44100;
constexpr int kPlaceSounds = 20;

struct StereoSound {
    std::vector<float> left;
    std::vector<float> right;
};

StereoSound ChangePageSound();
StereoSound ClearSound();
StereoSound PickupSound();
// A page finished: a rising run of bells landing on a chord.
StereoSound FanfareSound();
// One of twenty notes of a pentatonic scale, in two voices, so that any two
// in a row sound well together. n is 1 to 20.
StereoSound PlaceSound(int n);

// A RIFF WAVE file of the sound at 16 bits.
std::vector<uint8_t> EncodeWave(const StereoSound& sound);

// "ChangePageWAVE", "ClearWAVE", "PickupWAVE", "Place01WAVE" ...
// "Place20WAVE", "FanfareWAVE" by sound index 0 to 23, and the sound itself.
std::string SoundName(int index);
StereoSound SoundOf(int index);
constexpr int kSoundCount = 24;

} // namespace content
