// A game folder of made-up pictures for the catalogue's real pages, so
// that the document, the view and drag and drop can be tested, fuzzed and
// timed on real page layouts without the generated content.
#pragma once

#include "game/screen_layout.h"
#include "platform/win_types.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct PictureSize {
    int32_t width;
    int32_t height;
};

constexpr PictureSize kPieceSize{80, 70};
constexpr PictureSize kButtonSize{60, 118}; // two faces of 59 rows
constexpr PictureSize kStripSize{40, 31 * 20};
// Each selection ring, and each frame of a hole's glow.
constexpr PictureSize kAidPictureSize{92, 82};

struct PageArt {
    // Every piece picture is pieceSize unless dragSizes names its piece (a
    // piece number 1..220) for its drag picture.
    PictureSize pieceSize = kPieceSize;
    std::map<int32_t, PictureSize> dragSizes;
    PictureSize backgroundSize{kScreenWidth, kScreenHeight};
    // Every piece picture opaque only inside its inscribed ellipse, as cut
    // pieces are, instead of solid with a transparent corner.
    bool roundPieces = false;
};

// Writes the pictures of the given pages' pieces (with their selection
// rings and hole glows), the buttons, the page number strip and the
// background into folder/Data.
void WritePageFolder(const std::string& folder, const std::vector<int32_t>& pages,
                     const PageArt& art = PageArt());
