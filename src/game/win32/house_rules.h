// What the grown-up corner sets, put in force: the music's and the effects'
// volumes, the fit, help when stuck, and the child lock with its holds. The
// controller holds it, applies the settings at start-up and after every
// change in the corner, and passes on the locked controls. With the
// settings at their defaults it changes nothing. Windows only.
#pragma once

#include "game/child_lock.h"
#include "platform/win_types.h"

class CAnimView;
class CSoundEffects;

class CHouseRules {
public:
    CHouseRules(CAnimView* view, CSoundEffects* sounds);

    // The settings file's household choices in force (CSettings).
    void Apply();

    // Escape (kEndAtOnce), Q or the quit button (kQuit) went down: true
    // when the caller acts at once, as without the lock.
    bool LockedPress(LockedAct act);
    // That control came up: a tap shows the quit button's notice.
    void LockedRelease();
    // The main loop's idle call: a hold that is now long enough acts.
    void Tick(HWND window);
    // The window lost the keyboard: a hold is forgotten.
    void Cancel() { lock.Cancel(); }
    bool LockOn() const { return lock.On(); }

private:
    CAnimView* view;
    CSoundEffects* sounds;
    CChildLock lock;
};
