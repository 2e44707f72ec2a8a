// The play screen without a window, over a game folder: pages laid out from
// that folder's pictures and played through the game's own document, view
// and drag and drop. For tests and tools that check the content, such as
// that every piece can be lifted by its picture and fits its own hole.
#pragma once

#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"

#include <cstdint>
#include <string>

// The page-change direction that stores the page and shows it again, as a
// reload from the save file.
constexpr int32_t kSamePage = 2;

class CPlaySession {
public:
    // folder is a game folder (Data\... pictures, save\ optional); it is the
    // base directory for the session's life. Nothing is written into it
    // unless the caller saves a page.
    explicit CPlaySession(const std::string& folder);
    // Puts the base directory and the page cursor back as they were.
    ~CPlaySession();

    // Shows page 1..30 as the game does on entering it: from its save file
    // when the folder holds a usable one, else as the catalogue lays it out.
    // False, with nothing changed, for any other number.
    bool ShowPage(int32_t page);

    CAnimDoc& Document() { return document; }
    const CAnimDoc& Document() const { return document; }
    CAnimView& View() { return view; }
    // Piece k's sprite of one kind (kLooseKind ... kDragKind), or null.
    CSprite* Piece(int32_t kind, int32_t k) const;

    // A point at which the view would lift piece k: its drag picture is the
    // topmost one there with an opaque pixel. False when there is none.
    bool GrabPoint(int32_t k, POINT* at) const;
    // While carrying: moves the pointer so that the carried sprite's
    // top-left lands at (left, top). The pointer is left at *pointer.
    void CarryTo(int32_t left, int32_t top, POINT* pointer = nullptr);
    // Lifts piece k at its grab point, carries it so that its top-left lies
    // 10 right of and 9 below its hole's and lets go there. True when the
    // piece went into its hole.
    bool PlacePiece(int32_t k);

    CPlaySession(const CPlaySession&) = delete;
    CPlaySession& operator=(const CPlaySession&) = delete;

private:
    std::string savedBaseDirectory;
    int32_t savedPage;
    CAnimDoc document;
    CAnimView view;
};
