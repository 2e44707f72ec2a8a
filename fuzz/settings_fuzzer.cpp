// Arbitrary bytes as the settings file (the sound switch and, from version
// 257, the presentation), read from memory by the same reading the game's
// Load runs when its window is created. Besides the sanitizers it checks the
// outcome: whatever was read lies in range, bytes that are no good settings
// file give a first run's settings, and what was read, stored and read
// again comes back the same.
#include "persist/settings.h"
#include "support/scratch_folder.h"

#include <cstdint>

namespace {

bool Same(const PresentationChoice& a, const PresentationChoice& b) {
    return a.mode == b.mode && a.left == b.left && a.top == b.top && a.width == b.width &&
           a.height == b.height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSettings settings;
    settings.SetSound(kSoundAllOff);
    settings.SetPresentation(PresentationChoice{kPresentWindow, 1, 2, 3, 4});
    const bool read = settings.LoadFromBytes(data, size);
    const PresentationChoice& choice = settings.GetPresentation();
    if (settings.GetSound() < 0 || settings.GetSound() >= kSoundSettingCount)
        __builtin_trap();
    if (choice.mode < 0 || choice.mode >= kPresentationModeCount || choice.width < 0 ||
        choice.height < 0)
        __builtin_trap();
    if (!read && (settings.GetSound() != kSoundAllOn || !choice.IsDefault()))
        __builtin_trap();

    // The round trip goes through the game's own safe store, which writes a
    // file: the one thing this fuzzer keeps on disk.
    static ScratchFolder folder("varnolt-fuzz-settings");
    const SoundSetting sound = settings.GetSound();
    const PresentationChoice kept = choice;
    CSettings stored;
    stored.Initialize(folder.path);
    stored.SetSound(sound);
    stored.SetPresentation(kept);
    stored.Save();
    CSettings again;
    again.Initialize(folder.path);
    if (again.GetSound() != sound || !Same(again.GetPresentation(), kept))
        __builtin_trap();
    return 0;
}
