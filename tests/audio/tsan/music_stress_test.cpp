// The music timer's thread against the main thread: starts, stops and
// activation notices race songs that end every other period and load
// themselves again from disk inside the timer callback. Built into the
// ThreadSanitizer program, and with fewer rounds into the ASan unit tests.
#include "audio/midi_bytes.h"
#include "audio/music_playlist.h"
#include "platform/headless/headless_music.h"
#include "support/temp_dir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <thread>

#ifndef VARNOLT_STRESS_ROUNDS
#define VARNOLT_STRESS_ROUNDS 300
#endif

using namespace midi_bytes;

namespace {

const char kSong[] = "Varnolt1.mid";

// A song over in two periods: every other period the callback restarts it.
Bytes ShortSong(uint8_t key) {
    return File(1, 480,
                {Concat({Event(0, {0x90, key, 0x40}), Event(1, {0x80, key, 0x40}), EndOfTrack()}),
                 Concat({Event(0, {0xC1, key}), EndOfTrack()})});
}

// Lets the timer's thread run a few periods, or gives up when none runs.
void LetTheTimerRun(const headless::MusicTimerThread& timer, uint64_t periods) {
    const uint64_t target = timer.Fired() + periods;
    for (int spin = 0; spin < 20000 && timer.Fired() < target; ++spin) {
        if (!headless::MusicTimerRunning())
            return;
        std::this_thread::yield();
    }
}

// Right after the player has been closed: nothing more may be sent, however
// long the timer's thread keeps trying.
void ExpectSilence(const headless::MusicTimerThread& timer) {
    // A callback that was already running has finished: closing waited for it.
    ASSERT_FALSE(headless::MusicTimerRunning());
    const size_t sent = headless::ShortMessageCount();
    const uint64_t fired = timer.Fired();
    for (int spin = 0; spin < 200 && timer.Fired() < fired + 2; ++spin)
        std::this_thread::yield();
    EXPECT_EQ(headless::ShortMessageCount(), sent);
}

} // namespace

TEST(MusicStress, StartsStopsAndActivationsRaceEndOfSongRestarts) {
    headless::MidiSystem system;
    system.deviceNames = {"Synth"};
    // Half-second periods: a song over in two of them lasts the second the
    // player waits before it starts a song again.
    system.minimumTimerPeriod = 500;
    headless::ConfigureMidi(system);
    ScopedTempDir dir(true);
    WriteAll(kSong, ShortSong(60));

    MidiPlayer player;
    MusicPlaylist playlist(player);
    headless::MusicTimerThread timer;
    playlist.OnActivate(1, nullptr);
    playlist.Play(kSong, nullptr);
    playlist.started = 1;

    std::mt19937 random(20240607);
    for (int round = 0; round < VARNOLT_STRESS_ROUNDS; ++round) {
        switch (random() % 8) {
        case 0:
            playlist.OnActivate(0, nullptr);
            ExpectSilence(timer);
            break;
        case 1:
            playlist.Stop();
            ExpectSilence(timer);
            break;
        case 2:
            playlist.Play(kSong, nullptr);
            break;
        case 3:
            // The callback may be reading the file at this moment.
            WriteAll(kSong, ShortSong(static_cast<uint8_t>(48 + random() % 24)));
            break;
        case 4:
            std::filesystem::remove(kSong);
            break;
        default:
            if (!std::filesystem::exists(kSong))
                WriteAll(kSong, ShortSong(60));
            playlist.OnActivate(1, nullptr);
            break;
        }
        LetTheTimerRun(timer, 1 + random() % 6);
        headless::ClearMidiOutCalls();
    }

    playlist.Stop();
    ExpectSilence(timer);
    EXPECT_EQ(headless::CallsOnClosedHandles(), 0u);
    EXPECT_EQ(headless::OpenHandles(), 0u);
    EXPECT_EQ(headless::RaisedTimerPeriods(), 0);
    // Most timers were started by the callback itself, at the end of a song.
    EXPECT_GT(headless::MusicTimersStarted(), static_cast<size_t>(VARNOLT_STRESS_ROUNDS / 2));
}
