// A page that is not one of the thirty: the player's own pictures. Such a
// page brings its own layout and its own pictures, cut in memory, and keeps
// its save file in its own folder. The document holds one while it shows
// such a page (null on the built-in pages, which are laid out from the
// catalogue as always) and lays the page out from it; the view's keyboard
// aids take the page's ring and glow from it.
//
// Piece k of such a page carries the tags TagOf(kind, k + 1), as piece k of
// a page whose pieces were numbered from 1, so that the sprite list, the fit
// rule, keyboard play and the save file work on it unchanged.
#pragma once

#include "game/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <string>

// A picture in the game's picture file format, held in memory.
struct PictureBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

class CPageSource {
public:
    virtual ~CPageSource() = default;

    // Called by the document when it loads the page: the background picture
    // (a game path) the page is drawn over.
    virtual std::string BackgroundPath() const = 0;
    // Called by the document when it stores and restores the page: the full
    // path of the page's save file.
    virtual std::string SavePath() const = 0;
    // Called by the document when it loads the page: the number of pieces.
    virtual int32_t PieceCount() const = 0;
    // Called by the document and the view: piece k's record of one kind, as
    // the catalogue's records are, its tag TagOf(kind, k + 1).
    virtual SpriteRecord Record(int32_t kind, int32_t k) const = 0;
    // Called by the document: the picture of the piece sprite with this tag;
    // empty for a tag outside the page.
    virtual PictureBytes Piece(int32_t tag) const = 0;
    // Called by keyboard play and the hint: piece k's selection ring and its
    // hole's glow, laid out as the built-in pieces' are.
    virtual PictureBytes SelectionRing(int32_t k) const = 0;
    virtual PictureBytes HoleGlow(int32_t k) const = 0;
    // Called by the document when it lays out the page's furniture: the
    // row of kOwnPageLabelPath the page's label shows (its place among the
    // player's pages, 1 ... kOwnPageLabelFrames - 1), 0 for a blank label.
    virtual int32_t Label() const = 0;
};

// The labels of the player's own pages, one row each as in the page-number
// strip, in a colour of their own with a heart beside the number, so that
// such a page never looks like one of the thirty.
constexpr const char* kOwnPageLabelPath = "\\data\\m0013.dat";
constexpr int32_t kOwnPageLabelFrames = 100;

// The first tags of the four kinds on such a page, for CPageSpriteIndex.
constexpr int32_t kOwnFirstLoose = TagOf(kLooseKind, 1);
constexpr int32_t kOwnFirstHole = TagOf(kHoleKind, 1);
constexpr int32_t kOwnFirstPlaced = TagOf(kPlacedKind, 1);
constexpr int32_t kOwnFirstDrag = TagOf(kDragKind, 1);
