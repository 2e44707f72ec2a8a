#include "audio/music_playlist.h"
#include "platform/files.h"

#include <cstdio>
#include <string>

MidiPlayer g_midiPlayer;
MusicPlaylist g_musicPlaylist(g_midiPlayer);

namespace {

// "<current directory>\<name>" into entry.path; false, leaving the path empty,
// when the directory or the whole path does not fit.
bool FormatEntryPath(MusicEntry& entry, const char* name) {
    entry.path[0] = '\0';
    const std::string directory = platform::WorkingDirectory();
    if (directory.empty())
        return false;
    const int length =
        std::snprintf(entry.path, sizeof entry.path, "%s\\%s", directory.c_str(), name);
    if (length < 0 || static_cast<size_t>(length) >= sizeof entry.path) {
        entry.path[0] = '\0';
        return false;
    }
    return true;
}

} // namespace

void MusicPlaylist::Play(const char* songName, HWND window) {
    MusicEntry& entry = entries[currentIndex];
    entry.name = songName;
    // A path cut short would name another file; the music stays off instead.
    if (!FormatEntryPath(entry, songName))
        return;
    player.OpenPlayer(window);
    StartCurrent();
}

void MusicPlaylist::StartCurrent() {
    const MusicEntry& entry = entries[currentIndex];
    if (musicOn && active != 0 && entry.path[0] != '\0')
        player.StartSong(entry.path);
}

void MusicPlaylist::Stop() {
    player.ClosePlayer();
}

void MusicPlaylist::OnActivate(int32_t isActive, HWND window) {
    active = isActive;
    if (active == 0)
        Stop();
    else if (musicOn && started == 1 && entries[currentIndex].name != nullptr)
        Play(entries[currentIndex].name, window);
}

void MusicPlaylist::SetMusicOn(bool on, HWND window) {
    const bool wasOn = musicOn;
    musicOn = on;
    if (!on)
        Stop();
    else if (!wasOn && active != 0 && started == 1 && entries[currentIndex].name != nullptr)
        Play(entries[currentIndex].name, window);
}
