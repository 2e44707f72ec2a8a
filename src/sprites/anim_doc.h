// The play screen's document: the background picture and the sprites of the
// current page over it, filled from the catalogue's tables or from the page's
// save file. Its view (anim_view.h) composes them on the screen.
#pragma once

#include "platform/win_types.h"
#include "sprites/anim_doc_base.h"
#include "sprites/page_healing.h"

#include <cstdint>
#include <string>

class CPageCursor;
class CPageSource;
class PuzzleFileOps;

// Directions of a page change; any other direction stores the page and
// shows it again.
constexpr int32_t kPreviousPage = 0;
constexpr int32_t kNextPage = 1;

class CAnimDoc : public CAnimDocBase {
public:
    CAnimDoc();

    // Stores the page being left into its save file, moves the page cursor
    // (wrapping at both ends) and loads the page now current into the main
    // window.
    void ChangePage(int32_t direction);
    // Stores the page shown into its save file and leaves it on the screen
    // as it is, a piece being carried put back first. Whether or not the
    // store worked, nothing the player sees is lost.
    void StorePage();
    // Shows the current page: the common background, then the page's pieces
    // as its save file left them (or as the catalogue lays them out when
    // there is no usable save file), then the buttons and the page number.
    void LoadPage(HWND window);

    // The window ChangePage loads into. Set once at start-up.
    void SetMainWindow(HWND window) { mainWindow = window; }
    CPageCursor* GetPageCursor() const { return pageCursor; }
    PuzzleFileOps* GetFileOps() const { return fileOps; }

    // Stores the page being left and shows page (1..30) instead: a page
    // change straight to any page (the picture book's). Another number
    // changes nothing.
    void GoToPage(int32_t page);

    // Stores the page being left and shows a page of the player's own
    // instead (sprites/page_source.h), which the caller keeps alive while it
    // is shown. Null goes back to the built-in page the cursor names. A page
    // change or GoToPage leaves the player's page for the built-in ones.
    void ShowOwnPage(const CPageSource* source);
    // Forgets the player's page without storing it: its source is going
    // away (the page was removed). The built-in page is not loaded.
    void ForgetOwnPage() { pageSource = nullptr; }

    // Page (1..30)'s save file to read, as CurrentSavePath says it; empty
    // for any other number.
    std::string SavePathOf(int32_t page) const;
    // The current page's save-file name ("\save\page01.sav"); empty before
    // a page is chosen.
    std::string CurrentSaveName() const;
    // The current page's save file to read: below the base directory, or its
    // per-user copy when there is one (persist/store_locations.h).
    std::string CurrentSavePath() const;
    // Writes the current page into its save file, in the game folder or else
    // the per-user folder. False when no location took it; the previous file
    // is then as it was.
    bool StoreCurrentPage();
    // Restores the current page from its save file: true when the file's
    // header was good (its records for this page are then on the page),
    // false when there was no usable file and nothing was added.
    bool RestoreCurrentPage();

private:
    void LoadOwnPage(HWND window);
    void AddPiecesFromCatalogue(int32_t page);
    void AddOwnPieces();
    // label: the page number's row in its strip (0 shows none).
    void AddFurniture(int32_t label);

    CPageCursor* pageCursor;
    PuzzleFileOps* fileOps;
    HWND mainWindow = nullptr;
    // Lays out what a restored page's save file lacks.
    CPageHealing healing;
};
