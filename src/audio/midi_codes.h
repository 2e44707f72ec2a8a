// The byte values of Standard MIDI Files and of the messages a synthesiser
// takes: one list for the reader's check pass, the player's walk, the player
// and the content tool that writes the game's music.
#pragma once

namespace midi {

constexpr int kChannels = 16;
// A tempo is three bytes, big-endian: microseconds per quarter note.
constexpr int kTempoBytes = 3;
// The kind of a channel message, without its channel.
constexpr int kKindMask = 0xF0;

// The first byte of a message or event.
enum StatusByte : int {
    // Every data byte lies below it.
    kFirstStatusByte = 0x80,
    // Channel messages: the kind in the high four bits, the channel (0 to
    // 15) in the low four.
    kNoteOff = 0x80,
    kNoteOn = 0x90,
    kControlChange = 0xB0,
    kProgramChange = 0xC0,
    kChannelPressure = 0xD0,
    // From here up a file holds SysEx data and meta events, never a channel
    // message.
    kFirstSystemByte = 0xF0,
    kSysEx = 0xF0,
    kSysExEscape = 0xF7,
    kMetaEvent = 0xFF,
};

// Meta event types, the byte after kMetaEvent.
constexpr int kTrackName = 0x03;
constexpr int kEndOfTrack = 0x2F;
constexpr int kSetTempo = 0x51;
constexpr int kTimeSignature = 0x58;
constexpr int kKeySignature = 0x59;

} // namespace midi
