// Where the pieces of the page now loaded lie in the name-index space, so
// that a sprite's tag tells which piece and which picture it is: the tag of
// kind k for the page's n-th piece is that kind's first field plus n.
#pragma once

#include <cstdint>

class CPageSpriteIndex {
public:
    // The one object of the process, made on first use.
    static CPageSpriteIndex* Instance();

    CPageSpriteIndex() = default;
    virtual ~CPageSpriteIndex() = default;

    // Fills the first five fields from the page's lists; draggedPiece is
    // left alone. A number outside 1..30 gives empty lists, so that no tag
    // matches. Called by the document each time it loads a page.
    void SetPage(int32_t page);

    // Both compare as unsigned numbers, so the initial all-bits-set fields
    // (no page loaded) make them false for every tag.
    bool IsDragPicture(int32_t tag) const;
    bool IsHole(int32_t tag) const;

    int32_t firstLoose = -1;
    int32_t firstHole = -1;
    int32_t firstPlaced = -1;
    int32_t firstDrag = -1;
    int32_t pieceCount = -1;
    // The carried piece's position within the page, -1 when none.
    int32_t draggedPiece = -1;
};
