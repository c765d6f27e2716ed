#pragma once
// The meanings of an entry as a set: both meaning fields joined by "; " and
// cut at every ";" (a piece ends before the semicolon, the next one starts
// two characters after it, skipping the blank). Removing duplicates and the
// editor's dictionary check compare entries by it.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The pieces of a meaning text.
std::vector<std::string> SplitMeanings(std::string_view meanings);

// The first meaning, followed by "; " and the further meanings when there
// are any.
std::string JoinMeanings(std::string_view first, std::string_view further);

// The same number of pieces, and every piece of a found among those of b.
bool SameMeaningSets(std::string_view a, std::string_view b);

} // namespace qor
