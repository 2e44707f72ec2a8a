// A page as the game composes it from a content folder's files: the common
// background, then the visible sprites in the order the game stacks them
// (loose pieces, holes, placed pieces, then the buttons and page label).
#pragma once

#include "image.h"

#include <string>

namespace content {

enum class PageState { kNew, kSolved };

struct PageViewOptions {
    bool furniture = true; // the five buttons and the page label
};

Image ComposePage(const std::string& folder, int page, PageState state,
                  PageViewOptions options = {});

// A picture file of the folder, by game path; throws when it is missing or
// not a picture.
Image LoadPicture(const std::string& folder, const std::string& gamePath);

// A face (0 released, 1 pressed) from a two-face picture: its first column
// of the given width (the whole picture's by default).
Image Face(const Image& buttonPicture, int face, int width = 0);

} // namespace content
