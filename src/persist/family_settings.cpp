#include "persist/family_settings.h"

namespace {

const char* const kWrongFamily = "CSettings::DeSerialize: family setting is out of range";

bool InRange(int32_t value, int32_t low, int32_t high) {
    return low <= value && value <= high;
}

bool ValidPlayers(const std::vector<PlayerEntry>& players) {
    if (players.empty() || players.size() > static_cast<size_t>(kMostPlayers))
        return false;
    if (players.front().folder != 0)
        return false;
    for (size_t i = 0; i < players.size(); ++i) {
        const PlayerEntry& p = players[i];
        if (!InRange(p.badge, 0, kBadgeCount - 1))
            return false;
        if (i > 0 && !InRange(p.folder, 1, kLastPlayerFolder))
            return false;
        for (size_t j = 0; j < i; ++j)
            if (players[j].badge == p.badge || players[j].folder == p.folder)
                return false;
    }
    return true;
}

} // namespace

bool FamilyChoice::operator==(const FamilyChoice& other) const {
    return musicVolume == other.musicVolume && effectsVolume == other.effectsVolume &&
           fit == other.fit && helpWhenStuck == other.helpWhenStuck &&
           childLock == other.childLock && lastPlayer == other.lastPlayer &&
           players == other.players;
}

bool IsValidFamily(const FamilyChoice& choice) {
    return InRange(choice.musicVolume, 0, kVolumeFull) &&
           InRange(choice.effectsVolume, 0, kVolumeFull) &&
           InRange(choice.fit, 0, kFitSettingCount - 1) && ValidPlayers(choice.players) &&
           InRange(choice.lastPlayer, 0, static_cast<int32_t>(choice.players.size()) - 1);
}

void WriteFamily(Serializer& out, const FamilyChoice& choice) {
    out.PutInt(choice.musicVolume);
    out.PutInt(choice.effectsVolume);
    out.PutInt(choice.fit);
    out.PutInt(choice.helpWhenStuck ? 1 : 0);
    out.PutInt(choice.childLock ? 1 : 0);
    out.PutInt(choice.lastPlayer);
    out.PutInt(static_cast<int32_t>(choice.players.size()));
    for (const PlayerEntry& player : choice.players) {
        out.PutInt(player.badge);
        out.PutInt(player.folder);
    }
}

const char* ReadFamily(DeSerializer& in, FamilyChoice& choice) {
    choice.musicVolume = in.GetInt();
    choice.effectsVolume = in.GetInt();
    const int32_t fit = in.GetInt();
    const int32_t help = in.GetInt();
    const int32_t lock = in.GetInt();
    choice.lastPlayer = in.GetInt();
    const int32_t count = in.GetInt();
    // Checked before the list is read, so a damaged count never asks for
    // more than six entries.
    if (!InRange(fit, 0, kFitSettingCount - 1) || !InRange(help, 0, 1) || !InRange(lock, 0, 1) ||
        !InRange(count, 1, kMostPlayers))
        return kWrongFamily;
    choice.fit = static_cast<FitSetting>(fit);
    choice.helpWhenStuck = help == 1;
    choice.childLock = lock == 1;
    choice.players.clear();
    for (int32_t i = 0; i < count; ++i) {
        PlayerEntry player;
        player.badge = in.GetInt();
        player.folder = in.GetInt();
        choice.players.push_back(player);
    }
    return IsValidFamily(choice) ? nullptr : kWrongFamily;
}

int32_t AddPlayer(FamilyChoice& choice) {
    if (choice.players.size() >= static_cast<size_t>(kMostPlayers))
        return -1;
    auto taken = [&](int32_t value, bool badge) {
        for (const PlayerEntry& p : choice.players)
            if ((badge ? p.badge : p.folder) == value)
                return true;
        return false;
    };
    PlayerEntry player;
    while (taken(player.badge, true))
        ++player.badge;
    player.folder = 1;
    while (taken(player.folder, false))
        ++player.folder;
    choice.players.push_back(player);
    return static_cast<int32_t>(choice.players.size()) - 1;
}
