// Builds Standard MIDI Files byte by byte for the music tests.
#pragma once

#include "support/temp_dir.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace midi_bytes {

Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Text(const std::string& text);
Bytes BigEndian(uint32_t value, int bytes);
Bytes VarLen(uint32_t value);

// "MThd", length 6, format, track count, division.
Bytes Header(uint16_t format, uint16_t trackCount, uint16_t division);
// "MTrk", the length of events, the events.
Bytes Track(const Bytes& events);
// A header that counts the tracks, then the tracks.
Bytes File(uint16_t format, uint16_t division, const std::vector<Bytes>& trackEvents);
// The 20-byte RIFF RMID preamble before the file; with a "LIST" chunk
// before the data chunk when dataFirst is false.
Bytes Riff(const Bytes& file, bool dataFirst = true);

// Common events, each with its delta time in front.
Bytes EndOfTrack(uint32_t delta = 0);
Bytes Tempo(uint32_t delta, uint32_t microsecondsPerQuarter);
Bytes Event(uint32_t delta, std::initializer_list<uint8_t> bytes);

} // namespace midi_bytes
