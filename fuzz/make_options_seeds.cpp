// Writes the options fuzzer's seeds with the game's own writer: good files
// holding each flag value, one cut after its version, one of a later version.
//   make_options_seeds FOLDER
#include "persist/initialization.h"

#include <cstdio>
#include <string>

namespace {

void WriteOptions(const std::string& path, int32_t flag) {
    g_optionsPath = path;
    g_showOneTimeDirections = flag;
    CInitialization::GetInstance()->Save();
}

void WriteHeader(const std::string& path, int32_t version, bool withFlag) {
    Serializer out(path);
    out.PutString(g_optionsMagic);
    out.PutInt(version);
    if (withFlag)
        out.PutInt(1);
    out.Commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_options_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    try {
        WriteOptions(folder + "/fresh.dta", 1);
        WriteOptions(folder + "/shown.dta", 0);
        WriteHeader(folder + "/cut.dta", CInitialization::kVersion, false);
        WriteHeader(folder + "/version257.dta", CInitialization::kVersion + 1, true);
    } catch (const char* text) {
        std::fprintf(stderr, "make_options_seeds: %s\n", text);
        return 1;
    }
    return 0;
}
