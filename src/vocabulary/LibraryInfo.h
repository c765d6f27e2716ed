#pragma once
// What a library holds, counted for the information window: per direction
// the entries of each word class and difficulty and those with a context.

#include "vocabulary/Vokabel.h"

#include <array>
#include <vector>

namespace qor {

struct DirectionCounts {
    std::array<int, WordClass::Count> wordClasses{};
    std::array<int, Difficulties> difficulties{};
    int withContext = 0;
    // The entries of the six named classes.
    int Total() const;
};

struct LibraryCounts {
    DirectionCounts spanish; // the word is Spanish
    DirectionCounts german;  // the word is German
};

// A trailing empty entry is not counted; classes above 5 and difficulties
// above 4 are left out of their rows.
LibraryCounts CountLibrary(const std::vector<TVokabel>& entries);

} // namespace qor
