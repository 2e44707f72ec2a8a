// How far a page has got: how many of its pieces are in their holes, out of
// how many. A piece is in when the page shows its placed picture. Counted
// from a page's save-file records by the rules the page is loaded by, so
// that the picture book promises exactly what opening the page shows; the
// page in memory is counted from its records too (sprites/page_completion.h).
#pragma once

#include "persist/saved_sprite.h"

#include <cstdint>
#include <string>
#include <vector>

struct PageProgress {
    int32_t placed = 0;
    int32_t total = 0;

    bool Finished() const { return total > 0 && placed >= total; }
    bool Started() const { return placed > 0 && !Finished(); }
    bool operator==(const PageProgress& other) const {
        return placed == other.placed && total == other.total;
    }
};

// Page (1..30)'s progress in records listed as its save file lists them:
// only the page's own placed pictures count, each by its first record, as
// loading restores each piece once.
PageProgress CountProgress(int32_t page, const std::vector<SavedSprite>& records);

// The same count for a page whose placed pictures carry the tags
// firstPlaced .. firstPlaced + pieceCount - 1 (at most 32 pieces): the
// thirty pages' and the player's own pages alike.
PageProgress CountPlacedPieces(int32_t firstPlaced, int32_t pieceCount,
                               const std::vector<SavedSprite>& records);

// Page's progress as the save file at path records it. A missing file, or
// one whose header is wrong or cut short, is a page not yet started, which
// is how the game then lays it out; a file that ends inside a record counts
// the records before it, as loading keeps them.
PageProgress ReadPageProgress(const std::string& path, int32_t page);

// A page of the player's own with pieceCount pieces, as its save file at
// path records it (sprites/page_source.h gives its tags).
PageProgress ReadOwnPageProgress(const std::string& path, int32_t pieceCount);
