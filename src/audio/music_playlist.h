// The background music as the game sees it: one song, played from the start
// folder while the application is active.
#pragma once

#include "audio/midi_player.h"
#include "platform/win_types.h"

#include <cstdint>

class MusicEntry {
public:
    virtual ~MusicEntry() = default;

    static constexpr size_t kPathSize = 260;
    char path[kPathSize] = {}; // the full path; empty when it did not fit
    const char* name = nullptr;
};

class MusicPlaylist {
public:
    explicit MusicPlaylist(MidiPlayer& player) : player(player) {}

    // Main thread, at start-up and on every activation: the song name is
    // taken from the current directory; the device is opened and, while the
    // application is active, the song starts from its beginning.
    void Play(const char* songName, HWND window);
    void StartCurrent();
    void Stop();
    // The window procedure's activation notice: stops the music on
    // deactivation, starts it again from the beginning on activation once it
    // has been started at start-up.
    void OnActivate(int32_t isActive, HWND window);
    // The sound switch's half for the music: off stops the song at once and
    // keeps it from starting on activation; on starts it again from the
    // beginning once it has been started at start-up.
    void SetMusicOn(bool on, HWND window);

    int32_t currentIndex = 0;
    MusicEntry entries[1];
    int32_t active = 0;
    int32_t started = 0; // set by the entry once it has called Play

    MusicPlaylist(const MusicPlaylist&) = delete;
    MusicPlaylist& operator=(const MusicPlaylist&) = delete;

private:
    MidiPlayer& player;
    bool musicOn = true;
};

// The process-wide music player and playlist.
extern MidiPlayer g_midiPlayer;
extern MusicPlaylist g_musicPlaylist;
