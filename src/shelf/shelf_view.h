// The picture book's "your pictures" page on the screen: composes the page's
// background, the thumbnails of the sheet shown with their marks, outlines
// and remove controls, the turn and add controls and the sheets' arrows
// into an offscreen image of its own, and copies only what changed to the
// window, as the thirty pages' book view does (sprites/book_view.h).
#pragma once

#include "shelf/shelf_pages.h"
#include "sprites/sheet_view.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CDIBImage;
class CShelfBook;
struct ShelfEntry;

class CShelfView : public CSheetView {
public:
    explicit CShelfView(const CShelfBook* shelf);
    ~CShelfView() override;

    // Reads the page's pictures the first time; later calls do nothing. A
    // missing picture is logged and its part of the page is not drawn.
    void LoadPictures();
    // Called when the page is turned to on window, with the shelf's folder
    // the thumbnails come from: the offscreen image (made once) all dirty.
    // False when there is no background to show.
    bool Show(HWND window, const std::string& shelfFolder);
    void Render(const RECT* r) override;
    // The main loop's periodic call while the page shows: the remove
    // controls' faces follow the shelf's holds at now, and the changes
    // reach the screen.
    void Tick(uint32_t now);

    // A slot's cell needs drawing again (its outline changed).
    void SlotChanged(int32_t slot);
    // Every cell does, and the arrows (the sheet turned, a picture left).
    void SheetChanged();
    void SetAddPressed(bool pressed);

    // What the page shows: whether the thumbnails were made (for tests).
    CShelfThumbnails& Thumbnails() { return thumbnails; }

    CShelfView(const CShelfView&) = delete;
    CShelfView& operator=(const CShelfView&) = delete;

private:
    void DrawSlot(int32_t slot, const ShelfEntry& entry, const RECT& clip);
    void UpdateRemoveFrames(uint32_t now);

    const CShelfBook* shelf;
    CShelfThumbnails thumbnails;
    std::string folder;
    std::unique_ptr<CDIBImage> removeControl;
    std::unique_ptr<CDIBImage> addPicture;
    std::unique_ptr<CDIBImage> arrows;
    bool addPressed = false;
    std::array<int32_t, 15> removeFrames{};
};
