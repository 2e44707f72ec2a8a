#include "audio/midi_bytes.h"
#include "audio/midi_events.h"
#include "audio/track_walk.h"

#include <gtest/gtest.h>
#include <memory>

using namespace midi_bytes;

namespace {

// A track over a heap copy of exactly its bytes, so that the sanitizers see
// any read past its end.
class HeapTrack {
public:
    explicit HeapTrack(const Bytes& bytes) : storage(new uint8_t[bytes.size() + (bytes.empty())]) {
        std::copy(bytes.begin(), bytes.end(), storage.get());
        track.length = static_cast<uint32_t>(bytes.size());
        track.data = storage.get();
        track.cursor = track.data;
    }
    MidiTrack track = {};

private:
    std::unique_ptr<uint8_t[]> storage;
};

} // namespace

TEST(MidiEvents, TakesTheTempoFromTheFirstThreeBytesOfATempoEvent) {
    HeapTrack heap(Concat({
        Tempo(0, 250000),
        Event(0, {0xFF, 0x51, 0x04, 0x07, 0xA1, 0x20, 0x99}), // one byte too many
        Event(0, {0xFF, 0x51, 0x02, 0x07, 0xA1}),             // too short: no tempo
        Tempo(0, 0),                                          // no tempo either
        Event(0, {0x90, 0x3C, 0x40}),
        EndOfTrack(),
    }));
    const std::vector<MidiEvent> events = WalkEvents(heap.track);
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].kind, MidiEvent::SetTempo);
    EXPECT_EQ(events[0].tempo, 250000u);
    EXPECT_EQ(events[1].kind, MidiEvent::SetTempo);
    EXPECT_EQ(events[1].tempo, 500000u);
    EXPECT_EQ(events[2].kind, MidiEvent::Ignored);
    EXPECT_EQ(events[3].kind, MidiEvent::Ignored);
    EXPECT_EQ(events[4].kind, MidiEvent::ChannelMessage) << "the walk stayed on the events";
}

TEST(MidiEvents, ReadsMetaLengthsAsTheCheckPassDoes) {
    // Type 0x58 has a one-byte length: 0x81 is 129 bytes, not the start of a
    // variable-length quantity.
    HeapTrack heap(Concat({Event(0, {0xFF, 0x58, 0x81}), Bytes(129, 0x90),
                           Event(0, {0x90, 0x3C, 0x40}), EndOfTrack()}));
    EXPECT_EQ(ChannelMessages(WalkEvents(heap.track)), std::vector<uint32_t>{0x403C90});
}

TEST(MidiEvents, SendsNothingForDataBytesBeforeAnyStatus) {
    HeapTrack heap(Concat({Event(0, {0x3C, 0x40}), Event(0, {0x90, 0x3C, 0x40}), EndOfTrack()}));
    EXPECT_EQ(ChannelMessages(WalkEvents(heap.track)), std::vector<uint32_t>{0x403C90});
}

TEST(MidiEvents, EndsEveryCutShortTrackWithoutReadingPastIt) {
    const Bytes whole = Concat({
        Event(0, {0x90, 0x3C, 0x40}),
        Event(0x2000, {0xC0, 0x01}),
        Event(0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}),
        Event(0, {0xFF, 0x7F, 0x82, 0x00}),
        Bytes(256, 0x01),
        Event(0, {0xF0, 0x81, 0x00}),
        Bytes(128, 0x02),
        Event(0, {0xF3, 0x01}),
        Event(0, {0xE0, 0x00, 0x40}),
        EndOfTrack(),
    });
    for (size_t length = 0; length < whole.size(); ++length) {
        HeapTrack heap(Bytes(whole.begin(), whole.begin() + static_cast<long>(length)));
        const std::vector<MidiEvent> events = WalkEvents(heap.track);
        EXPECT_LT(events.size(), 20u) << length;
        // Whichever read ran out, it stopped at the end of the data.
        EXPECT_EQ(heap.track.cursor, heap.track.End()) << length;
    }
}

TEST(MidiEvents, TreatsHugeLengthsAsTheEndOfTheTrack) {
    for (const Bytes& event :
         {Bytes{0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0x7F}, Bytes{0xF0, 0x8F, 0xFF, 0xFF, 0x7F}}) {
        HeapTrack heap(Concat({VarLen(0), event, Bytes(10, 0)}));
        ASSERT_GE(ReadDeltaTime(heap.track), 0);
        EXPECT_EQ(ReadEvent(heap.track).kind, MidiEvent::EndOfTrack) << std::hex << int{event[0]};
        EXPECT_EQ(heap.track.cursor, heap.track.End());
    }
}
