// The contact sheet of the picture book: the book as the game composes it,
// with a sample of every kind of mark and both outlines, and the faces of
// the start-again control.
#pragma once

#include <string>

namespace content {

void WriteBookSheet(const std::string& contentFolder, const std::string& sheetFolder);

} // namespace content
