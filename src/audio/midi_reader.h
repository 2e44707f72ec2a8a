// Reads a Standard MIDI File (bare, or wrapped in a RIFF RMID preamble whose
// data chunk comes first) whole into memory and checks every track before
// anything is played, so that the player can walk the tracks with few checks
// of its own. Failures come back as texts; nothing is logged or thrown.
#pragma once

#include "audio/midi_song.h"

#include <cstddef>
#include <cstdint>

// Called by MidiPlayer::StartSong: loads path (a full path, backslashes
// allowed) into song, which must be zeroed, through LoadMidiBytes. Null on
// success, otherwise the failure's text, which stays valid until the next
// failing load on the same thread. A failed load has released everything it
// allocated.
const char* LoadMidiFile(const char* path, MidiSong& song);

// Called by LoadMidiFile and by the MIDI fuzzer: the same load from a file's
// size bytes at data, which the song does not keep.
const char* LoadMidiBytes(const uint8_t* data, size_t size, MidiSong& song);

// Releases the track buffers and the track array; safe on a partly loaded or
// empty song.
void FreeSong(MidiSong& song);

// The check pass over one loaded track: walks it to its end-of-track event,
// summing its delta times into totalTicks. Null, or the failure's text naming
// trackIndex and the bytes consumed so far.
const char* ScanTrack(MidiTrack& track, int trackIndex);

// The next byte (0 .. 255), advancing cursor; -1 at end.
int ReadByte(const uint8_t*& cursor, const uint8_t* end);

// A variable-length quantity, advancing cursor past the bytes read; -1 when
// the data runs out or the value would exceed 28 bits.
int32_t ReadVarLen(const uint8_t*& cursor, const uint8_t* end);

// Meta events 0 to 6 and 127 give their length as a variable-length quantity,
// every other type as a single byte. The check pass and the player read them
// alike so that both see the same event boundaries. -1 when the data runs out.
bool MetaLengthIsVariable(int type);
int32_t ReadMetaLength(int type, const uint8_t*& cursor, const uint8_t* end);

// Program change (0xC0..0xCF) and channel pressure (0xD0..0xDF) carry one
// data byte, every other channel message two.
bool HasSecondDataByte(int status);

// Moves cursor count bytes on; when fewer remain, moves it to end and fails.
bool SkipBytes(const uint8_t*& cursor, const uint8_t* end, int32_t count);
