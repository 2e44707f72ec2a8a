#include "game/win32/sound_switch.h"
#include "audio/music_playlist.h"
#include "game/commands.h"
#include "game/sound_effects.h"
#include "game/win32/screens.h"
#include "persist/settings.h"
#include "sprites/anim_doc.h"
#include "sprites/grid_sprite.h"

CSoundSwitch::CSoundSwitch(CGameScreen* gameScreen, CAnimDoc* document, CSoundEffects* sounds)
    : gameScreen(gameScreen), document(document), sounds(sounds) {}

void CSoundSwitch::Cycle(HWND window) {
    CSettings* settings = CSettings::GetInstance();
    settings->SetSound(NextSoundSetting(settings->GetSound()));
    settings->Save();
    Apply(window);
}

void CSoundSwitch::Apply(HWND window) {
    const SoundSetting setting = CSettings::GetInstance()->GetSound();
    sounds->SetEnabled(EffectsAreOn(setting));
    g_musicPlaylist.SetMusicOn(MusicIsOn(setting), window);
    gameScreen->ShowSoundSetting(setting);
    ShowFace(setting);
}

void CSoundSwitch::ShowFace(int32_t setting) {
    if (document == nullptr)
        return;
    // The page's speaker sprite carries one face set per setting, side by
    // side.
    auto* button = dynamic_cast<CGridSprite*>(document->FindByTag(ID_SOUND));
    if (button != nullptr && setting >= 0 && setting < button->GetColumns())
        button->SetColumn(setting);
}
