// Every third-party MIDI file of the corpus, read by the game's reader and
// walked as the player walks it, against what midicsv (an independent parser)
// reads in it. The expectations file is generated from midicsv by the build.
#include "audio/midi_reader.h"
#include "audio/track_walk.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

struct TrackExpectation {
    int64_t ticks = 0;
    std::vector<uint32_t> messages;
};

struct FileExpectation {
    bool readable = false;
    std::vector<TrackExpectation> tracks;
};

std::map<std::string, FileExpectation> ReadExpectations(const std::string& path) {
    std::map<std::string, FileExpectation> files;
    std::ifstream in(path);
    FileExpectation* current = nullptr;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string kind, name, state;
        fields >> kind;
        if (kind == "file") {
            fields >> name >> state;
            current = &files[name];
            current->readable = state == "ok";
        } else if (kind == "track" && current != nullptr) {
            TrackExpectation track;
            size_t index = 0, count = 0;
            fields >> index >> track.ticks >> count;
            for (std::string hex; fields >> hex;)
                track.messages.push_back(static_cast<uint32_t>(std::stoul(hex, nullptr, 16)));
            EXPECT_EQ(track.messages.size(), count) << line;
            current->tracks.push_back(track);
        }
    }
    return files;
}

// The files the reader refuses, with the reason it must give.
const std::map<std::string, std::string> kRefusals = {
    // The header says format 0 with two tracks.
    {"jazz-soft/test-2-tracks-type-0.mid",
     "Error due to inconsistent information in MIDI header chunk."},
    {"jazz-soft/test-2-tracks-type-2.mid",
     "The format of this MIDI file is not supported by this program."},
    // The track's length runs one byte past the end of the file.
    {"jazz-soft/test-corrupt-file-missing-byte.mid", "Error encountered when reading track chunk."},
    {"jazz-soft/test-empty-file.mid", "Error encountered when reading the MIDI file header."},
    // Each has a system byte as an event: F1 after 166 bytes of the track,
    // F2 after 200, FE after 189.
    {"jazz-soft/test-illegal-message-all.mid",
     "Error encountered in file: Track 0 Offset 166: Incorrect first byte."},
    {"jazz-soft/test-illegal-message-f2-xx-xx.mid",
     "Error encountered in file: Track 0 Offset 200: Incorrect first byte."},
    {"jazz-soft/test-illegal-message-fe.mid",
     "Error encountered in file: Track 0 Offset 189: Incorrect first byte."},
    // A "Junk" chunk where the track chunk must be.
    {"jazz-soft/test-non-midi-track.mid", "Error encountered when reading track chunk."},
    // Fifteen bytes of text.
    {"jazz-soft/test-not-a-midi-file.mid", "Error encountered when reading the MIDI header chunk."},
    // After a delta time of 0xD0 0x07, a running-status poly pressure message
    // whose second data byte is 0x90 (midicsv reads it as a value of 144).
    {"midiasm/reference.mid",
     "Error encountered in file: Track 1 Offset 182: Message second data byte problem."},
    // The second track claims 241 bytes; 86 remain.
    {"midiasm/reference-malformed.mid", "Error encountered when reading track chunk."},
    // The second track chunk is empty: no end-of-track event.
    {"midly/SysExTest.mid", "Error encountered in file: Track 1 Offset 0: Delta-time problem."},
    // Cut at 64 KiB inside its third track, which claims over a megabyte.
    {"midly/PiDamaged.mid", "Error encountered when reading track chunk."},
};

const std::string kCorpus = VARNOLT_MIDI_CORPUS;
const std::string kExpectations = VARNOLT_MIDI_EXPECTATIONS;

void CheckLoadedFile(const MidiSong& song, const FileExpectation& expected) {
    ASSERT_TRUE(expected.readable) << "midicsv could not read this file";
    ASSERT_EQ(static_cast<size_t>(song.trackCount), expected.tracks.size());
    for (size_t i = 0; i < expected.tracks.size(); ++i) {
        SCOPED_TRACE("track " + std::to_string(i));
        MidiTrack track = song.tracks[i];
        track.cursor = track.data;
        int64_t walkedTicks = 0;
        const std::vector<uint32_t> messages = ChannelMessages(WalkEvents(track, &walkedTicks));
        EXPECT_EQ(song.tracks[i].totalTicks, expected.tracks[i].ticks);
        EXPECT_EQ(walkedTicks, expected.tracks[i].ticks);
        EXPECT_EQ(messages, expected.tracks[i].messages);
    }
}

} // namespace

TEST(MidiCorpus, EveryFileLoadsAsMidicsvReadsItOrIsRefusedForItsReason) {
    const std::map<std::string, FileExpectation> expectations = ReadExpectations(kExpectations);
    ASSERT_FALSE(expectations.empty())
        << "No expectations in " << kExpectations << " for the corpus " << kCorpus
        << "; the build writes them with midicsv (Debian package midicsv).";

    size_t corpusFiles = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kCorpus)) {
        if (entry.path().extension() != ".mid")
            continue;
        ++corpusFiles;
        const std::string name = entry.path().lexically_relative(kCorpus).generic_string();
        EXPECT_EQ(expectations.count(name), 1u) << name << " has no expectation; rebuild";
    }
    EXPECT_EQ(corpusFiles, expectations.size());
    for (const auto& refusal : kRefusals)
        EXPECT_EQ(expectations.count(refusal.first), 1u) << refusal.first << " left the corpus";

    size_t loaded = 0;
    for (const auto& [name, expected] : expectations) {
        SCOPED_TRACE(name);
        MidiSong song = {};
        const char* problem = LoadMidiFile((kCorpus + "/" + name).c_str(), song);
        const auto refusal = kRefusals.find(name);
        if (refusal != kRefusals.end()) {
            EXPECT_EQ(problem != nullptr ? problem : "(loaded)", refusal->second);
        } else {
            EXPECT_EQ(problem != nullptr ? problem : "", std::string());
            if (problem == nullptr) {
                CheckLoadedFile(song, expected);
                ++loaded;
            }
        }
        if (problem == nullptr)
            FreeSong(song);
    }
    EXPECT_EQ(loaded, expectations.size() - kRefusals.size());
}
