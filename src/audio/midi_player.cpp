#include "audio/midi_player.h"
#include "audio/midi_codes.h"
#include "audio/midi_events.h"
#include "audio/midi_reader.h"
#include "diag/log.h"
#include "platform/music_timer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr uint32_t kSettleMilliseconds = 10;
constexpr uint32_t kDefaultTempo = 500000;

// A song with no tracks, or whose tracks hold no time at all, would end as
// soon as it starts and so restart without pause.
bool HoldsTime(const MidiSong& song) {
    for (int i = 0; i < song.trackCount; ++i) {
        if (song.tracks[i].totalTicks > 0)
            return true;
    }
    return false;
}

// Holds the music timer lock for a scope. The lock is recursive: the timer's
// own callback, which already holds it, restarts the song through the same
// operations the main thread uses.
class MusicTimerLock {
public:
    MusicTimerLock() { platform::LockMusicTimer(); }
    ~MusicTimerLock() { platform::UnlockMusicTimer(); }
    MusicTimerLock(const MusicTimerLock&) = delete;
    MusicTimerLock& operator=(const MusicTimerLock&) = delete;
};

// An event due within this many ticks of now is due now. Rates such as 0.96
// ticks per period are not exact in binary, and without this allowance an
// event due after 480 ticks would wait for a 501st period.
constexpr double kDueTolerance = 1e-6;
constexpr double kLargestTick = 2147483647.0;
// A song starts again at most once a second, however short it is.
constexpr uint64_t kShortestLoopMilliseconds = 1000;

} // namespace

MidiPlayer::~MidiPlayer() {
    ClosePlayer();
}

void MidiPlayer::OpenPlayer(HWND playerWindow) {
    MusicTimerLock lock;
    if (midiOut != nullptr)
        return;
    window = playerWindow;
    SelectDevice();
    midiOut = OpenDevice(deviceId);
    if (midiOut == nullptr)
        deviceId = kNoDevice;
}

void MidiPlayer::SelectDevice() {
    const uint32_t count = platform::MidiOutDeviceCount();
    Log("Number of MIDI Devices: %u", count);
    Log("%s", "");
    std::string name;
    for (int32_t id = platform::kMidiMapper; id < static_cast<int32_t>(count); ++id) {
        if (platform::MidiOutProductName(id, name))
            Log("Device ID # %i: %s", id, name.c_str());
    }
    Log("%s", "");
    // Devices with "401" in their name are passed over in favour of any other.
    for (int32_t id = 0; id < static_cast<int32_t>(count); ++id) {
        if (!platform::MidiOutProductName(id, name))
            continue;
        Log("Checking device %i", id);
        if (name.find("401") == std::string::npos) {
            Log("Using device # %i", id);
            deviceId = id;
            return;
        }
    }
    deviceId = platform::kMidiMapper;
    Log("Using MIDI_MAPPER device # %i", static_cast<int>(count));
}

platform::MidiOutHandle MidiPlayer::OpenDevice(int32_t id) {
    platform::MidiOutHandle device = platform::MidiOutOpen(id);
    if (device == nullptr)
        return nullptr;
    platform::MidiOutReset(device);
    for (int channel = 0; channel < midi::kChannels; ++channel) {
        platform::MidiOutShortMessage(device, midi::kProgramChange + channel);
        platform::SleepMilliseconds(kSettleMilliseconds);
    }
    return device;
}

bool MidiPlayer::StartSong(const char* path) {
    MusicTimerLock lock;
    // Without a device there is nothing to play to, and a timer left running
    // would keep the raised resolution for nothing.
    if (midiOut == nullptr)
        return false;
    MidiSong fresh = {};
    const std::string source = path != nullptr ? std::string(path) : songPath;
    if (LoadMidiFile(source.c_str(), fresh) != nullptr)
        return false;
    if (!HoldsTime(fresh)) {
        Log("MidiPlayer::StartSong: %s refused, it holds no time to play", source.c_str());
        FreeSong(fresh);
        return false;
    }
    songPath = source;
    StopTimer();
    FreeSong(song);
    song = fresh;
    speed = 1.0f;
    timerPeriod = platform::MinimumTimerPeriod();
    positionTicks = 0;
    Rewind();
    // A quieter setting is heard from the song's first note.
    volume.ForgetSong();
    if (!volume.IsFull())
        SendChannelVolumes();
    platform::BeginTimerPeriod(timerPeriod);
    timerRunning = 1;
    timerId = platform::StartMusicTimer(timerPeriod, TimerCallback, this);
    return true;
}

void MidiPlayer::Rewind() {
    position = 0;
    periodsPlayed = 0;
    song.tempo = kDefaultTempo;
    for (int i = 0; i < song.trackCount; ++i) {
        MidiTrack& track = song.tracks[i];
        track.cursor = track.data;
        track.runningStatus = 0;
        track.started = 0;
        track.ended = 0;
        track.ticksToNext = 0;
    }
}

void MidiPlayer::StopTimer() {
    MusicTimerLock lock;
    if (timerRunning == 0)
        return;
    platform::StopMusicTimer(timerId);
    platform::EndTimerPeriod(timerPeriod);
    platform::MidiOutReset(midiOut);
    platform::SleepMilliseconds(kSettleMilliseconds);
    timerRunning = 0;
}

void MidiPlayer::ClosePlayer() {
    MusicTimerLock lock;
    StopTimer();
    if (midiOut != nullptr) {
        platform::MidiOutClose(midiOut);
        midiOut = nullptr;
    }
    FreeSong(song);
    song = MidiSong{};
}

void MidiPlayer::SetMusicVolume(int32_t step, int32_t fullStep) {
    MusicTimerLock lock;
    if (volume.SetStep(step, fullStep) && midiOut != nullptr && timerRunning != 0)
        SendChannelVolumes();
}

void MidiPlayer::SendChannelVolumes() {
    for (int channel = 0; channel < midi::kChannels; ++channel)
        platform::MidiOutShortMessage(midiOut, volume.ChannelVolumeMessage(channel));
}

void MidiPlayer::SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    volume.Filter(status, data1, data2);
    platform::MidiOutShortMessage(midiOut, static_cast<uint32_t>(status) +
                                               static_cast<uint32_t>(data1) * 256 +
                                               static_cast<uint32_t>(data2) * 65536);
}

// The timer's side of the player: the event walk that runs every period.
void MidiPlayer::TimerCallback(uint32_t firedTimerId, void* player) {
    static_cast<MidiPlayer*>(player)->OnTimer(firedTimerId);
}

double MidiPlayer::ElapsedTicks() const {
    return static_cast<double>(speed) * 1000.0 * timerPeriod * song.division / song.tempo;
}

void MidiPlayer::OnTimer(uint32_t firedTimerId) {
    ++periodsPlayed;
    bool anyRunning = false;
    for (int i = 0; i < song.trackCount; ++i) {
        MidiTrack& track = song.tracks[i];
        if (track.ended == 0 && AdvanceTrack(track))
            anyRunning = true;
    }
    position += ElapsedTicks();
    positionTicks = static_cast<int32_t>(std::min(position + kDueTolerance, kLargestTick));
    // Once the song is over, the timer idles out the rest of its second.
    if (anyRunning || uint64_t{periodsPlayed} * timerPeriod < kShortestLoopMilliseconds)
        return;
    // The song is over: play it again from its start, read anew from disk.
    platform::StopMusicTimer(firedTimerId);
    // When the file cannot be read again the music ends here; give the timer
    // resolution back and silence the device.
    if (!StartSong(nullptr))
        StopTimer();
}

bool MidiPlayer::AdvanceTrack(MidiTrack& track) {
    if (track.started == 0) {
        track.started = 1;
        const int32_t delta = ReadDeltaTime(track);
        if (delta < 0) {
            track.ended = 1;
            return false;
        }
        track.ticksToNext = delta;
    } else {
        track.ticksToNext -= ElapsedTicks();
    }
    while (track.ticksToNext <= kDueTolerance) {
        if (ProcessEvent(track))
            return false;
        const int32_t delta = ReadDeltaTime(track);
        if (delta < 0) {
            track.ended = 1;
            return false;
        }
        track.ticksToNext += delta;
    }
    return true;
}

bool MidiPlayer::ProcessEvent(MidiTrack& track) {
    const MidiEvent event = ReadEvent(track);
    switch (event.kind) {
    case MidiEvent::EndOfTrack:
        track.ended = 1;
        break;
    case MidiEvent::SetTempo:
        song.tempo = event.tempo;
        break;
    case MidiEvent::ChannelMessage:
        SendShortMessage(event.status, event.data1, event.data2);
        break;
    case MidiEvent::Ignored:
        break;
    }
    return track.ended != 0;
}
