// The timer's side of the player: the event walk that runs every period.
#include "audio/midi_events.h"
#include "audio/midi_player.h"
#include "platform/music_timer.h"

#include <algorithm>
#include <cstdint>

namespace {

// An event due within this many ticks of now is due now. Rates such as 0.96
// ticks per period are not exact in binary, and without this allowance an
// event due after 480 ticks would wait for a 501st period.
constexpr double kDueTolerance = 1e-6;
constexpr double kLargestTick = 2147483647.0;
// A song starts again at most once a second, however short it is.
constexpr uint64_t kShortestLoopMilliseconds = 1000;

} // namespace

void MidiPlayer::TimerCallback(uint32_t firedTimerId, void* player) {
    static_cast<MidiPlayer*>(player)->OnTimer(firedTimerId);
}

double MidiPlayer::ElapsedTicks() const {
    return static_cast<double>(speed) * 1000.0 * timerPeriod * song.division / song.tempo;
}

void MidiPlayer::OnTimer(uint32_t firedTimerId) {
    ++periodsPlayed;
    bool anyRunning = false;
    for (int i = 0; i < song.trackCount; ++i) {
        MidiTrack& track = song.tracks[i];
        if (track.ended == 0 && AdvanceTrack(track))
            anyRunning = true;
    }
    position += ElapsedTicks();
    positionTicks = static_cast<int32_t>(std::min(position + kDueTolerance, kLargestTick));
    // Once the song is over, the timer idles out the rest of its second.
    if (anyRunning || uint64_t{periodsPlayed} * timerPeriod < kShortestLoopMilliseconds)
        return;
    // The song is over: play it again from its start, read anew from disk.
    platform::StopMusicTimer(firedTimerId);
    // When the file cannot be read again the music ends here; give the timer
    // resolution back and silence the device.
    if (!StartSong(nullptr))
        StopTimer();
}

bool MidiPlayer::AdvanceTrack(MidiTrack& track) {
    if (track.started == 0) {
        track.started = 1;
        const int32_t delta = ReadDeltaTime(track);
        if (delta < 0) {
            track.ended = 1;
            return false;
        }
        track.ticksToNext = delta;
    } else {
        track.ticksToNext -= ElapsedTicks();
    }
    while (track.ticksToNext <= kDueTolerance) {
        if (ProcessEvent(track))
            return false;
        const int32_t delta = ReadDeltaTime(track);
        if (delta < 0) {
            track.ended = 1;
            return false;
        }
        track.ticksToNext += delta;
    }
    return true;
}

bool MidiPlayer::ProcessEvent(MidiTrack& track) {
    const MidiEvent event = ReadEvent(track);
    switch (event.kind) {
    case MidiEvent::EndOfTrack:
        track.ended = 1;
        break;
    case MidiEvent::SetTempo:
        song.tempo = event.tempo;
        break;
    case MidiEvent::ChannelMessage:
        SendShortMessage(event.status, event.data1, event.data2);
        break;
    case MidiEvent::Ignored:
        break;
    }
    return track.ended != 0;
}
