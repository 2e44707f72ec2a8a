#include "audio/midi_events.h"
#include "audio/midi_codes.h"
#include "audio/midi_reader.h"

namespace {

MidiEvent End() {
    MidiEvent event;
    event.kind = MidiEvent::EndOfTrack;
    return event;
}

MidiEvent ReadMetaEvent(const uint8_t*& cursor, const uint8_t* end) {
    const int type = ReadByte(cursor, end);
    if (type < 0 || type == midi::kEndOfTrack)
        return End();
    const int32_t length = ReadMetaLength(type, cursor, end);
    if (length < 0)
        return End();
    MidiEvent event;
    // A tempo event shorter than its three bytes carries no tempo, and a
    // tempo of 0 would make every period infinitely long; both are passed
    // over, and any bytes beyond the three are skipped with the event.
    if (type == midi::kSetTempo && length >= midi::kTempoBytes &&
        end - cursor >= midi::kTempoBytes) {
        const uint32_t tempo = static_cast<uint32_t>(cursor[0]) << 16 |
                               static_cast<uint32_t>(cursor[1]) << 8 | cursor[2];
        if (tempo != 0) {
            event.kind = MidiEvent::SetTempo;
            event.tempo = tempo;
        }
    }
    if (!SkipBytes(cursor, end, length))
        return End();
    return event;
}

MidiEvent ReadChannelMessage(int first, MidiTrack& track, const uint8_t*& cursor,
                             const uint8_t* end) {
    int data1 = first;
    if (first >= midi::kFirstStatusByte) {
        track.runningStatus = static_cast<uint8_t>(first);
        data1 = ReadByte(cursor, end);
    }
    int data2 = 0;
    if (HasSecondDataByte(track.runningStatus))
        data2 = ReadByte(cursor, end);
    if (data1 < 0 || data2 < 0)
        return End();
    MidiEvent event;
    // Data bytes before any status byte have no message to belong to.
    if (track.runningStatus >= midi::kFirstStatusByte) {
        event.kind = MidiEvent::ChannelMessage;
        event.status = track.runningStatus;
        event.data1 = static_cast<uint8_t>(data1);
        event.data2 = static_cast<uint8_t>(data2);
    }
    return event;
}

} // namespace

MidiEvent ReadEvent(MidiTrack& track) {
    const uint8_t* cursor = track.cursor;
    const uint8_t* const end = track.End();
    const int first = ReadByte(cursor, end);
    MidiEvent event;
    if (first < 0) {
        event = End();
    } else if (first == midi::kMetaEvent) {
        event = ReadMetaEvent(cursor, end);
    } else if (first >= midi::kFirstSystemByte) {
        // SysEx and anything else of 0xF0 or above: a length and data, not sent.
        const int32_t length = ReadVarLen(cursor, end);
        if (length < 0 || !SkipBytes(cursor, end, length))
            event = End();
    } else {
        event = ReadChannelMessage(first, track, cursor, end);
    }
    track.cursor = cursor;
    return event;
}

int32_t ReadDeltaTime(MidiTrack& track) {
    return ReadVarLen(track.cursor, track.End());
}
