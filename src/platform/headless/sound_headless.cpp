// Sound effects on the native builds: nothing is heard; the names asked for
// are recorded for the tests.
#include "platform/headless/headless_platform.h"
#include "platform/sound.h"

#include <map>

namespace {

std::vector<std::string> g_playedSounds;
std::map<std::string, std::vector<uint8_t>> g_soundResources;
std::vector<std::vector<uint8_t>> g_playedWaves;
int g_stops = 0;

} // namespace

namespace headless {
std::vector<std::string> TakePlayedSounds() {
    std::vector<std::string> taken;
    taken.swap(g_playedSounds);
    return taken;
}

void SetSoundResource(const std::string& name, const std::vector<uint8_t>& wave) {
    if (wave.empty())
        g_soundResources.erase(name);
    else
        g_soundResources[name] = wave;
}

std::vector<std::vector<uint8_t>> TakePlayedWaves() {
    std::vector<std::vector<uint8_t>> taken;
    taken.swap(g_playedWaves);
    return taken;
}

int TakeSoundStops() {
    const int stops = g_stops;
    g_stops = 0;
    return stops;
}
} // namespace headless

namespace platform {

void PlaySoundResource(HWND, const char* name) {
    g_playedSounds.emplace_back(name);
}

std::vector<uint8_t> ReadSoundResource(HWND, const char* name) {
    const auto found = g_soundResources.find(name);
    return found != g_soundResources.end() ? found->second : std::vector<uint8_t>();
}

void PlaySoundBytes(const std::vector<uint8_t>& wave) {
    g_playedWaves.push_back(wave);
}

void StopSounds() {
    ++g_stops;
}

} // namespace platform
