// Arbitrary bytes as the music file: read from memory by LoadMidiBytes, then
// played for a while by the sequencer on the headless MIDI system (end-of-song
// restarts included). The player loads its song by path, as it must to load
// it again at the song's end; it is given an anonymous in-memory file, so
// nothing reaches a disk. The same bytes are also walked as a track that no
// check pass has seen, as the player would walk them.
#include "audio/midi_events.h"
#include "audio/midi_player.h"
#include "audio/midi_reader.h"
#include "platform/headless/headless_music.h"

#include <cstring>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr int kPeriods = 64;

// One in-memory file per process, reached through its /proc path.
class MemoryFile {
public:
    MemoryFile() : fd(memfd_create("song.mid", 0)), path("/proc/self/fd/" + std::to_string(fd)) {}
    void Replace(const uint8_t* data, size_t size) {
        if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
            abort();
    }
    const char* Path() const { return path.c_str(); }

private:
    int fd;
    std::string path;
};

void WalkRawTrack(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size + 1]);
    std::memcpy(copy.get(), data, size);
    MidiTrack track = {};
    track.data = copy.get();
    track.length = static_cast<uint32_t>(size);
    track.cursor = track.data;
    while (ReadDeltaTime(track) >= 0 && ReadEvent(track).kind != MidiEvent::EndOfTrack) {
        if (track.cursor > track.End())
            abort();
    }
}

MidiPlayer& Player() {
    static MidiPlayer* player = [] {
        headless::MidiSystem system;
        system.deviceNames = {"Synth"};
        headless::ConfigureMidi(system);
        auto* opened = new MidiPlayer;
        opened->OpenPlayer(nullptr);
        return opened;
    }();
    return *player;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static MemoryFile file;
    file.Replace(data, size);

    MidiSong song = {};
    const bool loaded = LoadMidiBytes(data, size, song) == nullptr;
    if (loaded)
        FreeSong(song);

    MidiPlayer& player = Player();
    // The player plays only songs the reader accepts (and refuses some of
    // those for holding no time).
    if (player.StartSong(file.Path())) {
        if (!loaded)
            __builtin_trap();
        for (int period = 0; period < kPeriods && headless::FireMusicTimer(); ++period) {
        }
        player.StopTimer();
    }
    headless::ClearMidiOutCalls();

    WalkRawTrack(data, size);
    return 0;
}
