#include "audio/track_walk.h"

#include <gtest/gtest.h>

std::vector<MidiEvent> WalkEvents(MidiTrack& track, int64_t* total) {
    std::vector<MidiEvent> events;
    int64_t ticks = 0;
    // Every event consumes at least one byte, so a walk has no more events
    // than the track has bytes.
    for (uint32_t guard = 0; guard <= track.length; ++guard) {
        const int32_t delta = ReadDeltaTime(track);
        if (delta < 0)
            break;
        ticks += delta;
        events.push_back(ReadEvent(track));
        EXPECT_LE(track.cursor, track.End());
        if (events.back().kind == MidiEvent::EndOfTrack)
            break;
    }
    if (total != nullptr)
        *total = ticks;
    return events;
}

std::vector<uint32_t> ChannelMessages(const std::vector<MidiEvent>& events) {
    std::vector<uint32_t> messages;
    for (const MidiEvent& event : events) {
        if (event.kind == MidiEvent::ChannelMessage)
            messages.push_back(PackShortMessage(event.status, event.data1, event.data2));
    }
    return messages;
}
