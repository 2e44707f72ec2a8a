// Arbitrary bytes as the options file, read from memory by the same reading
// the game's Load runs when its window is created. Besides the sanitizers it
// checks the outcome: a good file is taken as it stands, anything else leaves
// the options as they were.
#include "persist/initialization.h"

#include <cstdint>
#include <cstring>

namespace {

const uint8_t kOptionsHeader[16] = {8, 0, 0, 0, 'V', 'A', 'R', 'N', 'O', 'P', 'T', 'N', 0, 1, 0, 0};

// The value after the header, as the game stores it: little-endian, like the
// machine. False when the bytes do not start with the header and a value.
bool StoredValue(const uint8_t* data, size_t size, int32_t* value) {
    if (size < sizeof kOptionsHeader + sizeof *value ||
        std::memcmp(data, kOptionsHeader, sizeof kOptionsHeader) != 0)
        return false;
    std::memcpy(value, data + sizeof kOptionsHeader, sizeof *value);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t before = 1;
    g_showOneTimeDirections = before;
    const bool read = CInitialization::GetInstance()->LoadFromBytes(data, size);
    int32_t flag = 0;
    const bool good = StoredValue(data, size, &flag);
    if (read != good || g_showOneTimeDirections != (good ? flag : before))
        __builtin_trap();
    return 0;
}
