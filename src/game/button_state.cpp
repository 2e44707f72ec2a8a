#include "game/button_state.h"

int32_t NextButtonState(int32_t current, int32_t requested) {
    if (requested == kButtonNew)
        return kButtonReleased;
    if (current == kButtonLocked)
        return kButtonLocked;
    return requested;
}

int32_t FrameForState(uint32_t frameCount, int32_t state, int32_t shown) {
    if (frameCount == 2) {
        if (state == kButtonReleased)
            return 0;
        if (state == kButtonPressed)
            return 1;
        return shown;
    }
    if (frameCount == 4 && state >= 0 && state <= 3)
        return state;
    return shown;
}
