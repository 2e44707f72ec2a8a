// The player's own pictures in play: adding photos (through the Open dialog
// or dropped onto the window), the piece count asked once for each choice
// or drop, refusals told gently, the page opened at once, and Page Up and
// Page Down among the player's pages while one is shown. The controller
// holds it and passes on its commands. Windows only.
#pragma once

#include "platform/win_types.h"

#include "shelf/own_page.h"
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CAnimDoc;

class COwnPictures {
public:
    explicit COwnPictures(CAnimDoc* document) : document(document) {}

    // "Add a picture" (A, or its control in the picture book): the Open
    // dialog, then the piece count, then the page. True when a new page is
    // shown.
    bool AddFromDialog(HWND window);
    // WM_DROPFILES while a page is played: every file dropped, one count.
    // A drop while photos are already being added is finished unread.
    void AddDropped(HWND window, HDROP drop);
    // "Your pictures": the first of the player's pages, unless one is shown
    // already. Nothing when the shelf is empty.
    void ShowShelf(HWND window);
    // Whether one of the player's pages is shown, and its folder's name
    // ("" when none is).
    bool Showing() const;
    const std::string& ShownName() const;
    // Called by the picture book: the player's page name shown, the page
    // being left stored first. False, changing nothing, when it cannot be
    // opened.
    bool Open(const std::string& name);
    // Called by the picture book when a remove control's hold is done: the
    // page's folder moved into "removed". When that page is shown, the
    // document goes back to the thirty pages' current page first, storing
    // it into the folder that moves. False when the folder could not move.
    bool Remove(const std::string& name);
    // Page Up (-1) or Page Down (1) on one of the player's pages: the
    // previous or next of them, wrapping round. False when none is shown.
    bool Step(HWND window, int32_t step);
    // The document went back to the built-in pages.
    void Forget();

    COwnPictures(const COwnPictures&) = delete;
    COwnPictures& operator=(const COwnPictures&) = delete;

private:
    bool AddFiles(HWND window, const std::vector<std::string>& paths);

    CAnimDoc* document;
    std::unique_ptr<COwnPage> page;
    std::string pageName;
    // While a choice or drop is being added, further drops are turned away.
    bool adding = false;
};
