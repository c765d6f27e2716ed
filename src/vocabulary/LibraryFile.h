#pragma once
// The library file (".asc"): Windows-1252 text, ten lines per entry with
// nothing between entries - word, two meanings, context 1 and its tip flag,
// context 2 and its flag, word class, direction, difficulty.

#include "vocabulary/Vokabel.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct LibraryText {
    std::vector<TVokabel> entries; // every complete entry read
    bool complete = true;          // false: a broken entry stopped the reading
};

// Reads as the program always has: trimmed words and meanings, a second
// line beginning ".wav" skipped, a context sentence found on the flag line
// when the context line is empty, the difficulty from the tenth line's first
// character. Empty lines at the very end are no entry.
LibraryText ReadLibraryText(std::string_view text);

// The entries with CR LF line ends, a trailing empty entry left out.
std::string WriteLibraryText(const std::vector<TVokabel>& entries);

} // namespace qor
