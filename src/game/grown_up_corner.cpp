#include "game/grown_up_corner.h"
#include "game/catalogue.h"
#include "persist/player_saves.h"

namespace {

bool Inside(const ScreenBox& box, int32_t x, int32_t y) {
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

int32_t Step(int32_t volume, int32_t by) {
    const int32_t next = volume + by;
    return next < 0 ? 0 : next > kVolumeFull ? kVolumeFull : next;
}

} // namespace

ScreenBox CornerBadgeBox(int32_t player) {
    return {kCornerPlayers.x + player * kCornerPlayerStep, kCornerPlayers.y, kCornerPlayers.width,
            kCornerPlayers.height};
}

ScreenBox CornerStartAgainBox(int32_t player) {
    const ScreenBox badge = CornerBadgeBox(player);
    return {badge.x + kCornerHoldButton.x, badge.y + kCornerHoldButton.y, kCornerHoldButton.width,
            kCornerHoldButton.height};
}

ScreenBox CornerRemoveBox(int32_t player) {
    ScreenBox box = CornerStartAgainBox(player);
    box.x += kCornerHoldButton.width + 4;
    return box;
}

ScreenBox CornerFitBox(int32_t fit) {
    return {kCornerFitChoices.x + fit * (kCornerFitChoices.width + kCornerChoiceGap),
            kCornerFitChoices.y, kCornerFitChoices.width, kCornerFitChoices.height};
}

CornerHit CornerHitAt(const FamilyChoice& family, int32_t x, int32_t y) {
    const std::pair<ScreenBox, CornerAct> fixed[] = {
        {kCornerMusicDown, CornerAct::kMusicDown},
        {kCornerMusicUp, CornerAct::kMusicUp},
        {kCornerEffectsDown, CornerAct::kEffectsDown},
        {kCornerEffectsUp, CornerAct::kEffectsUp},
        {kCornerHelp, CornerAct::kHelp},
        {kCornerLock, CornerAct::kLock},
        {kCornerBack, CornerAct::kBack},
    };
    for (const auto& [box, act] : fixed)
        if (Inside(box, x, y))
            return {act, 0};
    for (int32_t fit = 0; fit < kFitSettingCount; ++fit)
        if (Inside(CornerFitBox(fit), x, y))
            return {CornerAct::kFit, fit};
    const auto players = static_cast<int32_t>(family.players.size());
    for (int32_t i = 0; i < players; ++i) {
        if (Inside(CornerStartAgainBox(i), x, y))
            return {CornerAct::kStartAgain, i};
        // The first player's progress is the game's own: never removed.
        if (i > 0 && Inside(CornerRemoveBox(i), x, y))
            return {CornerAct::kRemove, i};
    }
    if (players < kMostPlayers && Inside(CornerBadgeBox(players), x, y))
        return {CornerAct::kAddPlayer, players};
    return {};
}

bool CornerActNeedsHold(CornerAct act) {
    return act == CornerAct::kStartAgain || act == CornerAct::kRemove;
}

FamilyChoice ApplyCornerAct(FamilyChoice family, const CornerHit& hit) {
    switch (hit.act) {
    case CornerAct::kMusicDown:
    case CornerAct::kMusicUp:
        family.musicVolume = Step(family.musicVolume, hit.act == CornerAct::kMusicUp ? 1 : -1);
        break;
    case CornerAct::kEffectsDown:
    case CornerAct::kEffectsUp:
        family.effectsVolume =
            Step(family.effectsVolume, hit.act == CornerAct::kEffectsUp ? 1 : -1);
        break;
    case CornerAct::kFit:
        if (hit.value >= 0 && hit.value < kFitSettingCount)
            family.fit = static_cast<FitSetting>(hit.value);
        break;
    case CornerAct::kHelp:
        family.helpWhenStuck = !family.helpWhenStuck;
        break;
    case CornerAct::kLock:
        family.childLock = !family.childLock;
        break;
    case CornerAct::kAddPlayer:
        AddPlayer(family);
        break;
    case CornerAct::kRemove:
        if (hit.value > 0 && hit.value < static_cast<int32_t>(family.players.size())) {
            family.players.erase(family.players.begin() + hit.value);
            if (family.lastPlayer == hit.value)
                family.lastPlayer = 0;
            else if (family.lastPlayer > hit.value)
                --family.lastPlayer;
        }
        break;
    case CornerAct::kStartAgain:
    case CornerAct::kBack:
    case CornerAct::kNothing:
        break;
    }
    return family;
}

std::vector<std::string> PlayerSavePaths(const std::vector<std::string>& roots, int32_t folder) {
    std::vector<std::string> paths;
    const std::string prefix = PlayerPrefix(folder);
    for (const std::string& root : roots)
        for (int32_t page = 1; !root.empty() && page <= kPageCount; ++page)
            paths.push_back(root + prefix + g_pageSaveFileNames[static_cast<size_t>(page)]);
    return paths;
}
