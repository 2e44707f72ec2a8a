#include "game/catalogue.h"
#include "game/piece_positions.h"

static_assert(kPiecesInGame == kPieceCount, "the layout covers every piece");

const char* const kPageBackgroundPath = "\\data\\m0011.dat";

namespace {

// Pieces per page; a page's pieces follow on from the previous page's.
constexpr int32_t kPiecesPerPage[kPageCount + 1] = {
    0, 9, 9, 9, 8, 8, 12, 6, 8, 7, 4, 7, 9, 8, 4, 7, 6, 5, 11, 8, 11, 9, 7, 6, 5, 4, 5, 9, 7, 8, 4,
};

constexpr const char kKindLetters[kPieceKindCount] = {'b', 'h', 'i', 'o'};

bool IsPage(int32_t page) {
    return page >= 1 && page <= kPageCount;
}

// The number in decimal, with leading zeros up to the given width.
std::string ZeroPadded(int32_t number, size_t width) {
    std::string digits = std::to_string(number);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::array<std::string, kPieceFileCount> BuildPieceFileNames() {
    std::array<std::string, kPieceFileCount> names;
    for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
        for (int32_t piece = 1; piece <= kPiecesInGame; ++piece) {
            names[static_cast<size_t>(TagOf(kind, piece))] =
                std::string("\\Data\\") + kKindLetters[kind] + ZeroPadded(piece, 3) + ".dat";
        }
    }
    return names;
}

std::array<std::string, kPageCount + 1> BuildPageSaveFileNames() {
    std::array<std::string, kPageCount + 1> names;
    for (int32_t page = 1; page <= kPageCount; ++page) {
        names[static_cast<size_t>(page)] = "\\save\\page" + ZeroPadded(page, 2) + ".sav";
    }
    return names;
}

SpriteRecord PieceRecord(int32_t kind, int32_t piece) {
    const PiecePositions& at = g_piecePositions[piece - 1];
    const bool atHole = kind == kHoleKind || kind == kPlacedKind;
    // Only the loose piece and its empty hole are on show when a page is new.
    const bool shownWhenNew = kind == kLooseKind || kind == kHoleKind;
    SpriteRecord record{1,
                        1,
                        0,
                        0,
                        at.looseX,
                        at.looseY,
                        kCatalogueDepth,
                        shownWhenNew ? 1 : 0,
                        TagOf(kind, piece)};
    if (atHole) {
        record.x = at.holeX;
        record.y = at.holeY;
    } else if (kind == kDragKind) {
        record.x += kDragRestOffsetX;
        record.y += kDragRestOffsetY;
    }
    return record;
}

constexpr SpriteRecord kEndRecord{0, 0, 0, 0, 0, 0, 0, 0, kEndOfList};

PageTable BuildPageTable() {
    PageTable table{};
    for (int32_t page = 0; page <= kPageCount; ++page) {
        const int32_t first = FirstPieceOfPage(page);
        const int32_t count = PieceCountOfPage(page);
        for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
            SpriteRecord* list = table.pages[page].lists[kind];
            for (int32_t n = 0; n < count; ++n)
                list[n] = PieceRecord(kind, first + n);
            list[count] = kEndRecord;
        }
    }
    return table;
}

} // namespace

int32_t PieceCountOfPage(int32_t page) {
    return IsPage(page) ? kPiecesPerPage[page] : 0;
}

int32_t FirstPieceOfPage(int32_t page) {
    if (!IsPage(page))
        return 0;
    int32_t first = 1;
    for (int32_t earlier = 1; earlier < page; ++earlier)
        first += kPiecesPerPage[earlier];
    return first;
}

int32_t PageOfPiece(int32_t piece) {
    int32_t last = 0;
    for (int32_t page = 1; page <= kPageCount; ++page) {
        last += kPiecesPerPage[page];
        if (piece >= 1 && piece <= last)
            return page;
    }
    return 0;
}

const std::array<std::string, kPieceFileCount> g_pieceFileNames = BuildPieceFileNames();
const PageTable g_pageTable = BuildPageTable();
const std::array<std::string, kPageCount + 1> g_pageSaveFileNames = BuildPageSaveFileNames();
