// The speaker button's switch: everything on, music off, everything off, kept
// in the settings file. The controller holds it and passes on the button and
// its key; it sets the sound effects, the music and the button's face.
// Windows only.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

class CAnimDoc;
class CGameScreen;
class CSoundEffects;

class CSoundSwitch {
public:
    CSoundSwitch(CGameScreen* gameScreen, CAnimDoc* document, CSoundEffects* sounds);

    // The speaker button or its key: the next setting, stored and applied.
    void Cycle(HWND window);
    // The setting in force applied to the effects, the music and the
    // speaker button's face (at start-up and after each change).
    void Apply(HWND window);

private:
    // Shows the speaker button's face set for the setting, when the page
    // has the button and the button has that face.
    void ShowFace(int32_t setting);

    CGameScreen* gameScreen;
    CAnimDoc* document;
    CSoundEffects* sounds;
};
