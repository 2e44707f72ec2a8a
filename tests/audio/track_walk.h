// Walks a track the way the player does, for tests that look at every event.
#pragma once

#include "audio/midi_events.h"

#include <vector>

// Every event from the track's cursor to its end, each after its delta time;
// total, when given, receives the sum of the delta times read.
std::vector<MidiEvent> WalkEvents(MidiTrack& track, int64_t* total = nullptr);

// The channel messages among events, packed as midiOutShortMsg takes them.
std::vector<uint32_t> ChannelMessages(const std::vector<MidiEvent>& events);
