// A Standard MIDI File in memory: one buffer per track, and what the player
// keeps per track while it walks them.
#pragma once

#include <cstdint>

struct MidiTrack {
    uint32_t length;       // bytes of event data, from the chunk header
    uint8_t* data;         // exactly length bytes
    const uint8_t* cursor; // the player's read position in data
    uint8_t runningStatus; // the player's last channel status byte
    int32_t started;       // the player has read the first delta time
    int32_t ended;         // the player has reached the end of the track
    // Ticks until the next event is due. Kept in double precision: with a
    // rate such as 0.96 ticks per period, which no binary fraction holds
    // exactly, single precision drifts by a whole period within one beat.
    double ticksToNext;
    int32_t totalTicks; // sum of every delta time, from the check pass

    const uint8_t* End() const { return data + length; }
};

struct MidiSong {
    int16_t format;     // 0 or 1 once loaded
    int16_t trackCount; // from the header
    int16_t division;   // ticks per quarter note; never negative once loaded
    uint32_t tempo;     // microseconds per quarter note
    MidiTrack* tracks;  // trackCount records, owned by the song
};
