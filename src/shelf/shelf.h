// The shelf of the player's own pictures: a folder ("pictures" in the
// per-user folder) holding one folder per page, named in the order the
// pages were added. Removing a page moves its folder into "removed" beside
// the others, so that a mistake can be undone by moving it back by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr char kShelfFolderName[] = "pictures";
constexpr char kRemovedFolderName[] = "removed";

// The shelf's folder below the per-user folder (a game path); empty when the
// game has no per-user folder.
std::string ShelfFolder();

// Called by the shell before it lists or adds pages: the folder made when
// missing, and what interrupted imports left behind swept away.
bool PrepareShelf(const std::string& shelfFolder);

// The page folders' names in the order they were added, oldest first.
std::vector<std::string> ListShelf(const std::string& shelfFolder);

// The name a new page gets: one past the highest number on the shelf (or in
// "removed"), so that names are never reused.
std::string NextPageName(const std::string& shelfFolder);

// Moves page name into the "removed" folder; false, changing nothing, when
// that cannot be done.
bool RemoveFromShelf(const std::string& shelfFolder, const std::string& name);

// The page after (step 1) or before (step -1) current among names, wrapping
// round; current itself when it is the only one, "" when names is empty or
// does not hold current.
std::string StepAmong(const std::vector<std::string>& names, const std::string& current,
                      int32_t step);
