// The music's volume in what the sequencer sends, on the headless MIDI
// device: at full the song goes out as written; quieter, every channel's
// volume (controller 7) is scaled, from the song's start, in the song's own
// volume changes and at once when the setting changes.
#include "audio/midi_bytes.h"
#include "audio/midi_player.h"
#include "platform/headless/headless_music.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace midi_bytes;

namespace {

constexpr uint32_t ChannelVolume(uint32_t channel, uint32_t value) {
    return 0xB0 + channel + (7u << 8) + (value << 16);
}

// A note on channel 0, the song's own volume of 120 on channel 2, and a
// modulation wheel (controller 1) that must pass untouched.
const Bytes kSong = Concat({Event(0, {0x90, 60, 0x40}), Event(0, {0xB2, 7, 120}),
                            Event(0, {0xB0, 1, 90}), Event(10, {0x80, 60, 0x40}), EndOfTrack(10)});

class MusicVolumeTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::ConfigureMidi(headless::OneDevice("Synth"));
        WriteAll(path, File(0, 480, {kSong}));
        player.OpenPlayer(nullptr);
        ASSERT_NE(player.midiOut, nullptr);
        headless::ClearMidiOutCalls();
    }

    // Starts the song and fires the timer until its first three events
    // are out; returns every short message sent.
    std::vector<uint32_t> PlayOpening() {
        EXPECT_TRUE(player.StartSong(path.c_str()));
        const size_t before = headless::ShortMessages().size();
        for (int i = 0; i < 50 && headless::ShortMessages().size() < before + 3; ++i)
            headless::FireMusicTimer();
        return headless::ShortMessages();
    }

    ScopedTempDir dir{true};
    const std::string path = dir.File("song.mid");
    MidiPlayer player;
};

} // namespace

TEST_F(MusicVolumeTest, AtFullTheSongGoesOutAsWritten) {
    player.SetMusicVolume(4, 4);
    const std::vector<uint32_t> sent = PlayOpening();
    const std::vector<uint32_t> written = {0x90 + (60u << 8) + (0x40u << 16), ChannelVolume(2, 120),
                                           0xB0 + (1u << 8) + (90u << 16)};
    EXPECT_EQ(sent, written);
}

TEST_F(MusicVolumeTest, QuieterScalesEveryChannelFromTheStartAndTheSongsOwnVolumes) {
    player.SetMusicVolume(2, 4);
    const std::vector<uint32_t> sent = PlayOpening();
    ASSERT_EQ(sent.size(), 16u + 3u);
    // Before the first note: each channel at half the synthesiser's 100.
    for (uint32_t channel = 0; channel < 16; ++channel)
        EXPECT_EQ(sent[channel], ChannelVolume(channel, 50)) << channel;
    EXPECT_EQ(sent[16], 0x90 + (60u << 8) + (0x40u << 16)) << "notes pass unchanged";
    EXPECT_EQ(sent[17], ChannelVolume(2, 60)) << "the song's own 120, halved";
    EXPECT_EQ(sent[18], 0xB0 + (1u << 8) + (90u << 16)) << "other controllers pass unchanged";
}

TEST_F(MusicVolumeTest, AChangeIsHeardAtOnceFromTheSongsLatestVolumes) {
    PlayOpening();
    headless::ClearMidiOutCalls();
    player.SetMusicVolume(1, 4);
    std::vector<uint32_t> sent = headless::ShortMessages();
    ASSERT_EQ(sent.size(), 16u);
    EXPECT_EQ(sent[0], ChannelVolume(0, 25));
    EXPECT_EQ(sent[2], ChannelVolume(2, 30)) << "a quarter of the song's 120";

    headless::ClearMidiOutCalls();
    player.SetMusicVolume(0, 4);
    sent = headless::ShortMessages();
    ASSERT_EQ(sent.size(), 16u);
    EXPECT_EQ(sent[2], ChannelVolume(2, 0)) << "silent";

    headless::ClearMidiOutCalls();
    player.SetMusicVolume(0, 4);
    EXPECT_TRUE(headless::ShortMessages().empty()) << "no change, nothing sent";
    player.SetMusicVolume(4, 4);
    sent = headless::ShortMessages();
    ASSERT_EQ(sent.size(), 16u);
    EXPECT_EQ(sent[2], ChannelVolume(2, 120)) << "back to full: the song's own volume";
    EXPECT_EQ(sent[5], ChannelVolume(5, 100));
}

TEST_F(MusicVolumeTest, NothingIsSentWhileNoMusicPlays) {
    player.SetMusicVolume(2, 4);
    EXPECT_TRUE(headless::ShortMessages().empty());
    player.ClosePlayer();
    player.SetMusicVolume(3, 4);
    EXPECT_EQ(headless::CallsOnClosedHandles(), 0u);
}
