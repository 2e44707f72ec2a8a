// The picture buttons' state machine: which state a button takes when a
// state is asked for, and which face (frame of its picture) that shows. The
// screens only ask for kButtonReleased and kButtonPressed.
#pragma once

#include <cstdint>

constexpr int32_t kButtonReleased = 0;
constexpr int32_t kButtonPressed = 2;
// Held for good: no later request moves a button out of it.
constexpr int32_t kButtonLocked = 3;
// A new button's state, before its first drawing; asking for it releases.
constexpr int32_t kButtonNew = 5;

// The state a button in `current` takes when `requested` is asked for.
int32_t NextButtonState(int32_t current, int32_t requested);

// The frame a button shows in `state`: a two-frame picture has the released
// face (frame 0) above the pressed one (frame 1); a four-frame picture has
// one face per state 0 to 3. Other states and frame counts keep `shown`.
int32_t FrameForState(uint32_t frameCount, int32_t state, int32_t shown);
