// Writes the content into a folder laid out like the game folder:
//   Data/b001.dat ... Data/o220.dat, the selection rings Data/r001.dat ...
//   and hole glows Data/g001.dat ..., Data/m0001.dat ... Data/m0011.dat,
//   Varnolt1.mid, and resources/ with the files Varnolt.exe carries and the
//   content.rc fragment that declares them.
#pragma once

#include <string>
#include <vector>

namespace content {

// The pieces of the given pages.
void GeneratePages(const std::string& folder, const std::vector<int>& pages);
// The background, the title screen pictures, the buttons and page labels.
void GenerateScreens(const std::string& folder);
// Icon, cursors, dialog pictures, sounds and content.rc.
void GenerateResources(const std::string& folder);
void GenerateMusic(const std::string& folder);
// Everything, then a manifest listing every file written.
void GenerateAll(const std::string& folder);

} // namespace content
