// Sound effects on the native builds: nothing is heard; the names asked for
// are recorded for the tests.
#include "platform/headless/headless_platform.h"
#include "platform/sound.h"

namespace {

std::vector<std::string> g_playedSounds;

} // namespace

namespace headless {
std::vector<std::string> TakePlayedSounds() {
    std::vector<std::string> taken;
    taken.swap(g_playedSounds);
    return taken;
}
} // namespace headless

namespace platform {

void PlaySoundResource(HWND, const char* name) {
    g_playedSounds.emplace_back(name);
}

} // namespace platform
