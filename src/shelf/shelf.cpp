#include "shelf/shelf.h"
#include "diag/log.h"
#include "persist/store_locations.h"
#include "photos/page_import.h"
#include "platform/files.h"
#include "platform/folders.h"

#include <algorithm>
#include <cstdio>

namespace {

// Page folders are "page" and six digits, so that names sort by age.
constexpr char kPagePrefix[] = "page";
constexpr size_t kDigits = 6;

// The number of a page folder's name, or -1 for any other name.
int32_t NumberOf(const std::string& name) {
    const size_t prefix = sizeof kPagePrefix - 1;
    if (name.size() != prefix + kDigits || name.compare(0, prefix, kPagePrefix) != 0)
        return -1;
    int32_t number = 0;
    for (size_t i = prefix; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9')
            return -1;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

std::vector<std::string> PageNamesIn(const std::string& folder) {
    std::vector<std::string> entries;
    std::vector<std::string> pages;
    if (!platform::ListFolder(platform::NativePath(folder), &entries))
        return pages;
    for (const std::string& entry : entries)
        if (NumberOf(entry) >= 0 &&
            platform::IsDirectoryPath(platform::NativePath(folder + "\\" + entry)))
            pages.push_back(entry);
    std::sort(pages.begin(), pages.end());
    return pages;
}

} // namespace

std::string ShelfFolder() {
    return g_userDataDirectory.empty() ? std::string()
                                       : g_userDataDirectory + "\\" + kShelfFolderName;
}

bool PrepareShelf(const std::string& shelfFolder) {
    if (shelfFolder.empty())
        return false;
    const std::string native = platform::NativePath(shelfFolder);
    if (!platform::IsDirectoryPath(native)) {
        const size_t cut = shelfFolder.find_last_of('\\');
        if (cut != std::string::npos && cut > 0)
            platform::MakeDirectory(platform::NativePath(shelfFolder.substr(0, cut)));
        platform::MakeDirectory(native);
    }
    if (!platform::IsDirectoryPath(native))
        return false;
    photos::SweepUnfinishedImports(shelfFolder);
    return true;
}

std::vector<std::string> ListShelf(const std::string& shelfFolder) {
    return PageNamesIn(shelfFolder);
}

std::string NextPageName(const std::string& shelfFolder) {
    int32_t highest = 0;
    for (const std::string& folder :
         {shelfFolder, shelfFolder + "\\" + std::string(kRemovedFolderName)})
        for (const std::string& name : PageNamesIn(folder))
            highest = std::max(highest, NumberOf(name));
    char name[32];
    std::snprintf(name, sizeof name, "%s%06d", kPagePrefix, static_cast<int>(highest + 1));
    return name;
}

bool RemoveFromShelf(const std::string& shelfFolder, const std::string& name) {
    if (NumberOf(name) < 0)
        return false;
    const std::string removed = shelfFolder + "\\" + kRemovedFolderName;
    platform::MakeDirectory(platform::NativePath(removed));
    if (platform::RenameFolder(platform::NativePath(shelfFolder + "\\" + name),
                               platform::NativePath(removed + "\\" + name)))
        return true;
    Log("RemoveFromShelf: %s could not be moved aside (%u)", name.c_str(),
        static_cast<unsigned>(platform::LastErrorCode()));
    return false;
}

std::string StepAmong(const std::vector<std::string>& names, const std::string& current,
                      int32_t step) {
    const auto found = std::find(names.begin(), names.end(), current);
    if (found == names.end())
        return std::string();
    const int64_t count = static_cast<int64_t>(names.size());
    const int64_t at = ((found - names.begin()) + step % count + count) % count;
    return names[static_cast<size_t>(at)];
}
