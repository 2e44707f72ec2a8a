// Contact sheets for reviewing the content at a glance: one PNG per page
// (new and solved side by side) and one of the screens, buttons, dialogs,
// cursors and icon, all composed from a content folder's files.
#pragma once

#include <string>

namespace content {

void WriteContactSheets(const std::string& contentFolder, const std::string& sheetFolder);

} // namespace content
