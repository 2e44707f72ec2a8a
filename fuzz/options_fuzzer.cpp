// Arbitrary bytes as the options file and as the settings file, read from
// memory by the same reading the game's Load runs when its window is created.
// Besides the sanitizers it checks the outcome: a good file is taken as it
// stands, anything else leaves the options as they were and every sound on.
#include "persist/initialization.h"
#include "persist/settings.h"

#include <cstdint>
#include <cstring>

namespace {

const uint8_t kOptionsHeader[16] = {8, 0, 0, 0, 'V', 'A', 'R', 'N', 'O', 'P', 'T', 'N', 0, 1, 0, 0};
const uint8_t kSettingsHeader[16] = {8,   0,   0,   0,   'V', 'A', 'R', 'N',
                                     'S', 'E', 'T', 'T', 0,   1,   0,   0};

// The value after the header, as the game stores it: little-endian, like the
// machine. False when the bytes do not start with header and a value.
bool StoredValue(const uint8_t* data, size_t size, const uint8_t (&header)[16], int32_t* value) {
    if (size < sizeof header + sizeof *value || std::memcmp(data, header, sizeof header) != 0)
        return false;
    std::memcpy(value, data + sizeof header, sizeof *value);
    return true;
}

void CheckOptions(const uint8_t* data, size_t size) {
    const int32_t before = 1;
    g_showOneTimeDirections = before;
    const bool read = CInitialization::GetInstance()->LoadFromBytes(data, size);
    int32_t flag = 0;
    const bool good = StoredValue(data, size, kOptionsHeader, &flag);
    if (read != good || g_showOneTimeDirections != (good ? flag : before))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckOptions(data, size);

    // The same bytes as the settings file.
    CSettings settings;
    settings.SetSound(kSoundAllOff);
    const bool read = settings.LoadFromBytes(data, size);
    int32_t sound = 0;
    const bool good = StoredValue(data, size, kSettingsHeader, &sound) && sound >= 0 &&
                      sound < kSoundSettingCount;
    if (read != good || settings.GetSound() != (good ? sound : kSoundAllOn))
        __builtin_trap();
    return 0;
}
