#include "photos/shape_random.h"

namespace photos {

namespace {

uint64_t Mix64(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

Random::Random(uint64_t purpose, uint64_t a, uint64_t b)
    : state(Mix64(Mix64(Mix64(purpose) ^ a) ^ b)) {}

uint64_t Random::Next() {
    // splitmix64: tiny, fast and the same everywhere.
    state += 0x9E3779B97F4A7C15ull;
    return Mix64(state);
}

double Random::Uniform(double low, double high) {
    const double unit = static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
    return low + (high - low) * unit;
}

int Random::Between(int low, int high) {
    const uint64_t span = static_cast<uint64_t>(high - low) + 1;
    return low + static_cast<int>(Next() % span);
}

} // namespace photos
