// The picture book on the screen: composes the book's background, the thirty
// thumbnails with their marks and outlines, and the start-again control into
// an offscreen image of its own, and copies only what changed to the window,
// through the same dirty rectangles as the play screen. The page being
// played keeps its own view and stays in memory meanwhile.
#pragma once

#include "sprites/sheet_view.h"

#include <cstdint>
#include <memory>

class CDIBImage;
class CPictureBook;

class CBookView : public CSheetView {
public:
    explicit CBookView(const CPictureBook* book);
    ~CBookView() override;

    // Reads the book's pictures the first time; later calls do nothing. A
    // missing picture is logged and its part of the book is not drawn.
    void LoadPictures();
    // Called when the book opens on window: its offscreen image (made once)
    // all dirty. False when there is no background to show.
    bool Show(HWND window);
    void Render(const RECT* r) override;
    // The main loop's periodic call while the book is open.
    void Tick() { Flush(window); }

    // A page's cell needs drawing again (its mark or outlines changed).
    void PageChanged(int32_t page);
    // Every cell does.
    void AllPagesChanged();
    // Shows the start-again control's face `frame` (CPictureBook::HoldFrame).
    void SetControlFrame(int32_t frame);
    // The control that turns to the player's own pictures: drawn only for
    // a player who has some, so that everyone else's book is as it was.
    void ShowTurnTab(bool shown);

    CBookView(const CBookView&) = delete;
    CBookView& operator=(const CBookView&) = delete;

private:
    void DrawPage(int32_t page, const RECT& clip);

    const CPictureBook* book;
    std::unique_ptr<CDIBImage> thumbnails;
    std::unique_ptr<CDIBImage> control;
    int32_t controlFrame = 0;
    bool turnTabShown = false;
};
