// The contact sheet of the picture book's "your pictures" page: the page as
// the game composes it, with thumbnails of both shapes, every kind of mark,
// both outlines, a remove control tapped and one held, and beside it the
// thirty pages' title band with the turn control and every remove face.
#pragma once

#include <string>

namespace content {

void WriteShelfSheet(const std::string& contentFolder, const std::string& sheetFolder);

} // namespace content
