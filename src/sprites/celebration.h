// A finished page's sparkle: little stars that twinkle one after another over
// the picture for about two seconds. They are sprites above everything else
// on the page, so they reach the screen through the dirty rectangles like
// any other change, and the view's tick moves them on. They are page
// furniture (never saved, never lifted), and once the sparkle is over they
// are gone from the page, so nothing is left to animate.
#pragma once

#include "platform/win_types.h"

#include <cstdint>
#include <vector>

class CAnimDocBase;
class CGridSprite;

class CCelebration {
public:
    static constexpr uint32_t kLengthMs = 2000;

    // Puts the sparkles over area on document's page, starting at now (the
    // game's millisecond clock). A sparkle already running ends first.
    void Start(CAnimDocBase& document, const RECT& area, uint32_t now);
    // Shows each sparkle as it should look at now; once the sparkle's time
    // is up, takes them off the page.
    void Advance(uint32_t now);
    // Takes the sparkles off the page at once.
    void Stop();
    // The page's sprites were deleted, the sparkles with them.
    void Forget();
    bool Running() const { return document != nullptr; }

private:
    struct Sparkle {
        CGridSprite* sprite;
        uint32_t delay; // after the start, in milliseconds
    };

    void ShowAt(const Sparkle& sparkle, uint32_t elapsed);

    CAnimDocBase* document = nullptr;
    std::vector<Sparkle> sparkles;
    uint32_t startedAt = 0;
};
