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

    // "Add a picture": the Open dialog, then the piece count, then the page.
    void AddFromDialog(HWND window);
    // WM_DROPFILES while a page is played: every file dropped, one count.
    void AddDropped(HWND window, HDROP drop);
    // "Your pictures": the first of the player's pages, unless one is shown
    // already. Nothing when the shelf is empty.
    void ShowShelf(HWND window);
    // Whether one of the player's pages is shown.
    bool Showing() const;
    // Page Up (-1) or Page Down (1) on one of the player's pages: the
    // previous or next of them, wrapping round. False when none is shown.
    bool Step(HWND window, int32_t step);
    // The document went back to the built-in pages.
    void Forget();

    COwnPictures(const COwnPictures&) = delete;
    COwnPictures& operator=(const COwnPictures&) = delete;

private:
    void AddFiles(HWND window, const std::vector<std::string>& paths);
    bool Open(const std::string& name);

    CAnimDoc* document;
    std::unique_ptr<COwnPage> page;
    std::string pageName;
};
