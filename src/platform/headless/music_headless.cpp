// The music half of the headless platform: a recording MIDI system and a
// music timer that tests fire themselves.
#include "platform/headless/headless_music.h"
#include "platform/midi_out.h"
#include "platform/music_timer.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace {

struct HandleState {
    int32_t deviceId;
    bool open;
};

struct MidiState {
    std::mutex lock;
    headless::MidiSystem system;
    std::map<uintptr_t, HandleState> handles;
    uintptr_t nextHandle = 0x1000;
    std::vector<headless::MidiOutCall> calls;
    size_t shortCount = 0;
    size_t callsOnClosedHandles = 0;
    int raisedPeriods = 0;
    uint32_t slept = 0;
};

struct TimerSlot {
    uint32_t id = 0;
    uint32_t period = 0;
    platform::MusicTimerCallback callback = nullptr;
    void* user = nullptr;
};

// Never destroyed: a static player may still stop its timer while the
// process's static objects are being torn down.
MidiState& Midi() {
    static MidiState* state = new MidiState;
    return *state;
}

std::recursive_mutex& TimerLock() {
    static std::recursive_mutex* lock = new std::recursive_mutex;
    return *lock;
}

// Guarded by TimerLock().
TimerSlot g_timer;
uint32_t g_nextTimerId = 1;
size_t g_timersStarted = 0;

// Records a call on handle; false (and counted) when the handle is not open.
bool Record(platform::MidiOutHandle device, headless::MidiOutCall::Kind kind, uint32_t message) {
    MidiState& midi = Midi();
    std::lock_guard<std::mutex> guard(midi.lock);
    const auto found = midi.handles.find(reinterpret_cast<uintptr_t>(device));
    if (found == midi.handles.end() || !found->second.open) {
        ++midi.callsOnClosedHandles;
        return false;
    }
    midi.calls.push_back({kind, found->second.deviceId, message});
    if (kind == headless::MidiOutCall::Short)
        ++midi.shortCount;
    return true;
}

} // namespace

namespace headless {

void ConfigureMidi(const MidiSystem& system) {
    {
        std::lock_guard<std::recursive_mutex> timer(TimerLock());
        g_timer = TimerSlot();
        g_timersStarted = 0;
    }
    MidiState& midi = Midi();
    std::lock_guard<std::mutex> guard(midi.lock);
    midi.system = system;
    midi.handles.clear();
    midi.calls.clear();
    midi.shortCount = 0;
    midi.callsOnClosedHandles = 0;
    midi.raisedPeriods = 0;
    midi.slept = 0;
}

std::vector<MidiOutCall> MidiOutCalls() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return Midi().calls;
}

std::vector<uint32_t> ShortMessages() {
    std::vector<uint32_t> messages;
    for (const MidiOutCall& call : MidiOutCalls()) {
        if (call.kind == MidiOutCall::Short)
            messages.push_back(call.message);
    }
    return messages;
}

size_t ShortMessageCount() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return Midi().shortCount;
}

void ClearMidiOutCalls() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    Midi().calls.clear();
}

size_t CallsOnClosedHandles() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return Midi().callsOnClosedHandles;
}

size_t OpenHandles() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return static_cast<size_t>(std::count_if(Midi().handles.begin(), Midi().handles.end(),
                                             [](const auto& entry) { return entry.second.open; }));
}

bool FireMusicTimer() {
    std::lock_guard<std::recursive_mutex> timer(TimerLock());
    const TimerSlot slot = g_timer;
    if (slot.callback == nullptr)
        return false;
    slot.callback(slot.id, slot.user);
    return true;
}

bool MusicTimerRunning() {
    std::lock_guard<std::recursive_mutex> timer(TimerLock());
    return g_timer.callback != nullptr;
}

uint32_t MusicTimerPeriod() {
    std::lock_guard<std::recursive_mutex> timer(TimerLock());
    return g_timer.period;
}

size_t MusicTimersStarted() {
    std::lock_guard<std::recursive_mutex> timer(TimerLock());
    return g_timersStarted;
}

int RaisedTimerPeriods() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return Midi().raisedPeriods;
}

uint32_t SleptMilliseconds() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return Midi().slept;
}

MusicTimerThread::MusicTimerThread()
    : worker([this] {
          while (!stop.load()) {
              if (FireMusicTimer())
                  ++fired;
              std::this_thread::yield();
          }
      }) {}

MusicTimerThread::~MusicTimerThread() {
    stop = true;
    worker.join();
}

uint64_t MusicTimerThread::Fired() const {
    return fired.load();
}

} // namespace headless

namespace platform {

uint32_t MidiOutDeviceCount() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return static_cast<uint32_t>(Midi().system.deviceNames.size());
}

bool MidiOutProductName(int32_t deviceId, std::string& name) {
    std::lock_guard<std::mutex> guard(Midi().lock);
    const headless::MidiSystem& system = Midi().system;
    if (deviceId == kMidiMapper) {
        name = system.mapperName;
        return !name.empty();
    }
    if (deviceId < 0 || static_cast<size_t>(deviceId) >= system.deviceNames.size())
        return false;
    name = system.deviceNames[static_cast<size_t>(deviceId)];
    return true;
}

MidiOutHandle MidiOutOpen(int32_t deviceId) {
    MidiState& midi = Midi();
    std::lock_guard<std::mutex> guard(midi.lock);
    const std::vector<int32_t>& unopenable = midi.system.unopenable;
    const bool exists =
        deviceId == kMidiMapper ||
        (deviceId >= 0 && static_cast<size_t>(deviceId) < midi.system.deviceNames.size());
    if (!exists || std::find(unopenable.begin(), unopenable.end(), deviceId) != unopenable.end())
        return nullptr;
    const uintptr_t handle = midi.nextHandle++;
    midi.handles[handle] = {deviceId, true};
    midi.calls.push_back({headless::MidiOutCall::Open, deviceId, 0});
    return reinterpret_cast<MidiOutHandle>(handle);
}

void MidiOutReset(MidiOutHandle device) {
    Record(device, headless::MidiOutCall::Reset, 0);
}

void MidiOutShortMessage(MidiOutHandle device, uint32_t message) {
    Record(device, headless::MidiOutCall::Short, message);
}

void MidiOutClose(MidiOutHandle device) {
    if (!Record(device, headless::MidiOutCall::Close, 0))
        return;
    std::lock_guard<std::mutex> guard(Midi().lock);
    Midi().handles[reinterpret_cast<uintptr_t>(device)].open = false;
}

uint32_t MinimumTimerPeriod() {
    std::lock_guard<std::mutex> guard(Midi().lock);
    return Midi().system.minimumTimerPeriod;
}

void BeginTimerPeriod(uint32_t) {
    std::lock_guard<std::mutex> guard(Midi().lock);
    ++Midi().raisedPeriods;
}

void EndTimerPeriod(uint32_t) {
    std::lock_guard<std::mutex> guard(Midi().lock);
    --Midi().raisedPeriods;
}

uint32_t StartMusicTimer(uint32_t periodMilliseconds, MusicTimerCallback callback, void* user) {
    std::lock_guard<std::recursive_mutex> timer(TimerLock());
    g_timer = {g_nextTimerId++, periodMilliseconds, callback, user};
    ++g_timersStarted;
    return g_timer.id;
}

void StopMusicTimer(uint32_t timerId) {
    std::lock_guard<std::recursive_mutex> timer(TimerLock());
    if (g_timer.id == timerId)
        g_timer = TimerSlot();
}

void LockMusicTimer() {
    TimerLock().lock();
}
void UnlockMusicTimer() {
    TimerLock().unlock();
}

// Tests drive time themselves; a real sleep would only slow them down. The
// yield still lets a racing thread in where the real sleep would.
void SleepMilliseconds(uint32_t milliseconds) {
    {
        std::lock_guard<std::mutex> guard(Midi().lock);
        Midi().slept += milliseconds;
    }
    std::this_thread::yield();
}

} // namespace platform
