// Plays a loaded song through the system's MIDI output, driven by a periodic
// multimedia timer whose callback runs on a thread of its own. The callback
// and the main thread share the player; they take turns under the platform's
// music timer lock, which the timer holds around every callback. Stopping the
// timer under that lock is what guarantees that no callback runs on a song
// once it is released.
#pragma once

#include "audio/midi_song.h"
#include "platform/midi_out.h"
#include "platform/win_types.h"

#include <cstdint>
#include <string>

class MidiPlayer {
public:
    // deviceId when opening failed.
    static constexpr int32_t kNoDevice = -2;

    MidiPlayer() = default;
    // Stops the music and closes the device.
    ~MidiPlayer();

    // Main thread. Chooses and opens an output device unless one is open.
    void OpenPlayer(HWND window);
    // Main thread. Picks deviceId: the first device whose name lacks "401",
    // else the MIDI mapper. Logs what it finds.
    void SelectDevice();
    // Opens device id, resets it and sets every channel to program 0. Null
    // when it cannot be opened.
    platform::MidiOutHandle OpenDevice(int32_t id);
    // Loads path (or, with null, the song in play again) and plays it from
    // its start; true when it started. A file that cannot be loaded, or a
    // song with no tracks or no time in them (refused, with a log line),
    // leaves the music as it was. Also called by the timer's thread at the
    // end of the song.
    bool StartSong(const char* path);
    // Stops the timer, gives the timer resolution back and silences the device.
    void StopTimer();
    // Stops the music, closes the device and releases the song.
    void ClosePlayer();
    void SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2);

    // Timer thread, every timerPeriod milliseconds: sends what is due.
    void OnTimer(uint32_t firedTimerId);
    // Acts on the event at the track's cursor; true when the track has ended.
    bool ProcessEvent(MidiTrack& track);

    MidiSong song = {};
    HWND window = nullptr;
    platform::MidiOutHandle midiOut = nullptr;
    uint32_t timerPeriod = 0; // milliseconds
    int32_t timerRunning = 0; // the timer and the raised resolution are in force
    uint32_t timerId = 0;
    double position = 0; // song position in ticks, as precise as ticksToNext
    float speed = 1.0f;  // tempo factor
    int32_t positionTicks = 0;
    uint32_t periodsPlayed = 0; // timer periods since the song last started
    int32_t deviceId = 0;
    std::string songPath; // the song in play, loaded again at its end

    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

private:
    static void TimerCallback(uint32_t firedTimerId, void* player);
    // Song ticks per timer period at the tempo in force now.
    double ElapsedTicks() const;
    void Rewind();
    // Walks one track through this period; false once it has ended.
    bool AdvanceTrack(MidiTrack& track);
};
