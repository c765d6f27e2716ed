#pragma once
// The program's one random generator. Start-up seeds it from the clock; tests
// seed it with a fixed number to get repeatable choices.

#include <cstdint>
#include <functional>

namespace qor {

// A uniformly distributed integer in 0 .. range - 1 (0 for range <= 0).
int Random(int range);

void Randomize();                  // seed from $QOR_RANDOM_SEED, else the clock
void RandSeed(std::uint32_t seed); // seed with a fixed number

// A source of numbers in 0 .. range - 1, given to what must be repeatable
// in tests (shuffles, picks, masks).
using RandomSource = std::function<int(int range)>;

// A number of the source forced into 0 .. range - 1 (0 for an empty range),
// so that a careless source cannot index outside a list.
inline int randomBelow(const RandomSource& random, int range) {
    if (range <= 0)
        return 0;
    const int number = random(range) % range;
    return number < 0 ? number + range : number;
}

} // namespace qor
