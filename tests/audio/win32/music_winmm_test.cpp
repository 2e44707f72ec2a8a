// The music's Windows half: WINMM's timer behind the platform seam, and the
// window procedure passing activation on to the music.
#include "app/app_globals.h"
#include "app/main_window.h"
#include "app/window_proc.h"
#include "audio/music_playlist.h"
#include "platform/music_timer.h"
#include "support/temp_dir.h"

#include <atomic>
#include <gtest/gtest.h>

namespace {

std::atomic<int> g_calls{0};
std::atomic<uint32_t> g_secondTimer{0};

void CountingCallback(uint32_t, void*) {
    ++g_calls;
}

// Waits up to two seconds for the counter to reach count.
bool WaitForCalls(const std::atomic<int>& counter, int count) {
    for (int waited = 0; waited < 2000 && counter.load() < count; waited += 5)
        Sleep(5);
    return counter.load() >= count;
}

// On its third call stops its own timer and starts another, as the player
// does at the end of a song.
void RestartingCallback(uint32_t timerId, void*) {
    if (++g_calls == 3) {
        platform::StopMusicTimer(timerId);
        g_secondTimer = platform::StartMusicTimer(1, CountingCallback, nullptr);
    }
}

} // namespace

TEST(MusicTimerWinmm, RunsPeriodicallyAndNeverAfterItIsStopped) {
    g_calls = 0;
    const uint32_t timer = platform::StartMusicTimer(1, CountingCallback, nullptr);
    ASSERT_NE(timer, 0u);
    ASSERT_TRUE(WaitForCalls(g_calls, 5));

    platform::LockMusicTimer();
    const int whileLocked = g_calls.load();
    Sleep(30);
    EXPECT_EQ(g_calls.load(), whileLocked) << "no callback runs while the lock is held";
    platform::UnlockMusicTimer();
    ASSERT_TRUE(WaitForCalls(g_calls, whileLocked + 2));

    platform::StopMusicTimer(timer);
    const int stopped = g_calls.load();
    Sleep(30);
    EXPECT_EQ(g_calls.load(), stopped);
}

TEST(MusicTimerWinmm, ACallbackCanReplaceItsOwnTimer) {
    g_calls = 0;
    g_secondTimer = 0;
    const uint32_t first = platform::StartMusicTimer(1, RestartingCallback, nullptr);
    ASSERT_NE(first, 0u);
    ASSERT_TRUE(WaitForCalls(g_calls, 8)) << "the second timer keeps counting";
    ASSERT_NE(g_secondTimer.load(), 0u);
    EXPECT_NE(g_secondTimer.load(), first);
    platform::StopMusicTimer(g_secondTimer);
    const int stopped = g_calls.load();
    Sleep(30);
    EXPECT_EQ(g_calls.load(), stopped);
}

// The log lines it writes are watched for by the end-to-end scenarios.
TEST(MusicWinmm, TheWindowProcedurePassesActivationToTheMusic) {
    ScopedTempDir dir(true);
    CMainWindow window(MainWindowProc, "VarnoltMusicTestWindow", "Varnolt test",
                       GetModuleHandleA(nullptr), SW_HIDE, 100, 100, 1024, 768, WS_POPUP);
    ASSERT_NE(window.windowHandle, nullptr);
    SendMessageA(window.windowHandle, WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(g_musicPlaylist.active, 0);
    SendMessageA(window.windowHandle, WM_ACTIVATEAPP, 1, 0);
    EXPECT_EQ(g_musicPlaylist.active, 1);
    EXPECT_EQ(g_appActive, 1);
    DestroyWindow(window.windowHandle);
}
