// Test-side controls of the headless music platform: a MIDI system that
// records every call made to it, and a music timer that fires only when a test
// says so (by hand, or from a real thread of its own for race tests).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace headless {

// What the system offers. Configuring it forgets every recorded call and any
// running music timer.
struct MidiSystem {
    std::vector<std::string> deviceNames;
    // The mapper's product name; empty when its capabilities cannot be read.
    std::string mapperName = "MIDI Mapper";
    // Device ids (the mapper is -1) whose opening fails.
    std::vector<int32_t> unopenable;
    uint32_t minimumTimerPeriod = 1;
};
void ConfigureMidi(const MidiSystem& system);
// A system of one plain device of that name.
inline MidiSystem OneDevice(const std::string& name) {
    MidiSystem system;
    system.deviceNames = {name};
    return system;
}

struct MidiOutCall {
    enum Kind { Open, Reset, Short, Close };
    Kind kind;
    int32_t deviceId; // the device the handle was opened on
    uint32_t message; // Short only
};
// The calls made on open handles, in order; opens that failed are not listed.
std::vector<MidiOutCall> MidiOutCalls();
// Only the short messages of MidiOutCalls().
std::vector<uint32_t> ShortMessages();
size_t ShortMessageCount();
void ClearMidiOutCalls();
// Calls made with a handle that was not open (closed, never opened or null).
// A correct player never makes one.
size_t CallsOnClosedHandles();
size_t OpenHandles();

// Runs the running music timer's callback once on the calling thread, as the
// timer's own thread would. False when no music timer runs.
bool FireMusicTimer();
bool MusicTimerRunning();
uint32_t MusicTimerPeriod();
size_t MusicTimersStarted();
// BeginTimerPeriod calls not yet matched by EndTimerPeriod.
int RaisedTimerPeriods();
uint32_t SleptMilliseconds();

// Fires the music timer from a thread of its own, as fast as it can, until
// the object goes away; for tests of the races between the timer and the
// main thread.
class MusicTimerThread {
public:
    MusicTimerThread();
    ~MusicTimerThread();
    // Callbacks run so far.
    uint64_t Fired() const;

    MusicTimerThread(const MusicTimerThread&) = delete;
    MusicTimerThread& operator=(const MusicTimerThread&) = delete;

private:
    std::atomic<bool> stop{false};
    std::atomic<uint64_t> fired{0};
    std::thread worker;
};

} // namespace headless
