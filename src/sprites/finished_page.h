// A finished page: the fanfare, the star on the page label (shown from the
// moment the last piece goes in, or when a finished page is loaded) and the
// sparkle (celebration.h) that only the placement finishing it sets off.
// The view holds it and tells it about placements and clearing; the star is
// page furniture that the document lays out with the page.
#pragma once

#include "platform/win_types.h"
#include "sprites/celebration.h"

#include <cstdint>

class CAnimDocBase;
class CSoundEffects;

class CFinishedPage {
public:
    // Uses the process-wide sound effects.
    CFinishedPage();

    // Called by the view when it is linked with its document.
    void SetDocument(CAnimDocBase* newDocument) { document = newDocument; }
    // Called by the view after every placement: a page now finished plays
    // the fanfare, shows its star and sparkles.
    void PiecePlaced(HWND window);
    // Called by the view when the page is cleared: the sparkle ends at once
    // and the star goes.
    void PageCleared();
    // Whether the star shows; the game screen draws it on the label too.
    bool StarShown() const;

    // The view's tick moves the sparkle on while it runs.
    bool Sparkling() const { return celebration.Running(); }
    void Advance(uint32_t now) { celebration.Advance(now); }
    // Ends the sparkle at once; the star stays.
    void StopSparkle() { celebration.Stop(); }
    // Called by the view when the document has deleted every sprite, the
    // sparkle's with them.
    void Forget() { celebration.Forget(); }

private:
    void ShowStar(bool shown);

    CAnimDocBase* document = nullptr;
    CSoundEffects* soundEffects;
    CCelebration celebration;
};
