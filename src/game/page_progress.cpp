#include "game/page_progress.h"
#include "game/catalogue.h"
#include "persist/puzzle_file_ops.h"

static_assert(kMostPiecesOnAPage <= 32, "one bit per piece of a page");

PageProgress CountProgress(int32_t page, const std::vector<SavedSprite>& records) {
    return CountPlacedPieces(TagOf(kPlacedKind, FirstPieceOfPage(page)), PieceCountOfPage(page),
                             records);
}

PageProgress CountPlacedPieces(int32_t firstPlaced, int32_t pieceCount,
                               const std::vector<SavedSprite>& records) {
    PageProgress progress{0, pieceCount >= 0 && pieceCount <= 32 ? pieceCount : 0};
    uint32_t seen = 0; // bit k: piece k's first placed record already read
    for (const SavedSprite& record : records) {
        const int64_t k = int64_t{record.tag} - firstPlaced;
        if (progress.total == 0 || k < 0 || k >= progress.total || (seen >> k & 1u) != 0)
            continue;
        seen |= 1u << k;
        if (record.visible != 0)
            ++progress.placed;
    }
    return progress;
}

PageProgress ReadPageProgress(const std::string& path, int32_t page) {
    SavedPage saved; // stays empty without a usable file
    PuzzleFileOps::Instance()->ReadSaveFile(path, &saved);
    return CountProgress(page, saved.sprites);
}

PageProgress ReadOwnPageProgress(const std::string& path, int32_t pieceCount) {
    SavedPage saved;
    PuzzleFileOps::Instance()->ReadSaveFile(path, &saved);
    return CountPlacedPieces(TagOf(kPlacedKind, 1), pieceCount, saved.sprites);
}
