#include "platform/Random.h"

#include <chrono>
#include <cstdlib>
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
    // A fixed seed from the environment makes a whole run repeatable, so
    // that the end-to-end tests know the questions the program will ask.
    if (const char* seed = std::getenv("QOR_RANDOM_SEED")) {
        char* end = nullptr;
        const unsigned long number = std::strtoul(seed, &end, 10);
        if (*seed != '\0' && *end == '\0') {
            RandSeed(static_cast<std::uint32_t>(number));
            return;
        }
    }
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::uint32_t>(ticks));
}

void RandSeed(std::uint32_t seed) {
    generator().seed(seed);
}

} // namespace qor
