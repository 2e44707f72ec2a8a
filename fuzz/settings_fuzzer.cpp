// Arbitrary bytes as the settings file (the sound switch and, from version
// 257, the presentation), read by the same Load the game runs when its window
// is created. Besides the sanitizers it checks the outcome: whatever was read
// lies in range or is the defaults, reading never changes the file, and what
// was read, written again, reads back the same.
#include "persist/settings.h"
#include "support/scratch_folder.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Same(const PresentationChoice& a, const PresentationChoice& b) {
    return a.mode == b.mode && a.left == b.left && a.top == b.top && a.width == b.width &&
           a.height == b.height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFolder folder("varnolt-fuzz-settings");
    const std::string file = folder.path + "/settings.dta";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CSettings settings;
    settings.Initialize(folder.path);
    const PresentationChoice& read = settings.GetPresentation();
    if (settings.GetSound() < 0 || settings.GetSound() >= kSoundSettingCount)
        __builtin_trap();
    if (read.mode < 0 || read.mode >= kPresentationModeCount || read.width < 0 || read.height < 0)
        __builtin_trap();
    if (ReadFile(file) != Bytes(data, data + size))
        __builtin_trap();

    settings.Save();
    CSettings again;
    again.Initialize(folder.path);
    if (again.GetSound() != settings.GetSound() || !Same(again.GetPresentation(), read))
        __builtin_trap();
    return 0;
}
