// One complete set of content, generated once per test run into a private
// folder that is removed when the program ends.
#pragma once

#include "image.h"

#include <string>
#include <vector>

namespace content::testing {

const std::string& GeneratedContent();

// A fresh, empty folder of its own (removed at exit).
std::string FreshFolder(const std::string& name);

// Every file below folder, relative names in sorted order.
std::vector<std::string> FilesBelow(const std::string& folder);

Image LoadResourceBitmap(const std::string& folder, const std::string& name);

} // namespace content::testing
