#pragma once
// What a typed answer may be: the meanings of an entry as people write them
// ("(la) casa; (el) hogar", "ir (a) casa", "calle [Straße] (f)") turned into
// the flat list of answers the typing field accepts, and the choice a
// multiple-choice click names.

#include "vocabulary/Vokabel.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Ordered, without duplicates.
using SolutionList = std::vector<std::string>;

// Appends the answers of one meaning field: each piece between "; " with its
// gender tag turned into an optional article, its comment dropped and its
// optional parts in parentheses both left out and taken in.
void ExpandMeanings(std::string_view meanings, SolutionList& solutions);

// One answer, blanks tidied; a "ß" also gives the spelling with "ss".
void AddSolution(std::string_view text, SolutionList& solutions);

// The choice (0 ... 5) whose first meaning is the clicked text, ignoring
// case; -1 when none is.
int MatchChoice(std::string_view clicked, const std::array<TVokabel, 6>& choices);

} // namespace qor
