#include "persist/player_saves.h"

#include <cstdio>

std::string PlayerPrefix(int32_t folder) {
    if (folder <= 0)
        return std::string();
    char name[32];
    std::snprintf(name, sizeof name, "\\players\\%02d", static_cast<int>(folder % 100));
    return name;
}

CPlayerSaves* CPlayerSaves::GetInstance() {
    static CPlayerSaves instance;
    return &instance;
}
