// Arbitrary bytes as the options file, read by the same Load the game runs
// when its window is created. Besides the sanitizers it checks the outcome:
// a good file is taken as it stands, anything else is rewritten as a good
// file holding the value the game had.
#include "persist/initialization.h"
#include "support/scratch_folder.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const uint8_t kGoodHeader[16] = {8, 0, 0, 0, 'V', 'A', 'R', 'N', 'O', 'P', 'T', 'N', 0, 1, 0, 0};

bool IsGoodOptionsFile(const uint8_t* data, size_t size) {
    return size >= 20 && std::memcmp(data, kGoodHeader, sizeof kGoodHeader) == 0;
}

// The flag as the game stores it: little-endian, like the machine.
int32_t StoredFlag(const uint8_t* data) {
    int32_t flag = 0;
    std::memcpy(&flag, data + 16, sizeof flag);
    return flag;
}

Bytes GoodFileHolding(int32_t flag) {
    Bytes bytes(kGoodHeader, kGoodHeader + sizeof kGoodHeader);
    bytes.resize(sizeof kGoodHeader + sizeof flag);
    std::memcpy(&bytes[sizeof kGoodHeader], &flag, sizeof flag);
    return bytes;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFolder folder("varnolt-fuzz-options");
    const std::string file = folder.path + "/options.dta";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    const int32_t before = 1;
    g_showOneTimeDirections = before;
    CInitialization::GetInstance()->Initialize(folder.path);

    const Bytes after = ReadFile(file);
    if (IsGoodOptionsFile(data, size)) {
        if (g_showOneTimeDirections != StoredFlag(data) || after != Bytes(data, data + size))
            __builtin_trap();
    } else {
        if (g_showOneTimeDirections != before || after != GoodFileHolding(before))
            __builtin_trap();
    }
    if (fs::exists(file + ".tmp"))
        __builtin_trap();
    return 0;
}
