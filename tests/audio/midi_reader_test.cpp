#include "audio/midi_bytes.h"
#include "audio/midi_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace midi_bytes;

namespace {

const char kInconsistent[] = "Error due to inconsistent information in MIDI header chunk.";
const char kSmpte[] = "The SMPTE time codes used in this file are not supported by this program.";
const char kHeaderRead[] = "Error encountered when reading the MIDI file header.";
const char kHeaderChunk[] = "Error encountered when reading the MIDI header chunk.";
const char kTrackChunk[] = "Error encountered when reading track chunk.";
const char kAllocation[] = "Error encountered when allocating memory for this file.";

Bytes TrackBytes(const MidiTrack& track) {
    return Bytes(track.data, track.data + track.length);
}

// Writes bytes to a file of its own and loads it; "" stands for success.
class MidiFileTest : public ::testing::Test {
protected:
    std::string Load(const Bytes& bytes, MidiSong& song) {
        const std::string path = dir.File("song" + std::to_string(files++) + ".mid");
        WriteAll(path, bytes);
        const char* problem = LoadMidiFile(path.c_str(), song);
        const std::string fromFile = problem != nullptr ? problem : "";
        // The same bytes from memory load the same.
        MidiSong fromMemory = {};
        const char* memoryProblem = LoadMidiBytes(bytes.data(), bytes.size(), fromMemory);
        EXPECT_EQ(memoryProblem != nullptr ? memoryProblem : "", fromFile);
        if (memoryProblem == nullptr) {
            EXPECT_EQ(fromMemory.trackCount, song.trackCount);
            for (int i = 0; i < song.trackCount && i < fromMemory.trackCount; ++i)
                EXPECT_EQ(TrackBytes(fromMemory.tracks[i]), TrackBytes(song.tracks[i]));
            FreeSong(fromMemory);
        }
        return fromFile;
    }
    std::string LoadAndFree(const Bytes& bytes) {
        MidiSong song = {};
        const std::string problem = Load(bytes, song);
        if (problem.empty())
            FreeSong(song);
        else
            EXPECT_EQ(song.tracks, nullptr) << "a failed load must release its tracks";
        return problem;
    }
    // A file whose only track holds events; the failure text for it.
    std::string TrackProblem(const Bytes& events) { return LoadAndFree(File(1, 96, {events})); }

    ScopedTempDir dir;
    int files = 0;
};

const Bytes kNote = Concat({Event(0, {0x90, 0x3C, 0x40}), Event(96, {0x80, 0x3C, 0x40})});

} // namespace

// Each track's bytes and total ticks are checked against midicsv by the
// corpus test.
TEST_F(MidiFileTest, LoadsTheHeaderAndFreesEveryTrack) {
    const Bytes first = Concat({Tempo(0, 400000), EndOfTrack(10)});
    const Bytes second = Concat({kNote, EndOfTrack(4)});
    MidiSong song = {};
    ASSERT_EQ(Load(File(1, 480, {first, second}), song), "");
    EXPECT_EQ(song.format, 1);
    EXPECT_EQ(song.trackCount, 2);
    EXPECT_EQ(song.division, 480);
    EXPECT_EQ(song.tempo, 500000u) << "a tempo event only counts while playing";
    ASSERT_NE(song.tracks, nullptr);
    FreeSong(song);
    EXPECT_EQ(song.tracks, nullptr);
}

TEST_F(MidiFileTest, IgnoresBytesAfterTheEndOfTrackAndAfterTheLastChunk) {
    MidiSong song = {};
    const Bytes track = Concat({kNote, EndOfTrack(), {0x42, 0xF5, 0xFF}});
    ASSERT_EQ(Load(Concat({File(0, 96, {track}), Text("stray")}), song), "");
    EXPECT_EQ(song.tracks[0].length, track.size());
    FreeSong(song);
}

TEST_F(MidiFileTest, RefusesHeadersItCannotPlay) {
    const Bytes track = Concat({kNote, EndOfTrack()});
    const Bytes trackChunk = Track(track);
    EXPECT_EQ(LoadAndFree(Concat({Header(0, 0, 96)})), kInconsistent) << "format 0, no track";
    EXPECT_EQ(LoadAndFree(Concat({Header(3, 1, 96), trackChunk})), kInconsistent);
    EXPECT_EQ(LoadAndFree(Concat({Header(0xFFFF, 1, 96), trackChunk})), kInconsistent);
    EXPECT_EQ(LoadAndFree(File(1, 0xE728, {track})), kSmpte);
    EXPECT_EQ(LoadAndFree(File(2, 0xE728, {track})), kSmpte) << "timing is checked first";
    EXPECT_EQ(LoadAndFree(Concat({Header(1, 0x8000, 96), trackChunk})), kAllocation)
        << "a negative track count";
}

TEST_F(MidiFileTest, RefusesFilesThatAreNotMidiFiles) {
    MidiSong song = {};
    EXPECT_STREQ(LoadMidiFile(dir.File("missing.mid").c_str(), song),
                 "File cannot be loaded for reading.");
    Bytes longHeader = Header(1, 1, 96);
    longHeader[7] = 7;
    EXPECT_EQ(LoadAndFree(longHeader), kHeaderChunk) << "header length 7";
    EXPECT_EQ(LoadAndFree(Concat({Text("RIFF"), BigEndian(8, 4), Text("RMIDdata")})), kHeaderRead);
}

TEST_F(MidiFileTest, ReadsARiffWrappedFileOnlyWhenItsDataChunkComesFirst) {
    const Bytes bare = File(1, 120, {Concat({kNote, EndOfTrack()})});
    MidiSong fromBare = {}, fromRiff = {};
    ASSERT_EQ(Load(bare, fromBare), "");
    ASSERT_EQ(Load(Riff(bare), fromRiff), "");
    EXPECT_EQ(fromRiff.format, fromBare.format);
    EXPECT_EQ(fromRiff.trackCount, fromBare.trackCount);
    EXPECT_EQ(fromRiff.division, fromBare.division);
    EXPECT_EQ(TrackBytes(fromRiff.tracks[0]), TrackBytes(fromBare.tracks[0]));
    FreeSong(fromBare);
    FreeSong(fromRiff);

    EXPECT_EQ(LoadAndFree(Riff(bare, false)), kHeaderChunk);
    EXPECT_EQ(LoadAndFree(Riff(Riff(bare))), kHeaderChunk) << "only one preamble is skipped";
}

TEST_F(MidiFileTest, RefusesDamagedTrackChunks) {
    const Bytes track = Concat({kNote, EndOfTrack()});
    EXPECT_EQ(LoadAndFree(Concat({Header(1, 2, 96), Track(track)})), kTrackChunk)
        << "second chunk missing";
    // A length far beyond the file fails like any short read, without first
    // asking for the memory.
    EXPECT_EQ(
        LoadAndFree(Concat({Header(0, 1, 96), Text("MTrk"), BigEndian(0xFFFFFFF0, 4), track})),
        kTrackChunk);
}

TEST_F(MidiFileTest, ReportsTheTrackAndTheBytesConsumedAtEachTrackFailure) {
    // Eight deltas of 0x0FFFFFFF are 2147483640 ticks; the ninth overflows as
    // soon as it is read.
    Bytes manyTicks;
    for (int i = 0; i < 9; ++i)
        manyTicks = Concat({manyTicks, VarLen(0x0FFFFFFF), {0xC0, 0x01}});
    const struct {
        Bytes events;
        const char* problem;
    } cases[] = {
        // Ten bytes of complete events and no end-of-track event.
        {{0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00, 0x00, 0xC0, 0x05}, "10: Delta-time problem."},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, "5: Delta-time problem."},
        {{0x00}, "1: First byte problem."},
        {{0x00, 0xFF}, "2: Second byte problem on meta-event."},
        {{0x00, 0xFF, 0x01, 0x81}, "4: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x7F, 0x05, 0x41, 0x42}, "6: Variable-length data on meta-event."},
        {{0x00, 0xFF, 0x58}, "3: Length problem on meta-event."},
        {{0x00, 0xFF, 0x58, 0x04, 0x04, 0x02}, "6: Data problem on meta-event."},
        {{0x00, 0xF0, 0x80}, "3: Variable-length problem on SysEx message."},
        {{0x00, 0xF7, 0x05, 0x01, 0x02}, "5 Variable-Length data on SysEx message."},
        {{0x00, 0x90}, "2: Message first data byte problem."},
        {{0x00, 0x90, 0x90}, "3: Message first data byte problem."},
        {{0x00, 0x90, 0x3C}, "3: Message second data byte problem."},
        {manyTicks, "52: Total ticks can't fit in integer."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrackProblem(c.events),
                  std::string("Error encountered in file: Track 0 Offset ") + c.problem);
}

TEST_F(MidiFileTest, AcceptsLongVariableLengthMetaEventsAndOneByteMessages) {
    const Bytes marker = Concat({{0x00, 0xFF, 0x06}, VarLen(200), Bytes(200, 'm')});
    const Bytes sequencer = Concat({{0x00, 0xFF, 0x7F}, VarLen(200), Bytes(200, 0x01)});
    const Bytes oneByte =
        Concat({Event(0, {0xC3, 0x05}), Event(0, {0x06}), Event(0, {0xD3, 0x40})});
    MidiSong song = {};
    ASSERT_EQ(Load(File(1, 96, {Concat({marker, sequencer, oneByte, EndOfTrack(7)})}), song), "");
    EXPECT_EQ(song.tracks[0].totalTicks, 7);
    FreeSong(song);
}

TEST(MidiVarLen, ReadsUpToFourSignificantBytes) {
    struct Case {
        Bytes bytes;
        int32_t value;
        size_t consumed;
    } cases[] = {
        {{0x00}, 0, 1},
        {{0x7F, 0x55}, 127, 1},
        {{0x81, 0x00}, 128, 2},
        {{0x81, 0x80, 0x80, 0x00}, 2097152, 4},
        {{0xFF, 0xFF, 0xFF, 0x7F}, 0x0FFFFFFF, 4},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, -1, 5},
        {{0x81, 0x80}, -1, 2},
        {{}, -1, 0},
    };
    for (const Case& c : cases) {
        const uint8_t* cursor = c.bytes.data();
        EXPECT_EQ(ReadVarLen(cursor, c.bytes.data() + c.bytes.size()), c.value);
        EXPECT_EQ(static_cast<size_t>(cursor - c.bytes.data()), c.consumed);
    }
}
