// The platform seam's folder services beyond making one: listing, renaming
// and removing whole folders. Paths are native paths (platform::NativePath).
// A failed call leaves its reason in platform::LastErrorCode().
#pragma once

#include <string>
#include <vector>

namespace platform {

// Called by the photo import to find unfinished imports, and by the shelf
// of photo pages to list them: the names (not paths) of the entries of
// folder, without "." and "..", in no particular order. False when the
// folder cannot be read.
bool ListFolder(const std::string& folder, std::vector<std::string>* names);

// Called by the photo import to put a finished page folder in place, and to
// move a removed page aside: renames folder `from` to `to` in one step.
// Fails, changing nothing, when `to` exists already.
bool RenameFolder(const std::string& from, const std::string& to);

// Called by the photo import to take away what a failed import left: removes
// folder and everything in it. True when nothing is left there (also when
// nothing was there to begin with).
bool RemoveFolderTree(const std::string& folder);

} // namespace platform
