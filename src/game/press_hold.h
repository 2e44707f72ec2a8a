// A control that acts only once it has been held down long enough: with the
// child lock on, Escape, Q and the quit button (two seconds); the grown-up
// corner's door and G (three seconds). A short press does nothing but say
// so. Times are milliseconds of the game's clock.
#pragma once

#include <cstdint>

constexpr uint32_t kChildLockHoldMs = 2000;
constexpr uint32_t kCornerHoldMs = 3000;

class CPressHold {
public:
    explicit CPressHold(uint32_t holdMs) : holdMs(holdMs) {}

    // The key or button went down at now. A key's repeats while it is held
    // keep the first press's time.
    void Press(uint32_t now);
    // Called on every tick while held: true exactly once, when the hold
    // has lasted long enough.
    bool Completed(uint32_t now);
    // The key or button came up at now: true when that was a tap (let go
    // before the hold was done), so that the caller shows it must be held.
    bool Release(uint32_t now);
    // Forgets a press without acting (the window lost the keyboard).
    void Cancel() { holding = false; }
    bool Holding() const { return holding; }
    // How far the hold has come at now, 0 .. steps (steps once complete).
    int32_t Progress(uint32_t now, int32_t steps) const;

private:
    uint32_t holdMs;
    bool holding = false;
    bool acted = false;
    uint32_t pressedAt = 0;
};
