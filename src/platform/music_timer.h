// The platform's music timer: the multimedia timer that paces the MIDI
// sequencer, its resolution and its lock, and the short waits the MIDI device
// needs. Called by MidiPlayer (src/audio) only.
#pragma once

#include <cstdint>

namespace platform {

// The smallest period the system's timer supports, in milliseconds (1 when it
// cannot say); Begin/EndTimerPeriod raise the timer resolution to it and give
// it back.
uint32_t MinimumTimerPeriod();
void BeginTimerPeriod(uint32_t milliseconds);
void EndTimerPeriod(uint32_t milliseconds);

// A periodic timer whose callback runs on a thread of its own. Every callback
// runs while holding the music timer lock, and StopMusicTimer takes that lock
// too: once it returns, no callback of that timer is running or will run. It
// may be called from inside the timer's own callback, and so may
// StartMusicTimer. One music timer runs at a time; starting one stops the last.
// Returns the timer's id, 0 on failure.
using MusicTimerCallback = void (*)(uint32_t timerId, void* user);
uint32_t StartMusicTimer(uint32_t periodMilliseconds, MusicTimerCallback callback, void* user);
void StopMusicTimer(uint32_t timerId);

// The music timer lock: recursive, held by every callback while it runs. The
// main thread holds it while it changes what the callback reads.
void LockMusicTimer();
void UnlockMusicTimer();

// Called by MidiPlayer to give the device time to settle after each program
// change it sends on opening and after the reset that stops the music.
void SleepMilliseconds(uint32_t milliseconds);

} // namespace platform
