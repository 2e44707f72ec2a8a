#include "game/random.h"
#include "platform/clock.h"

CRandom::CRandom() {
    Seed(0);
}

CRandom* GetRandom() {
    static CRandom random;
    return &random;
}

void CRandom::Seed(uint32_t seed) {
    drawCount = 0;
    state = seed != 0 ? seed : platform::MillisecondClock();
}

int32_t CRandom::Next() {
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & kMax);
}

int32_t CRandom::Draw(int32_t low, int32_t high) {
    if (++drawCount > kDrawsPerSeed)
        Seed(0);
    // An empty or inverted range has nothing to choose from but low; the
    // modulus below would otherwise be zero or negative.
    if (high <= low)
        return low;
    int32_t r;
    if (high >= kMax) {
        const int32_t upper = Next();
        r = (upper << 15) | Next();
    } else {
        r = Next();
    }
    // The span can exceed 32 bits' signed range (say INT32_MIN to INT32_MAX).
    const int64_t span = static_cast<int64_t>(high) - low + 1;
    return static_cast<int32_t>(low + r % span);
}
