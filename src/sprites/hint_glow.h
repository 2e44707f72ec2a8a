// The hint: an outline in the shape of one hole that pulses for about two
// seconds and then goes away. The view holds it and its tick moves it on
// (Advance); once it has ended nothing is left to animate.
#pragma once

#include "sprites/page_overlay.h"

#include <cstdint>
#include <string>

class CAnimDocBase;

constexpr uint32_t kHintMilliseconds = 2000;
// How long each frame of the pulse is shown.
constexpr uint32_t kGlowFrameMilliseconds = 100;

// The frame shown `elapsed` milliseconds into a hint: up through the frames
// and back down again, over and over.
int32_t GlowFrameAt(uint32_t elapsed);

class CHintGlow {
public:
    CHintGlow();

    // Called by keyboard play: makes the hole of the page's piece k glow,
    // from the time now (milliseconds); nothing for a piece without a hole.
    void ShowForPiece(CAnimDocBase* document, int32_t k, uint32_t now);
    // Starts the glow picture at path with its top-left at (x, y), at the
    // time now (milliseconds); a glow already running is replaced.
    void Start(CAnimDocBase* document, const std::string& path, int32_t x, int32_t y, uint32_t now);
    // Shows the frame for the time now, and takes the glow off once its time
    // is up. Nothing while no hint runs.
    void Advance(uint32_t now);
    // The document has deleted every sprite.
    void Forget() { glow.Forget(); }
    bool IsRunning() const { return glow.IsShown(); }
    const CPageOverlay& Overlay() const { return glow; }

private:
    CPageOverlay glow;
    uint32_t startedAt = 0;
};
