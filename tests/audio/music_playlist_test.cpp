#include "audio/midi_bytes.h"
#include "audio/music_playlist.h"
#include "platform/headless/headless_music.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace midi_bytes;
namespace fs = std::filesystem;

namespace {

const char kSong[] = "Varnolt1.mid";
constexpr uint32_t kFirstNote = 0x403C90;

size_t Count(headless::MidiOutCall::Kind kind) {
    size_t count = 0;
    for (const headless::MidiOutCall& call : headless::MidiOutCalls())
        count += call.kind == kind;
    return count;
}

// The playlist over a player of its own, in a start folder holding the song.
class MusicPlaylistTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::ConfigureMidi(headless::OneDevice("Synth"));
        WriteAll(kSong, File(0, 480,
                             {Concat({Event(0, {0x90, 0x3C, 0x40}), Event(480, {0x80, 0x3C, 0x40}),
                                      EndOfTrack(480)})}));
    }

    // Starts the song as the game does and plays a few periods of it.
    void StartAndPlayAWhile() {
        playlist.OnActivate(1, nullptr);
        playlist.Play(kSong, nullptr);
        playlist.started = 1;
        for (int fire = 0; fire < 10; ++fire)
            ASSERT_TRUE(headless::FireMusicTimer());
        ASSERT_GT(player.positionTicks, 0);
        ASSERT_EQ(headless::ShortMessages().back(), kFirstNote);
    }

    ScopedTempDir dir{true};
    MidiPlayer player;
    MusicPlaylist playlist{player};
};

} // namespace

TEST_F(MusicPlaylistTest, PlaysTheSongFromTheCurrentDirectoryOnceActive) {
    playlist.OnActivate(1, nullptr);
    EXPECT_EQ(Count(headless::MidiOutCall::Open), 0u) << "not started yet";
    playlist.Play(kSong, nullptr);
    playlist.started = 1;
    EXPECT_EQ(std::string(playlist.entries[0].path), fs::current_path().string() + "\\" + kSong);
    ASSERT_TRUE(headless::MusicTimerRunning());
    headless::ClearMidiOutCalls();
    ASSERT_TRUE(headless::FireMusicTimer());
    EXPECT_EQ(headless::ShortMessages(), std::vector<uint32_t>{kFirstNote});
}

TEST_F(MusicPlaylistTest, OpensButWaitsWhileInactive) {
    playlist.Play(kSong, nullptr);
    EXPECT_NE(player.midiOut, nullptr);
    EXPECT_FALSE(headless::MusicTimerRunning());
}

TEST_F(MusicPlaylistTest, DeactivationClosesAndActivationStartsFromTheBeginning) {
    StartAndPlayAWhile();

    playlist.OnActivate(0, nullptr);
    EXPECT_EQ(player.midiOut, nullptr);
    EXPECT_FALSE(headless::MusicTimerRunning());
    EXPECT_EQ(headless::RaisedTimerPeriods(), 0);
    const std::vector<headless::MidiOutCall> calls = headless::MidiOutCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].kind, headless::MidiOutCall::Reset) << "silenced, then";
    EXPECT_EQ(calls.back().kind, headless::MidiOutCall::Close);
    EXPECT_EQ(headless::OpenHandles(), 0u);

    headless::ClearMidiOutCalls();
    playlist.OnActivate(1, nullptr);
    EXPECT_EQ(Count(headless::MidiOutCall::Open), 1u) << "the device is chosen and opened anew";
    EXPECT_EQ(player.positionTicks, 0);
    headless::ClearMidiOutCalls();
    ASSERT_TRUE(headless::FireMusicTimer());
    EXPECT_EQ(headless::ShortMessages(), std::vector<uint32_t>{kFirstNote});
    EXPECT_EQ(headless::CallsOnClosedHandles(), 0u);
}

TEST_F(MusicPlaylistTest, ActivationWhilePlayingStartsAgainOnTheOpenDevice) {
    StartAndPlayAWhile();
    headless::ClearMidiOutCalls();

    playlist.OnActivate(1, nullptr);
    EXPECT_EQ(Count(headless::MidiOutCall::Open), 0u);
    EXPECT_EQ(player.positionTicks, 0);
    ASSERT_TRUE(headless::FireMusicTimer());
    EXPECT_EQ(headless::ShortMessages(), std::vector<uint32_t>{kFirstNote});
    EXPECT_EQ(headless::RaisedTimerPeriods(), 1);
}

TEST_F(MusicPlaylistTest, StaysSilentWhenThePathDoesNotFit) {
    // The path holds 259 characters and a terminator: the current directory,
    // a backslash and the 12 characters of the song's name.
    const size_t nameLength = std::string(kSong).size();
    const size_t longest = 259 - 1 - nameLength;
    const fs::path start = fs::current_path();
    ASSERT_LT(start.string().size() + 2, longest);
    struct Case {
        fs::path folder;
        bool plays;
    } cases[] = {
        {start / std::string(longest - start.string().size() - 1, 'a'), true},
        {start / std::string(longest - start.string().size(), 'b'), false},
        {start / std::string(200, 'c') / std::string(200, 'd'), false},
    };
    for (const Case& c : cases) {
        fs::create_directories(c.folder);
        fs::copy_file(start / kSong, c.folder / kSong);
        fs::current_path(c.folder);
        MidiPlayer local;
        MusicPlaylist localList(local);
        localList.OnActivate(1, nullptr);
        localList.Play(kSong, nullptr);
        EXPECT_EQ(headless::MusicTimerRunning(), c.plays) << c.folder.string().size();
        EXPECT_EQ(localList.entries[0].path[0] != '\0', c.plays);
        local.ClosePlayer();
        fs::current_path(start);
    }
}

TEST_F(MusicPlaylistTest, TheSoundSwitchStopsTheSongAndStartsItAgainFromTheBeginning) {
    StartAndPlayAWhile();

    playlist.SetMusicOn(false, nullptr);
    EXPECT_FALSE(headless::MusicTimerRunning());
    EXPECT_EQ(player.midiOut, nullptr);
    // Switching away and back does not bring it back while it is off.
    playlist.OnActivate(0, nullptr);
    playlist.OnActivate(1, nullptr);
    EXPECT_FALSE(headless::MusicTimerRunning());

    playlist.SetMusicOn(true, nullptr);
    ASSERT_TRUE(headless::MusicTimerRunning());
    EXPECT_EQ(player.positionTicks, 0);
    ASSERT_TRUE(headless::FireMusicTimer());
    EXPECT_EQ(headless::ShortMessages().back(), kFirstNote);
    EXPECT_EQ(headless::CallsOnClosedHandles(), 0u);
}

TEST_F(MusicPlaylistTest, WithTheMusicSwitchedOffBeforeStartUpNothingPlays) {
    playlist.SetMusicOn(false, nullptr);
    playlist.OnActivate(1, nullptr);
    playlist.Play(kSong, nullptr);
    playlist.started = 1;
    EXPECT_FALSE(headless::MusicTimerRunning());
    playlist.SetMusicOn(true, nullptr);
    EXPECT_TRUE(headless::MusicTimerRunning());
}
