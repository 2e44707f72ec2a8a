// The byte values of Standard MIDI Files and of the messages a synthesiser
// takes: one list for the reader's check pass, the player's walk, the player
// and the content tool that writes the game's music.
#pragma once

namespace midi {

constexpr int kChannels = 16;

// A byte of at least kFirstStatusByte starts a message; every data byte is
// below it.
constexpr int kFirstStatusByte = 0x80;

// Channel messages: the kind in the high four bits, the channel (0 to 15) in
// the low four.
constexpr int kKindMask = 0xF0;
constexpr int kNoteOff = 0x80;
constexpr int kNoteOn = 0x90;
constexpr int kControlChange = 0xB0;
constexpr int kProgramChange = 0xC0;
constexpr int kChannelPressure = 0xD0;

// From kFirstSystemByte up, a file holds SysEx data and meta events, never
// a channel message.
constexpr int kFirstSystemByte = 0xF0;
constexpr int kSysEx = 0xF0;
constexpr int kSysExEscape = 0xF7;
constexpr int kMetaEvent = 0xFF;

// Meta event types, the byte after kMetaEvent.
constexpr int kTrackName = 0x03;
constexpr int kEndOfTrack = 0x2F;
constexpr int kSetTempo = 0x51;
constexpr int kTimeSignature = 0x58;
constexpr int kKeySignature = 0x59;
// A tempo's microseconds per quarter note, big-endian.
constexpr int kTempoBytes = 3;

} // namespace midi
