// What keyboard play asks of the view that carries pieces (keyboard_play.h):
// the view implements it, so keyboard play needs nothing else of the view.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

class CPieceHands {
public:
    // True while a piece is carried, however; the second only when the
    // keyboard carries it.
    virtual bool IsDragging() const = 0;
    virtual bool IsCarriedByKeyboard() const = 0;
    // Lifts the page's loose piece k for the keyboard, with the pick-up
    // sound; false, with nothing lifted, when it does not lie loose.
    virtual bool LiftForKeyboard(HWND window, int32_t k) = 0;
    // Moves the carried piece's top-left to (x, y).
    virtual void MoveCarried(int32_t x, int32_t y) = 0;
    // Lets the carried piece go: into its hole when fits, else back where it
    // lay; the carry ends.
    virtual void LetGo(HWND window, bool fits) = 0;
    // Sends a carried piece home and ends the carry (the view's CancelDrag).
    virtual void CancelDrag(HWND window) = 0;

protected:
    ~CPieceHands() = default;
};
