// The child lock: while it is on, the ways a small hand ends the game by
// accident (Escape, Q and the quit button) act only after a two-second
// hold; a tap just shows that they need holding. Alt+F4, the system's close
// and logging off are left alone, so a grown-up can always end the game.
// With the lock off everything acts at once, as it always did.
#pragma once

#include "game/press_hold.h"

#include <cstdint>

// What a locked control does once held.
enum class LockedAct {
    kNone,
    kEndAtOnce, // Escape: gone without the ending picture or a store
    kQuit,      // Q or the quit button: the ending picture, then gone
};

class CChildLock {
public:
    // Called by the play settings at start-up and by the corner.
    void SetOn(bool on);
    bool On() const { return on; }

    // Called by the key handler and the quit button when act's control goes
    // down at now: true when the caller acts at once (the lock is off).
    bool Pressed(LockedAct act, uint32_t now);
    // Called when that control comes up: true when it was a tap, so the
    // caller shows that it needs holding.
    bool Released(uint32_t now);
    // Called on every tick: the act to carry out now that its hold is done,
    // once; kNone otherwise.
    LockedAct Poll(uint32_t now);
    // The window lost the keyboard or the mouse: the hold is forgotten.
    void Cancel() { hold.Cancel(); }
    bool Holding() const { return hold.Holding(); }
    // The control being held, kNone when none.
    LockedAct HeldAct() const { return hold.Holding() ? pending : LockedAct::kNone; }

private:
    bool on = false;
    CPressHold hold{kChildLockHoldMs};
    LockedAct pending = LockedAct::kNone;
};
