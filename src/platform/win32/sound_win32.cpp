// Sound effects on Windows: WAVE resources played asynchronously.
#include "platform/sound.h"
#include "platform/win_types.h"

#include <mmsystem.h>

namespace platform {

void PlaySoundResource(HWND window, const char* name) {
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    PlaySoundA(name, module, SND_RESOURCE | SND_ASYNC);
}

} // namespace platform
