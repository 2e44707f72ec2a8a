// The music's volume, applied in the song itself: each channel's volume
// (controller 7) as the sequencer sends it is scaled, so the setting never
// touches a device volume other programs share. At full volume nothing is
// changed or added: the song goes out exactly as it is written.
#pragma once

#include <atomic>
#include <cstdint>

class CMusicVolume {
public:
    // The channel volume a synthesiser starts each channel at.
    static constexpr uint8_t kStartingChannelVolume = 100;

    CMusicVolume();

    // Called by the sound settings on the main thread: the step from 0
    // (silent) to fullStep (as written). Returns whether it changed.
    bool SetStep(int32_t step, int32_t fullStep);
    bool IsFull() const;

    // Called by MidiPlayer for each channel message it sends (timer thread):
    // a channel volume is remembered as the song meant it and data2 scaled;
    // every other message passes unchanged.
    void Filter(uint8_t status, uint8_t data1, uint8_t& data2);
    // The channel volume message to send for channel now, so that a change
    // of step is heard at once (and from a song's first note on): the song's
    // own latest value, scaled. Packed as MidiOutShortMessage takes it.
    uint32_t ChannelVolumeMessage(int channel) const;
    // A new song: every channel back at the synthesiser's starting volume.
    void ForgetSong();

    CMusicVolume(const CMusicVolume&) = delete;
    CMusicVolume& operator=(const CMusicVolume&) = delete;

private:
    uint8_t Scaled(uint8_t value) const;

    // Written by the main thread, read by the timer's.
    std::atomic<int32_t> step;
    std::atomic<int32_t> full;
    std::atomic<uint8_t> songVolume[16];
};
