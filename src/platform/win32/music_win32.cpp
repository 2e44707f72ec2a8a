// The music half of the Win32 platform: WINMM's MIDI output and multimedia
// timer.
#include "platform/midi_out.h"
#include "platform/music_timer.h"
#include "platform/win_types.h"

#include <mmsystem.h>

namespace {

// The music timer lock. WINMM may still deliver a callback of a timer that
// timeKillEvent has just stopped; every callback therefore passes through
// TimerThunk, which runs the player's callback only while holding this lock
// and only for the timer that is current. Never destroyed: the static player
// stops its timer while static objects are torn down.
CRITICAL_SECTION& TimerLock() {
    static CRITICAL_SECTION* lock = [] {
        auto* section = new CRITICAL_SECTION;
        InitializeCriticalSection(section);
        return section;
    }();
    return *lock;
}

class TimerLockGuard {
public:
    TimerLockGuard() { EnterCriticalSection(&TimerLock()); }
    ~TimerLockGuard() { LeaveCriticalSection(&TimerLock()); }
    TimerLockGuard(const TimerLockGuard&) = delete;
    TimerLockGuard& operator=(const TimerLockGuard&) = delete;
};

// Guarded by TimerLock().
struct TimerSlot {
    UINT id = 0;
    platform::MusicTimerCallback callback = nullptr;
    void* user = nullptr;
} g_timer;

void CALLBACK TimerThunk(UINT timerId, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
    TimerLockGuard guard;
    if (g_timer.callback != nullptr && g_timer.id == timerId)
        g_timer.callback(timerId, g_timer.user);
}

HMIDIOUT ToMidiOut(platform::MidiOutHandle device) {
    return reinterpret_cast<HMIDIOUT>(device);
}

} // namespace

namespace platform {

uint32_t MidiOutDeviceCount() {
    return midiOutGetNumDevs();
}

bool MidiOutProductName(int32_t deviceId, std::string& name) {
    MIDIOUTCAPSA caps = {};
    if (midiOutGetDevCapsA(static_cast<UINT_PTR>(static_cast<UINT>(deviceId)), &caps,
                           sizeof caps) != MMSYSERR_NOERROR)
        return false;
    name.assign(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname));
    return true;
}

MidiOutHandle MidiOutOpen(int32_t deviceId) {
    HMIDIOUT device = nullptr;
    if (midiOutOpen(&device, static_cast<UINT>(deviceId), 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
        return nullptr;
    return reinterpret_cast<MidiOutHandle>(device);
}

void MidiOutReset(MidiOutHandle device) {
    midiOutReset(ToMidiOut(device));
}

void MidiOutShortMessage(MidiOutHandle device, uint32_t message) {
    midiOutShortMsg(ToMidiOut(device), message);
}

void MidiOutClose(MidiOutHandle device) {
    midiOutClose(ToMidiOut(device));
}

uint32_t MinimumTimerPeriod() {
    TIMECAPS caps = {};
    if (timeGetDevCaps(&caps, sizeof caps) != TIMERR_NOERROR || caps.wPeriodMin == 0)
        return 1;
    return caps.wPeriodMin;
}

void BeginTimerPeriod(uint32_t milliseconds) {
    timeBeginPeriod(milliseconds);
}
void EndTimerPeriod(uint32_t milliseconds) {
    timeEndPeriod(milliseconds);
}

uint32_t StartMusicTimer(uint32_t periodMilliseconds, MusicTimerCallback callback, void* user) {
    TimerLockGuard guard;
    if (g_timer.id != 0)
        StopMusicTimer(g_timer.id);
    // The lock is held, so a first callback that comes before timeSetEvent
    // returns waits until the slot names its timer.
    const UINT id =
        timeSetEvent(periodMilliseconds, 0, TimerThunk, 0, TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    if (id != 0)
        g_timer = {id, callback, user};
    return id;
}

void StopMusicTimer(uint32_t timerId) {
    TimerLockGuard guard;
    if (timerId == 0 || g_timer.id != timerId)
        return;
    timeKillEvent(timerId);
    g_timer = TimerSlot();
}

void LockMusicTimer() {
    EnterCriticalSection(&TimerLock());
}
void UnlockMusicTimer() {
    LeaveCriticalSection(&TimerLock());
}

void SleepMilliseconds(uint32_t milliseconds) {
    Sleep(milliseconds);
}

} // namespace platform
