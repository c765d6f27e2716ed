#include "platform/Random.h"

#include <chrono>
#include <random>

namespace qor {
namespace {

std::mt19937& generator() {
    static std::mt19937 engine(5489u);
    return engine;
}

} // namespace

int Random(int range) {
    if (range <= 0)
        return 0;
    std::uniform_int_distribution<int> distribution(0, range - 1);
    return distribution(generator());
}

void Randomize() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::uint32_t>(ticks));
}

void RandSeed(std::uint32_t seed) {
    generator().seed(seed);
}

} // namespace qor
