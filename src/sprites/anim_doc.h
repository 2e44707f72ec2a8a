// The play screen's document: the background picture and the sprites of the
// current page over it, filled from the catalogue's tables or from the page's
// save file. Its view (anim_view.h) composes them on the screen.
#pragma once

#include "game/catalogue.h"
#include "platform/win_types.h"
#include "sprites/sprite_list.h"

#include <cstdint>
#include <string>

class CAnimView;
class CDIBImage;
class CGridSprite;
class CPageCursor;
class CPageSpriteIndex;
class CSprite;
class PuzzleFileOps;

class CAnimDocBase {
public:
    CAnimDocBase();
    virtual ~CAnimDocBase();
    // Deletes every sprite and the background.
    virtual void Clear();

    // Loads the picture at path and makes it the background. A picture that
    // cannot be read changes nothing and gives false.
    bool SetBackground(HWND window, const std::string& path);
    // Deletes the page's sprites and the old background and takes image as
    // the new one; the view then makes its offscreen image to match. On false
    // the document has no background and the image stays the caller's.
    bool SetBackgroundImage(HWND window, CDIBImage* image);
    // Each makes a sprite with the next serial number, loads its picture and
    // puts it on top of the page; null, with nothing added, when the picture
    // cannot be read. AddSprite is the save-file reader's; the other two lay
    // a page out from the catalogue's records.
    CSprite* AddSprite(const std::string& path, int32_t tag, const POINT* pos);
    CSprite* AddPieceSprite(const SpriteRecord& record, const std::string& path);
    CGridSprite* AddGridSprite(const SpriteRecord& record, const std::string& path, int32_t tag);
    // The lowest sprite with this tag, or null.
    CSprite* FindByTag(int32_t tag) const { return sprites.FindByTag(tag); }

    CSpriteList& Sprites() { return sprites; }
    const CSpriteList& Sprites() const { return sprites; }
    CDIBImage* GetBackground() const { return background; }
    CAnimView* GetView() const { return view; }
    void SetView(CAnimView* newView) { view = newView; }
    CPageSpriteIndex* GetPageSprites() const { return pageSprites; }

    CAnimDocBase(const CAnimDocBase&) = delete;
    CAnimDocBase& operator=(const CAnimDocBase&) = delete;

protected:
    // SetBackground once there is a background and a view: the picture is
    // read into the background image itself, reusing its pixels.
    bool ReloadBackground(HWND window, const std::string& path);
    // Deletes the sprites and tells the view, which may be carrying one.
    void DeleteSprites();
    // Adds a loaded sprite on top and lets the view know.
    void Place(CSprite* sprite);

    CPageSpriteIndex* pageSprites;
    CDIBImage* background = nullptr;
    CSpriteList sprites;
    CAnimView* view = nullptr;
    int32_t nextSerial = 0;
};

// Directions of a page change.
constexpr int32_t kPreviousPage = 0;
constexpr int32_t kNextPage = 1;
// Stores the page and shows it again.
constexpr int32_t kSamePage = 2;

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
    void AddPiecesFromCatalogue(int32_t page);
    // After a restore from the save file: every catalogue sprite of the page
    // that the file lacks, laid out as the catalogue has it, except that a
    // placed piece's loose picture and hole stay hidden.
    void AddMissingPieces(int32_t page);
    void AddFurniture(int32_t page);

    CPageCursor* pageCursor;
    PuzzleFileOps* fileOps;
    HWND mainWindow = nullptr;
};
