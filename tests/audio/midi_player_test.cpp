#include "audio/midi_bytes.h"
#include "audio/midi_player.h"
#include "diag/log_switch.h"
#include "platform/headless/headless_music.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace midi_bytes;

namespace {

constexpr uint8_t kNoteOn = 0x90;
constexpr uint8_t kNoteOff = 0x80;

// A player on a headless MIDI system with one plain device, its song file in
// a folder of its own, and a timer the test fires by hand.
class MidiPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { headless::ConfigureMidi(headless::OneDevice("Synth")); }

    void Start(const Bytes& file) {
        WriteAll(path, file);
        player.OpenPlayer(nullptr);
        ASSERT_NE(player.midiOut, nullptr);
        ASSERT_TRUE(player.StartSong(path.c_str()));
        headless::ClearMidiOutCalls();
    }

    // Fires the timer until count short messages have been sent in all;
    // returns how many periods that took, or -1 when it did not happen.
    int FiresUntilSent(size_t count, int limit = 5000) {
        for (int fires = 1; fires <= limit; ++fires) {
            if (!headless::FireMusicTimer())
                return -1;
            if (headless::ShortMessages().size() >= count)
                return fires;
        }
        return -1;
    }

    ScopedTempDir dir{true};
    const std::string path = dir.File("song.mid");
    MidiPlayer player;
};

Bytes Note(uint32_t delta, uint8_t status, uint8_t key) {
    return Event(delta, {status, key, 0x40});
}

uint32_t Message(uint8_t status, uint8_t key) {
    return status | key << 8 | 0x40 << 16;
}

// A quarter note of 480 ticks, then a quarter note's rest.
const Bytes kQuarterNote = Concat({Note(0, kNoteOn, 60), Note(480, kNoteOff, 60), EndOfTrack(480)});

} // namespace

TEST_F(MidiPlayerTest, OpensTheDeviceResetAndOnProgramZeroOnEveryChannel) {
    player.OpenPlayer(nullptr);
    ASSERT_NE(player.midiOut, nullptr);
    EXPECT_EQ(player.deviceId, 0);
    const std::vector<headless::MidiOutCall> calls = headless::MidiOutCalls();
    ASSERT_EQ(calls.size(), 18u);
    EXPECT_EQ(calls[0].kind, headless::MidiOutCall::Open);
    EXPECT_EQ(calls[1].kind, headless::MidiOutCall::Reset);
    for (uint32_t channel = 0; channel < 16; ++channel) {
        EXPECT_EQ(calls[2 + channel].kind, headless::MidiOutCall::Short);
        EXPECT_EQ(calls[2 + channel].message, 0xC0 + channel);
    }
    EXPECT_EQ(headless::SleptMilliseconds(), 160u) << "10 ms after each program change";

    player.OpenPlayer(nullptr);
    EXPECT_EQ(headless::MidiOutCalls().size(), 18u) << "an open device is kept";
}

TEST_F(MidiPlayerTest, PlaysAQuarterNoteIn500PeriodsOfOneMillisecond) {
    Start(File(0, 480, {kQuarterNote}));
    EXPECT_EQ(player.timerPeriod, 1u);
    EXPECT_EQ(headless::MusicTimerPeriod(), 1u);
    EXPECT_EQ(headless::RaisedTimerPeriods(), 1);

    EXPECT_EQ(FiresUntilSent(1), 1) << "a first delta time of 0 plays in the first period";
    EXPECT_EQ(FiresUntilSent(2), 500);
    EXPECT_EQ(player.positionTicks, 480);
    EXPECT_EQ(headless::ShortMessages(),
              (std::vector<uint32_t>{Message(kNoteOn, 60), Message(kNoteOff, 60)}));
}

TEST_F(MidiPlayerTest, KeepsTheFractionOfATickFromPeriodToPeriod) {
    // 96 ticks per quarter at 120 beats a minute: 0.192 ticks per period.
    Start(File(0, 96,
               {Concat({Note(0, kNoteOn, 60), Note(1, kNoteOff, 60), Note(1, kNoteOn, 62),
                        EndOfTrack()})}));
    EXPECT_EQ(FiresUntilSent(1), 1);
    EXPECT_EQ(FiresUntilSent(2), 6) << "1 / 0.192 = 5.2 periods, so the sixth";
    // The 0.152 ticks the sixth period ran past the first event count
    // towards the second: 2 / 0.192 = 10.4 periods in all, not 6 + 6.
    EXPECT_EQ(FiresUntilSent(3), 5);
}

TEST_F(MidiPlayerTest, AppliesANewTempoToLaterTracksInTheSamePeriod) {
    // Track 0 changes the tempo in period 3. Track 1 has 4 ticks to go after
    // period 1: 3.04 after period 2, 1.12 after period 3 at the new rate, so
    // its note ends in period 4. Were the new rate applied only from the next
    // period it would end in period 5; without the change in period 6.
    Start(File(1, 480,
               {Concat({Tempo(1, 250000), EndOfTrack()}),
                Concat({Note(0, kNoteOn, 60), Note(4, kNoteOff, 60), EndOfTrack()})}));
    EXPECT_EQ(FiresUntilSent(1), 1);
    EXPECT_EQ(FiresUntilSent(2), 3);
}

TEST_F(MidiPlayerTest, SendsDueEventsInTrackOrderWithTheirBytes) {
    const Bytes first = Concat({Note(0, 0x91, 60), Event(0, {62, 0x40}), Event(0, {0xC1, 0x05}),
                                Event(2, {0xE1, 0x00, 0x40}), EndOfTrack()});
    const Bytes second = Concat({Event(0, {0xF0, 0x02, 0x01, 0xF7}), Event(0, {0xB2, 0x07, 0x64}),
                                 Event(0, {0x0A, 0x20}), Event(1, {0xD2, 0x10}), EndOfTrack()});
    Start(File(1, 480, {first, second}));
    EXPECT_EQ(FiresUntilSent(5), 1);
    EXPECT_EQ(FiresUntilSent(7), 3);
    EXPECT_EQ(headless::ShortMessages(),
              (std::vector<uint32_t>{Message(0x91, 60), Message(0x91, 62), 0x05C1, 0x6407B2,
                                     0x200AB2, 0x10D2, 0x4000E1}));
}

TEST_F(MidiPlayerTest, StartsTheSongAgainFromDiskWhenEveryTrackHasEnded) {
    Start(File(1, 480, {Concat({Note(0, kNoteOn, 60), EndOfTrack(5)}), Concat({EndOfTrack(10)})}));
    EXPECT_EQ(FiresUntilSent(1), 1);
    WriteAll(path, File(0, 480, {Concat({Note(0, kNoteOn, 64), EndOfTrack(10)})}));

    // The last track ends in period 12 (10 / 0.96 = 10.4 after the first),
    // but a song starts again at most once a second: in period 1000.
    for (int fire = 2; fire < 1000; ++fire)
        ASSERT_TRUE(headless::FireMusicTimer());
    EXPECT_EQ(headless::MusicTimersStarted(), 1u);
    EXPECT_EQ(headless::ShortMessages().size(), 1u) << "nothing sent while waiting";
    ASSERT_TRUE(headless::FireMusicTimer());
    EXPECT_EQ(headless::MusicTimersStarted(), 2u) << "a new timer for the new start";
    EXPECT_EQ(player.positionTicks, 0);
    EXPECT_EQ(player.song.trackCount, 1) << "the file was read again";
    EXPECT_EQ(headless::RaisedTimerPeriods(), 1);

    ASSERT_TRUE(headless::FireMusicTimer());
    EXPECT_EQ(player.positionTicks, 0) << "counted from the new start";
    const std::vector<headless::MidiOutCall> calls = headless::MidiOutCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].kind, headless::MidiOutCall::Reset) << "silenced between the two runs";
    EXPECT_EQ(calls[2].message, Message(kNoteOn, 64));
}

TEST_F(MidiPlayerTest, StopsAtTheEndOfTheSongWhenTheFileIsGone) {
    Start(File(0, 480, {Concat({Note(0, kNoteOn, 60), EndOfTrack(1)})}));
    std::filesystem::remove(path);
    // The song ends in period 3; the second it waits ends in period 1000.
    for (int fire = 1; fire <= 1000; ++fire)
        ASSERT_TRUE(headless::FireMusicTimer()) << fire;
    EXPECT_FALSE(headless::MusicTimerRunning());
    EXPECT_FALSE(headless::FireMusicTimer());
    EXPECT_EQ(player.timerRunning, 0);
    EXPECT_EQ(headless::RaisedTimerPeriods(), 0) << "the timer resolution is given back";
    EXPECT_NE(player.midiOut, nullptr) << "the device stays open until deactivation";
    EXPECT_EQ(headless::MidiOutCalls().back().kind, headless::MidiOutCall::Reset);
}

TEST_F(MidiPlayerTest, RefusesSongsWithoutTracksOrWithoutTimeAndSaysSo) {
    ScopedLogSwitch logOn(1);
    player.OpenPlayer(nullptr);
    const struct {
        const char* what;
        Bytes file;
    } refused[] = {
        {"format 1 without tracks", File(1, 480, {})},
        {"only the end", File(0, 480, {EndOfTrack()})},
        {"events, but all at once",
         File(1, 480, {Concat({Note(0, kNoteOn, 60), EndOfTrack()}), Concat({EndOfTrack()})})},
    };
    for (const auto& song : refused) {
        SCOPED_TRACE(song.what);
        std::filesystem::remove("log.txt");
        WriteAll(path, song.file);
        EXPECT_FALSE(player.StartSong(path.c_str()));
        EXPECT_FALSE(headless::MusicTimerRunning());
        EXPECT_EQ(headless::RaisedTimerPeriods(), 0);
        EXPECT_NE(ReadText("log.txt").find("MidiPlayer::StartSong: " + path + " refused"),
                  std::string::npos);
    }
    EXPECT_EQ(headless::MusicTimersStarted(), 0u);
}

TEST_F(MidiPlayerTest, KeepsPlayingWhenANewStartCannotLoadItsFile) {
    Start(File(0, 480, {kQuarterNote}));
    EXPECT_EQ(FiresUntilSent(1), 1);
    EXPECT_FALSE(player.StartSong(dir.File("missing.mid").c_str()));
    EXPECT_EQ(FiresUntilSent(2), 500);
    EXPECT_EQ(player.songPath, path);
}

TEST_F(MidiPlayerTest, PlaysNothingWithoutADevice) {
    headless::MidiSystem system;
    system.unopenable = {-1};
    headless::ConfigureMidi(system);
    WriteAll(path, File(0, 480, {kQuarterNote}));
    player.OpenPlayer(nullptr);
    EXPECT_EQ(player.deviceId, MidiPlayer::kNoDevice);
    EXPECT_EQ(player.midiOut, nullptr);
    EXPECT_FALSE(player.StartSong(path.c_str()));
    EXPECT_FALSE(headless::MusicTimerRunning());
    EXPECT_EQ(headless::RaisedTimerPeriods(), 0);
    player.ClosePlayer();
    EXPECT_EQ(headless::CallsOnClosedHandles(), 0u);
}

TEST_F(MidiPlayerTest, ChoosesTheFirstDeviceWithout401InItsNameElseTheMapper) {
    const struct DeviceCase {
        std::vector<std::string> names;
        int32_t chosen;
        std::vector<std::string> log;
    } cases[] = {
        {{"SB 401 Synth", "Wavetable"},
         1,
         {"Number of MIDI Devices: 2", "", "Device ID # -1: MIDI Mapper",
          "Device ID # 0: SB 401 Synth", "Device ID # 1: Wavetable", "", "Checking device 0",
          "Checking device 1", "Using device # 1"}},
        {{"MPU-401", "Port 401"},
         -1,
         {"Number of MIDI Devices: 2", "", "Device ID # -1: MIDI Mapper", "Device ID # 0: MPU-401",
          "Device ID # 1: Port 401", "", "Checking device 0", "Checking device 1",
          "Using MIDI_MAPPER device # 2"}},
    };
    for (const DeviceCase& c : cases) {
        ScopedTempDir logDir(true);
        ScopedLogSwitch on(1);
        headless::MidiSystem system;
        system.deviceNames = c.names;
        headless::ConfigureMidi(system);
        MidiPlayer chooser;
        chooser.OpenPlayer(nullptr);
        EXPECT_EQ(chooser.deviceId, c.chosen);
        ASSERT_FALSE(headless::MidiOutCalls().empty());
        EXPECT_EQ(headless::MidiOutCalls()[0].deviceId, c.chosen);
        EXPECT_EQ(LoggedMessages(), c.log);
    }
}
