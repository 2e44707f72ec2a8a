#include "audio/midi_reader.h"
#include "game_files.h"
#include "generated_content.h"
#include "music.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace content::testing {
namespace {

struct CsvRecord {
    int track;
    long tick;
    std::string type;
    std::vector<long> values;
};

// The file as Debian's midicsv reads it: an independent parser.
bool ReadWithMidicsv(const std::string& path, std::vector<CsvRecord>& records) {
    FILE* pipe = popen(("midicsv '" + path + "' 2>&1").c_str(), "r");
    if (!pipe)
        return false;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::stringstream row(line);
        CsvRecord record;
        std::string field;
        std::getline(row, field, ',');
        record.track = std::atoi(field.c_str());
        std::getline(row, field, ',');
        record.tick = std::atol(field.c_str());
        std::getline(row, field, ',');
        std::istringstream(field) >> record.type; // without the spaces round it
        while (std::getline(row, field, ','))
            record.values.push_back(std::atol(field.c_str()));
        records.push_back(record);
    }
    return pclose(pipe) == 0;
}

class Music : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("command -v midicsv >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "midicsv is not installed";
        ASSERT_TRUE(ReadWithMidicsv(GeneratedContent() + "/" + kMusicFile, records));
        ASSERT_FALSE(records.empty());
    }
    std::vector<CsvRecord> records;
};

TEST_F(Music, LastsOneToThreeMinutes) {
    long tempo = 0, end = 0;
    for (const CsvRecord& r : records) {
        if (r.type == "Tempo")
            tempo = r.values[0];
        if (r.type == "End_track")
            end = std::max(end, r.tick);
    }
    const double seconds = static_cast<double>(end) / kTicksPerQuarter * tempo / 1e6;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 180.0);
}

TEST_F(Music, EveryNoteEndsBeforeItsTrackAndTheEndsAreQuiet) {
    std::map<std::vector<long>, int> sounding; // track, channel, note -> count
    std::vector<std::pair<long, long>> onsets; // tick, velocity
    long end = 0;
    for (const CsvRecord& r : records) {
        if (r.type == "Note_on_c" && r.values[2] > 0) {
            ++sounding[{r.track, r.values[0], r.values[1]}];
            onsets.push_back({r.tick, r.values[2]});
        } else if (r.type == "Note_off_c" || (r.type == "Note_on_c" && r.values[2] == 0)) {
            const std::vector<long> key{r.track, r.values[0], r.values[1]};
            EXPECT_GT(sounding[key]--, 0) << "off without on";
        } else if (r.type == "End_track") {
            end = std::max(end, r.tick);
        }
    }
    for (const auto& [key, count] : sounding)
        EXPECT_EQ(count, 0) << "note " << key[2] << " left sounding on track " << key[0];
    // The loop back to the start is smooth when both ends are soft.
    std::vector<long> velocities;
    for (const auto& onset : onsets)
        velocities.push_back(onset.second);
    std::sort(velocities.begin(), velocities.end());
    const long median = velocities[velocities.size() / 2];
    const long bar = 4 * kTicksPerQuarter;
    for (const auto& [tick, velocity] : onsets) {
        if (tick < bar || tick >= end - bar) {
            EXPECT_LE(velocity, median) << "at tick " << tick;
        }
    }
}

TEST(MusicInTheGame, TheGamesReaderLoadsItAndEveryTrackEndsTogether) {
    MidiSong song{};
    const std::string path = GeneratedContent() + "/" + kMusicFile;
    ASSERT_EQ(LoadMidiFile(path.c_str(), song), nullptr);
    EXPECT_EQ(song.format, 1);
    EXPECT_GE(song.trackCount, 4);
    EXPECT_EQ(song.division, kTicksPerQuarter);
    // The game starts the song again when its tracks are done; ending them
    // all at once keeps the loop in time.
    for (int i = 1; i < song.trackCount; ++i)
        EXPECT_EQ(song.tracks[i].totalTicks, song.tracks[0].totalTicks) << "track " << i;
    FreeSong(song);
}

} // namespace
} // namespace content::testing
