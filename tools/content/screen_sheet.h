// The contact sheet of everything that is not a page: title screen, dialogs,
// buttons with both faces, page labels, cursors and the icon.
#pragma once

#include <string>

namespace content {

void WriteScreenSheet(const std::string& contentFolder, const std::string& sheetFolder);

} // namespace content
