// The commands the buttons and keys send to the main window (the low word of
// WM_COMMAND's wParam) and the two messages by which a screen that has just
// been entered gets its buttons once the handler that switched is done.
#pragma once

#include <cstdint>

constexpr int32_t ID_START = 10000;      // leave the title screen and play
constexpr int32_t ID_QUIT = 10001;       // close the window, through the ending picture
constexpr int32_t ID_INFO = 10002;       // store the page and show the about box
constexpr int32_t ID_PREV_PAGE = 10003;  // go to the previous page (before 1 comes 30)
constexpr int32_t ID_NEXT_PAGE = 10004;  // go to the next page (after 30 comes 1)
constexpr int32_t ID_CLEAR_PAGE = 10005; // take every placed piece out again
// The bar's later buttons, numbered apart from the first five and the page
// number's 10006.
constexpr int32_t ID_SOUND = 10011; // the sound switch: all on, music off, all off
constexpr int32_t ID_BOOK = 10012;  // open the picture book, or close it again
// The player's own pictures.
constexpr int32_t ID_ADD_PICTURE = 10013;   // the Open dialog: a photo becomes a page
constexpr int32_t ID_YOUR_PICTURES = 10014; // the first of the player's own pages

// Neither carries parameters; the window procedure handles both alike.
constexpr uint32_t UWM_GAME_SCREEN_READY = 2024;
constexpr uint32_t UWM_TITLE_SCREEN_READY = 2025;
// Sent by the quit button's hook when the mouse button goes down on it
// (wParam 1) or comes up (wParam 0), for the child lock's hold.
constexpr uint32_t UWM_QUIT_BUTTON = 2026;
// Posted by the grown-up corner's door when it is let go after a hold long
// enough (the main loop's tick opens it otherwise); no parameters.
constexpr uint32_t UWM_OPEN_CORNER = 2040;
