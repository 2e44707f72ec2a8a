// The game's content description, compiled in: the thirty pages, the pieces
// on each page, the four pictures of every piece and where they lie when a
// page is new, and the names of the picture and save files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The numbers a document needs to make one sprite: its grid (1 x 1 for piece
// pictures), place, depth, visibility and picture. A list ends with a record
// whose nameIndex is kEndOfList; its other fields are not read.
struct SpriteRecord {
    int32_t frameRows;
    int32_t frameColumns;
    int32_t frameRow;
    int32_t frameColumn;
    int32_t x;
    int32_t y;
    int32_t depth;
    int32_t visible;
    int32_t nameIndex;
};

constexpr int32_t kEndOfList = -1;
constexpr int32_t kPageCount = 30;
constexpr int32_t kPiecesInGame = 220;
constexpr int32_t kMostPiecesOnAPage = 12;
constexpr int32_t kPieceKindCount = 4;
constexpr int32_t kPieceFileCount = kPieceKindCount * kPiecesInGame;

// The four pictures of a piece, in the order of the page lists and of the
// file-name table.
enum PieceKind : int32_t {
    kLooseKind = 0,  // "b": lying beside the picture
    kHoleKind = 1,   // "h": the empty hole in the picture
    kPlacedKind = 2, // "i": the piece sitting in its hole
    kDragKind = 3,   // "o": the piece while carried
};

// Every catalogue sprite starts at this depth; the sprite list renumbers it.
constexpr int32_t kCatalogueDepth = 10;
// The drag picture rests this far right of and below its loose piece.
constexpr int32_t kDragRestOffsetX = 14;
constexpr int32_t kDragRestOffsetY = 7;
// A carried drag picture is dead centre over its hole when its top-left lies
// this far right of and below the hole's; the keyboard carries a piece over
// a hole there.
constexpr int32_t kFitOffsetX = 10;
constexpr int32_t kFitOffsetY = 9;

// A piece picture's name index, which is also its sprite's tag: the tag of
// the picture of this kind of piece 1..220. Every tag is computed here.
constexpr int32_t TagOf(int32_t kind, int32_t piece) {
    return kind * kPiecesInGame + (piece - 1);
}
// The piece (1..220) and the kind of picture a piece tag names; the tags
// TagOf gives, read back.
constexpr int32_t PieceOf(int32_t tag) {
    return tag % kPiecesInGame + 1;
}
constexpr int32_t KindOf(int32_t tag) {
    return tag / kPiecesInGame;
}

// Pages hold ascending runs of pieces. Both answer 0 outside 1..30.
int32_t FirstPieceOfPage(int32_t page);
int32_t PieceCountOfPage(int32_t page);
// The page a piece (1..220) belongs to, or 0 for any other number.
int32_t PageOfPiece(int32_t piece);

// One page: a list per kind, record n of each list belonging to the page's
// n-th piece. g_pageTable[page][kind] gives the list's first record.
struct PageRecord {
    SpriteRecord lists[kPieceKindCount][kMostPiecesOnAPage + 1];
    const SpriteRecord* operator[](int32_t kind) const { return lists[kind]; }
};

// Indexed by page number 1..30; entry 0 holds four empty lists.
struct PageTable {
    PageRecord pages[kPageCount + 1];
    const PageRecord& operator[](int32_t page) const { return pages[page]; }
};

// "\Data\b001.dat" ... "\Data\o220.dat", indexed by name index.
extern const std::array<std::string, kPieceFileCount> g_pieceFileNames;
extern const PageTable g_pageTable;
// "\save\page01.sav" ... "\save\page30.sav", indexed by page; entry 0 empty.
extern const std::array<std::string, kPageCount + 1> g_pageSaveFileNames;

// Every page is drawn over this one picture.
extern const char* const kPageBackgroundPath;
