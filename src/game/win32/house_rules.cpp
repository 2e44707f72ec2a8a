#include "game/win32/house_rules.h"
#include "audio/music_playlist.h"
#include "game/sound_effects.h"
#include "persist/settings.h"
#include "platform/clock.h"
#include "sprites/anim_view.h"

CHouseRules::CHouseRules(CAnimView* view, CSoundEffects* sounds) : view(view), sounds(sounds) {}

void CHouseRules::Apply() {
    const FamilyChoice& family = CSettings::GetInstance()->GetFamily();
    sounds->SetVolume(family.effectsVolume, kVolumeFull);
    g_midiPlayer.SetMusicVolume(family.musicVolume, kVolumeFull);
    view->Fit().SetFit(family.fit);
    view->Stuck().SetEnabled(family.helpWhenStuck);
    lock.SetOn(family.childLock);
}

bool CHouseRules::LockedPress(LockedAct act) {
    return lock.Pressed(act, platform::MillisecondClock());
}

void CHouseRules::LockedRelease() {
    const uint32_t now = platform::MillisecondClock();
    if (lock.Released(now))
        view->ShowHoldNotice(now);
}

void CHouseRules::Tick(HWND window) {
    if (!lock.Holding())
        return;
    switch (lock.Poll(platform::MillisecondClock())) {
    case LockedAct::kEndAtOnce:
        // As Escape without the lock: no ending picture, no store.
        DestroyWindow(window);
        break;
    case LockedAct::kQuit:
        PostMessageA(window, WM_CLOSE, 0, 0);
        break;
    case LockedAct::kNone:
        break;
    }
}
