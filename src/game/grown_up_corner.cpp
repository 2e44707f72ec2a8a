#include "game/grown_up_corner.h"
#include "game/catalogue.h"
#include "persist/player_saves.h"

#include <utility>

namespace {

bool Inside(const ScreenBox& box, int32_t x, int32_t y) {
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

int32_t Step(int32_t volume, int32_t by) {
    const int32_t next = volume + by;
    return next < 0 ? 0 : next > kVolumeFull ? kVolumeFull : next;
}

// The controls that are always there, each in its own place.
constexpr std::pair<CornerAct, ScreenBox> kFixedControls[] = {
    {CornerAct::kMusicDown, kCornerMusicDown},
    {CornerAct::kMusicUp, kCornerMusicUp},
    {CornerAct::kEffectsDown, kCornerEffectsDown},
    {CornerAct::kEffectsUp, kCornerEffectsUp},
    {CornerAct::kHelp, kCornerHelp},
    {CornerAct::kLock, kCornerLock},
    {CornerAct::kBack, kCornerBack},
};

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

std::vector<CornerHit> CornerControls(const FamilyChoice& family) {
    std::vector<CornerHit> controls = {
        {CornerAct::kMusicDown, 0},
        {CornerAct::kMusicUp, 0},
        {CornerAct::kEffectsDown, 0},
        {CornerAct::kEffectsUp, 0},
        {CornerAct::kFit, kFitNormal},
        {CornerAct::kFit, kFitGenerous},
        {CornerAct::kFit, kFitVeryGenerous},
        {CornerAct::kHelp, 0},
        {CornerAct::kLock, 0},
    };
    const auto players = static_cast<int32_t>(family.players.size());
    for (int32_t i = 0; i < players; ++i) {
        controls.push_back({CornerAct::kStartAgain, i});
        // The first player's progress is the game's own: never removed.
        if (i > 0)
            controls.push_back({CornerAct::kRemove, i});
    }
    if (players < kMostPlayers)
        controls.push_back({CornerAct::kAddPlayer, players});
    controls.push_back({CornerAct::kBack, 0});
    return controls;
}

ScreenBox CornerBoxOf(const CornerHit& hit) {
    for (const auto& [act, box] : kFixedControls)
        if (act == hit.act)
            return box;
    if (hit.act == CornerAct::kFit)
        return CornerFitBox(hit.value);
    if (hit.act == CornerAct::kStartAgain)
        return CornerStartAgainBox(hit.value);
    if (hit.act == CornerAct::kRemove)
        return CornerRemoveBox(hit.value);
    // The add badge stands where the next player's will.
    if (hit.act == CornerAct::kAddPlayer)
        return CornerBadgeBox(hit.value);
    return {0, 0, 0, 0};
}

CornerHit CornerHitAt(const FamilyChoice& family, int32_t x, int32_t y) {
    // The controls never overlap, so the first one found is the only one.
    for (const CornerHit& control : CornerControls(family))
        if (Inside(CornerBoxOf(control), x, y))
            return control;
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
