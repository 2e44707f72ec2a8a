#include "game/play_aids.h"

#include <cstdio>

namespace {

std::string AidPath(char letter, int32_t piece) {
    char name[32];
    std::snprintf(name, sizeof name, "\\Data\\%c%03d.dat", letter, static_cast<int>(piece));
    return name;
}

} // namespace

std::string SelectionRingPath(int32_t piece) {
    return AidPath('r', piece);
}

std::string HoleGlowPath(int32_t piece) {
    return AidPath('g', piece);
}
