// The content tool's and the photo cutter's only source of variety: a small
// seeded generator, so that every run draws the same pictures, shapes and
// notes, and a photo page is cut the same way every time it is opened.
#pragma once

#include <cstdint>

namespace photos {

class Random {
public:
    // Seeds from a purpose and up to two numbers (page, piece, ...), so that
    // changing one picture never shifts the draws of another.
    explicit Random(uint64_t purpose, uint64_t a = 0, uint64_t b = 0);

    uint64_t Next();
    // Uniform in [low, high).
    double Uniform(double low = 0.0, double high = 1.0);
    // Uniform integer in [low, high].
    int Between(int low, int high);
    bool Chance(double probability) { return Uniform() < probability; }

private:
    uint64_t state;
};

} // namespace photos
