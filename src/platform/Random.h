#pragma once
// The program's one random generator. Start-up seeds it from the clock; tests
// seed it with a fixed number to get repeatable choices.

#include <cstdint>

namespace qor {

// A uniformly distributed integer in 0 .. range - 1 (0 for range <= 0).
int Random(int range);

void Randomize();                  // seed from the clock
void RandSeed(std::uint32_t seed); // seed with a fixed number

} // namespace qor
