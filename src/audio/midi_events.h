// The player's walk through a track: one event at a time from the track's
// cursor, never reading outside the track's data.
#pragma once

#include "audio/midi_song.h"

#include <cstdint>

struct MidiEvent {
    enum Kind {
        ChannelMessage, // status, data1, data2 are to be sent
        SetTempo,       // tempo holds microseconds per quarter note
        EndOfTrack,     // the end-of-track event, or the data ran out
        Ignored,        // meta and SysEx events the player does not act on
    };
    Kind kind = Ignored;
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    uint32_t tempo = 0;
};

// Reads the event at the track's cursor and moves past it, keeping the
// track's running status. A track whose data runs out reads as its end.
MidiEvent ReadEvent(MidiTrack& track);

// The delta time at the cursor; -1 when the data runs out.
int32_t ReadDeltaTime(MidiTrack& track);

// The value midiOutShortMsg takes: status + data1 * 256 + data2 * 65536.
inline uint32_t PackShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    return static_cast<uint32_t>(status) | static_cast<uint32_t>(data1) << 8 |
           static_cast<uint32_t>(data2) << 16;
}
