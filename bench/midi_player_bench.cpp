// The music's costs: loading a song, and one timer period of a dense song
// (the callback runs every millisecond on the timer's thread, so a period
// must cost a small fraction of that). The headless MIDI system records every
// message it is sent, which the period's figure includes.
#include "audio/midi_player.h"
#include "audio/midi_reader.h"
#include "platform/headless/headless_music.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kPeriods = 100000;

void Put32(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// Sixteen tracks, each a note on and off every tick for notes ticks: at 480
// ticks a quarter and 120 beats a minute, about one event per track and
// period.
Bytes DenseSong(int notes) {
    Bytes file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 16, 0x01, 0xE0};
    for (int track = 0; track < 16; ++track) {
        Bytes events;
        for (int note = 0; note < notes; ++note) {
            const uint8_t key = static_cast<uint8_t>(36 + (note + track) % 48);
            const Bytes on = {0x01, static_cast<uint8_t>(0x90 | track), key, 0x50, 0x00, key, 0x00};
            events.insert(events.end(), on.begin(), on.end());
        }
        events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        Put32(file, static_cast<uint32_t>(events.size()));
        file.insert(file.end(), events.begin(), events.end());
    }
    return file;
}

std::string WriteSong(const Bytes& bytes) {
    const std::string path = "/tmp/varnolt_bench_song_" + std::to_string(getpid()) + ".mid";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

void BM_LoadMidiFile(benchmark::State& state) {
    const std::string path = WriteSong(DenseSong(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        MidiSong song = {};
        benchmark::DoNotOptimize(LoadMidiFile(path.c_str(), song));
        FreeSong(song);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadMidiFile)->Arg(1000)->Arg(10000);

void BM_TimerPeriod(benchmark::State& state) {
    headless::MidiSystem system;
    system.deviceNames = {"Synth"};
    headless::ConfigureMidi(system);
    // Long enough for every measured period: the song never ends (and
    // restarts) while it is timed.
    const std::string path = WriteSong(DenseSong(kPeriods * 11 / 10));
    MidiPlayer player;
    player.OpenPlayer(nullptr);
    player.StartSong(path.c_str());
    int64_t periods = 0;
    for (auto _ : state) {
        headless::FireMusicTimer();
        if (++periods % 4096 == 0) {
            state.PauseTiming();
            headless::ClearMidiOutCalls();
            state.ResumeTiming();
        }
    }
    state.counters["messages/period"] = benchmark::Counter(
        static_cast<double>(headless::ShortMessageCount()) / static_cast<double>(periods));
    player.ClosePlayer();
    std::remove(path.c_str());
}
BENCHMARK(BM_TimerPeriod)->Iterations(kPeriods);

} // namespace

BENCHMARK_MAIN();
