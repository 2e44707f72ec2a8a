// The controller's sound switch: everything on, music off, everything off,
// kept in the settings file.
#include "audio/music_playlist.h"
#include "game/commands.h"
#include "game/sound_effects.h"
#include "game/win32/game_controller.h"
#include "game/win32/screens.h"
#include "persist/settings.h"
#include "sprites/anim_view.h"

void CGameController::CycleSound(HWND window) {
    CSettings* settings = CSettings::GetInstance();
    settings->SetSound(NextSoundSetting(settings->GetSound()));
    settings->Save();
    ApplySoundSetting(window);
}

void CGameController::ApplySoundSetting(HWND window) {
    const SoundSetting setting = CSettings::GetInstance()->GetSound();
    sounds->SetEnabled(EffectsAreOn(setting));
    g_musicPlaylist.SetMusicOn(MusicIsOn(setting), window);
    gameScreen->ShowSoundSetting(setting);
    view->SetButtonColumn(ID_SOUND, setting);
}
