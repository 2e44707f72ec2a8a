// The game's one source of random numbers.
#pragma once

#include <cstdint>

// A 15-bit linear congruential generator (the classic runtime rand, same
// constants and output bits), held here rather than in the runtime so that
// every platform draws the same range and nothing else disturbs its state.
// Reseeded from the clock every 500 draws.
class CRandom {
public:
    static constexpr int32_t kMax = 32767;
    static constexpr int32_t kDrawsPerSeed = 500;

    // Seeds from the clock.
    CRandom();
    virtual ~CRandom() = default;

    // Restarts the sequence from seed; 0 means the millisecond clock.
    void Seed(uint32_t seed);
    // An integer from low to high inclusive; low itself when high <= low.
    int32_t Draw(int32_t low, int32_t high);
    // Draws since the last seeding.
    int32_t DrawCount() const { return drawCount; }

private:
    int32_t Next();

    int32_t drawCount = 0;
    uint32_t state = 0;
};

// The process-wide generator, made on first use.
CRandom* GetRandom();
