// What a household sets in the grown-up corner: the two volumes, how
// forgiving a drop is, help for a stuck child, the child lock, and who plays.
// Kept in the settings file from version 258 on, after the presentation;
// every value's default is the game as it always was, so a household that
// never opens the corner never writes these fields.
#pragma once

#include "persist/serializer.h"

#include <cstdint>
#include <vector>

// Volumes go in a few clear steps, from silent (0) to full (kVolumeFull).
constexpr int32_t kVolumeFull = 4;

// How far from its perfect place a dropped piece may be and still go in.
enum FitSetting : int32_t {
    kFitNormal = 0,       // the game's one rule before the corner existed
    kFitGenerous = 1,     // about double the distance
    kFitVeryGenerous = 2, // about triple
};
constexpr int32_t kFitSettingCount = 3;

// Up to six players, each shown by a friendly animal: one badge picture each.
constexpr int32_t kMostPlayers = 6;
constexpr int32_t kBadgeCount = 6;
// Player folders are numbered; 0 is the first player's, which is the game's
// own folder with today's paths. Others run from 1 up to this.
constexpr int32_t kLastPlayerFolder = 99;

struct PlayerEntry {
    int32_t badge = 0;  // the animal, 0 .. kBadgeCount - 1
    int32_t folder = 0; // 0: the first player's (today's) files; else its own folder

    bool operator==(const PlayerEntry& other) const {
        return badge == other.badge && folder == other.folder;
    }
};

struct FamilyChoice {
    int32_t musicVolume = kVolumeFull;
    int32_t effectsVolume = kVolumeFull;
    FitSetting fit = kFitNormal;
    bool helpWhenStuck = false;
    bool childLock = false;
    // Index into players of whoever played last: Start, Enter and Space
    // start them.
    int32_t lastPlayer = 0;
    // Never empty; the first entry is always folder 0.
    std::vector<PlayerEntry> players{PlayerEntry{}};

    bool IsDefault() const { return *this == FamilyChoice(); }
    bool operator==(const FamilyChoice& other) const;
    bool operator!=(const FamilyChoice& other) const { return !(*this == other); }
};

// Called by CSettings::Serialize for version 258 files.
void WriteFamily(Serializer& out, const FamilyChoice& choice);
// Called by CSettings::DeSerialize: reads the fields WriteFamily writes into
// choice. Returns null when they are good, else the text that says what is
// wrong (choice is then half read and must be dropped).
const char* ReadFamily(DeSerializer& in, FamilyChoice& choice);
// Whether a choice could have been read: every value in range, the first
// player in folder 0, no badge or folder twice. Used by ReadFamily and by
// the corner before it keeps a change.
bool IsValidFamily(const FamilyChoice& choice);
// Called by the title screen's add badge and the corner: adds a player with
// the first badge and the lowest folder nobody has. Their index, or -1 when
// six already play.
int32_t AddPlayer(FamilyChoice& choice);
