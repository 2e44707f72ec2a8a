#include "sound.h"

#include "random.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace content {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint64_t kNoiseSeed = 0x6e6f697365ull;
// Loudest sample as a fraction of full scale: effects sit under the music.
constexpr double kPeak = 0.55;
constexpr double kFadeSeconds = 0.004;

int Samples(double seconds) {
    return static_cast<int>(seconds * kSampleRate);
}

double Midi(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Short linear ramps at both ends and a peak level, so every sound starts
// and stops at zero and no two are much louder than each other.
void Finish(StereoSound& sound) {
    const size_t n = sound.left.size();
    const size_t fade = static_cast<size_t>(kFadeSeconds * kSampleRate);
    for (size_t i = 0; i < fade && i < n; ++i) {
        const float gain = static_cast<float>(i) / fade;
        sound.left[i] *= gain, sound.right[i] *= gain;
        sound.left[n - 1 - i] *= gain, sound.right[n - 1 - i] *= gain;
    }
    float peak = 0;
    for (size_t i = 0; i < n; ++i)
        peak = std::max({peak, std::fabs(sound.left[i]), std::fabs(sound.right[i])});
    if (peak > 0)
        for (size_t i = 0; i < n; ++i)
            sound.left[i] *= static_cast<float>(kPeak / peak),
                sound.right[i] *= static_cast<float>(kPeak / peak);
}

// A fall to nothing over the last 1/steepness of the sound, so that every
// tone has died away well before the file ends.
void FadeTail(StereoSound& sound, double steepness) {
    const size_t n = sound.left.size();
    for (size_t i = 0; i < n; ++i) {
        const float tail = static_cast<float>(std::min(1.0, steepness * (n - i) / n));
        sound.left[i] *= tail, sound.right[i] *= tail;
    }
}

// Adds a struck tone: partials as (ratio, level, decay seconds) pairs.
struct Partial {
    double ratio;
    double level;
    double decay;
};

void AddStrike(StereoSound& sound, double start, double frequency, const Partial* partials,
               int count, double pan, double level) {
    const int first = Samples(start);
    const double attack = 0.003;
    const double left = std::cos(pan * kPi / 2), right = std::sin(pan * kPi / 2);
    for (int i = first; i < static_cast<int>(sound.left.size()); ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        double value = 0;
        for (int p = 0; p < count; ++p)
            value += partials[p].level * std::exp(-t / partials[p].decay) *
                     std::sin(2 * kPi * frequency * partials[p].ratio * t);
        value *= level * std::min(1.0, t / attack);
        sound.left[i] += static_cast<float>(value * left);
        sound.right[i] += static_cast<float>(value * right);
    }
}

StereoSound Silence(double seconds) {
    StereoSound sound;
    sound.left.assign(Samples(seconds), 0.0f);
    sound.right.assign(Samples(seconds), 0.0f);
    return sound;
}

// A wooden bar: a strong fundamental and a quickly fading fourth partial.
const Partial kMarimba[] = {{1.0, 1.0, 0.22}, {4.0, 0.35, 0.05}, {9.9, 0.08, 0.015}};
// A small bell: brighter, with a slightly stretched upper partial.
const Partial kBell[] = {{1.0, 1.0, 0.32}, {2.0, 0.3, 0.2}, {3.0, 0.18, 0.12}, {4.17, 0.12, 0.07}};

} // namespace

StereoSound PlaceSound(int n) {
    // G major pentatonic, G4 to E6, once as a marimba and once as a bell.
    static const int kScale[10] = {67, 69, 71, 74, 76, 79, 81, 83, 86, 88};
    const int step = (n - 1) % 10;
    const bool bell = n > 10;
    StereoSound sound = Silence(bell ? 0.8 : 0.6);
    const double pan = 0.3 + 0.4 * step / 9.0;
    if (bell)
        AddStrike(sound, 0, Midi(kScale[step]), kBell, 4, pan, 1.0);
    else
        AddStrike(sound, 0, Midi(kScale[step] - 12), kMarimba, 3, pan, 1.0);
    FadeTail(sound, 3.0);
    Finish(sound);
    return sound;
}

StereoSound PickupSound() {
    // A soft rising "blip", like a piece lifted off the table.
    StereoSound sound = Silence(0.16);
    double phase = 0;
    for (size_t i = 0; i < sound.left.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double frequency = 480 + 900 * t;
        phase += 2 * kPi * frequency / kSampleRate;
        const double envelope = std::min(1.0, t / 0.01) * std::exp(-t / 0.045);
        const float value =
            static_cast<float>(envelope * (std::sin(phase) + 0.25 * std::sin(2 * phase)));
        sound.left[i] = value, sound.right[i] = value;
    }
    Finish(sound);
    return sound;
}

StereoSound ChangePageSound() {
    // A page turning: a soft swish of filtered noise that sweeps left to right.
    StereoSound sound = Silence(0.42);
    Random random(kNoiseSeed);
    double low = 0, band = 0;
    const size_t n = sound.left.size();
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double white = random.Uniform(-1.0, 1.0);
        // Two one-pole filters: a gentle band around a few kilohertz.
        const double cutoff = 0.05 + 0.18 * std::sin(kPi * t);
        low += cutoff * (white - low);
        band += 0.5 * (low - band);
        const double envelope = std::pow(std::sin(kPi * std::min(1.0, t * 1.15)), 2.0);
        const double value = (low - band) * envelope * 3.0;
        sound.left[i] = static_cast<float>(value * std::cos(t * kPi / 2));
        sound.right[i] = static_cast<float>(value * std::sin(t * kPi / 2));
    }
    Finish(sound);
    return sound;
}

StereoSound ClearSound() {
    // Pieces tumbling home: a quick falling run of bell notes.
    StereoSound sound = Silence(0.9);
    const int notes[] = {88, 86, 83, 81, 79, 76};
    for (int i = 0; i < 6; ++i)
        AddStrike(sound, 0.065 * i, Midi(notes[i]), kBell, 4, 0.75 - 0.1 * i, 0.8);
    FadeTail(sound, 4.0);
    Finish(sound);
    return sound;
}

StereoSound FanfareSound() {
    // A page finished: a quick rising arpeggio of bells that lands on a
    // bright chord, spread across the stereo field.
    StereoSound sound = Silence(0.95);
    const int run[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i)
        AddStrike(sound, 0.085 * i, Midi(run[i]), kBell, 4, 0.3 + 0.13 * i, 0.7);
    const int chord[] = {84, 88, 91};
    for (int i = 0; i < 3; ++i)
        AddStrike(sound, 0.36, Midi(chord[i]), kBell, 4, 0.35 + 0.15 * i, 0.55);
    AddStrike(sound, 0.36, Midi(60), kMarimba, 3, 0.5, 0.6);
    FadeTail(sound, 4.0);
    Finish(sound);
    return sound;
}

std::vector<uint8_t> EncodeWave(const StereoSound& sound) {
    const uint32_t frames = static_cast<uint32_t>(sound.left.size());
    const uint32_t dataBytes = frames * 4;
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    auto put = [&out](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    auto tag = [&out](const char* text) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(text[i]));
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(2, 2); // stereo
    put(kSampleRate, 4);
    put(kSampleRate * 4, 4);
    put(4, 2);
    put(16, 2);
    tag("data");
    put(dataBytes, 4);
    auto sample = [](float value) {
        const long scaled = std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
        return static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(scaled)));
    };
    for (uint32_t i = 0; i < frames; ++i) {
        put(sample(sound.left[i]), 2);
        put(sample(sound.right[i]), 2);
    }
    return out;
}

std::string SoundName(int index) {
    if (index == 0)
        return "ChangePageWAVE";
    if (index == 1)
        return "ClearWAVE";
    if (index == 2)
        return "PickupWAVE";
    if (index == kSoundCount - 1)
        return "FanfareWAVE";
    char name[32];
    std::snprintf(name, sizeof name, "Place%02dWAVE", index - 2);
    return name;
}

StereoSound SoundOf(int index) {
    switch (index) {
    case 0:
        return ChangePageSound();
    case 1:
        return ClearSound();
    case 2:
        return PickupSound();
    case kSoundCount - 1:
        return FanfareSound();
    default:
        return PlaceSound(index - 2);
    }
}

} // namespace content
