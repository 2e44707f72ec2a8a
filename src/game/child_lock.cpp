#include "game/child_lock.h"

void CChildLock::SetOn(bool value) {
    on = value;
    if (!on)
        hold.Cancel();
}

bool CChildLock::Pressed(LockedAct act, uint32_t now) {
    if (!on)
        return true;
    // A second control pressed while one is held starts nothing new.
    if (!hold.Holding())
        pending = act;
    hold.Press(now);
    return false;
}

bool CChildLock::Released(uint32_t now) {
    return hold.Release(now);
}

LockedAct CChildLock::Poll(uint32_t now) {
    return hold.Completed(now) ? pending : LockedAct::kNone;
}
