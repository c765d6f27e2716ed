#pragma once
// Random choices for the pictures that come out the same in every build: the
// Mersenne Twister's numbers are fixed by the C++ standard for a seed, and the
// scaling to a range is done here rather than by a library distribution.

#include <cstdint>
#include <random>

namespace qor::pictures {

class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}

    // A number in [low, high).
    double between(double low, double high) {
        return low + (high - low) * static_cast<double>(engine_()) / 4294967296.0;
    }

    // A whole number in [0, count).
    int below(int count) { return static_cast<int>(between(0, count)); }

private:
    std::mt19937 engine_;
};

} // namespace qor::pictures
