// Whose progress the page saves are: each player keeps page saves of their
// own. The first player's are the game's files as they always were
// ("\save\page01.sav" ...), so an installation's progress is the first
// player's without a byte moved; every further player's lie in a folder of
// their own, "\players\NN\save\page01.sav" ..., stored by the same safe-store
// rules (the game's folder first, else the per-user folder).
#pragma once

#include <cstdint>
#include <string>

// The part a player's folder adds in front of a game path: empty for
// folder 0 (the first player), "\players\NN" for folder NN.
std::string PlayerPrefix(int32_t folder);

class CPlayerSaves {
public:
    // The one instance, made on the first call; the first player's at start.
    static CPlayerSaves* GetInstance();

    // Called by the title screen when a player is chosen, before any page
    // is loaded, and by the corner.
    void SetFolder(int32_t folder) { current = folder; }
    int32_t Folder() const { return current; }
    // The player's badge, which the bar shows.
    void SetBadge(int32_t picture) { badge = picture; }
    int32_t Badge() const { return badge; }

    // Called by the document and the book for every page save name: the
    // current player's name for saveName (a game path such as
    // "\save\page01.sav").
    std::string NameOf(const std::string& saveName) const {
        return PlayerPrefix(current) + saveName;
    }

private:
    int32_t current = 0;
    int32_t badge = 0;
};
