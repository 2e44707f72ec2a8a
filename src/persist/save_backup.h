// Starting again: the page save files move into a "previous" folder beside
// them, replacing the set an earlier start left there, so that one mistake
// can be undone by moving them back by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// "<folder>\previous\<name>" for the save file "<folder>\<name>".
std::string PreviousPathFor(const std::string& savePath);

// Moves every save file of savePaths that exists into its previous folder
// (made when missing), after taking the older set of those names out of it.
// Returns how many files moved; a file that cannot be moved stays where it
// is, and the failure is logged.
int32_t MoveSavesToPrevious(const std::vector<std::string>& savePaths);
