#pragma once
// The format rule every dictionary meaning must keep: meanings are separated
// by "; " and a comma belongs only inside a "[comment]". Shared by the
// dictionary's check and the converter that builds the shipped dictionaries.
#include <string>
#include <string_view>

namespace qor {

enum class MeaningProblem {
    None,
    SuspiciousComma,            // a "," outside any "[...]"
    MissingBlankAfterSemicolon, // a ";" not followed by a blank, or after one
};

// meaning is Windows-1252 text; only ASCII characters matter here.
MeaningProblem checkMeaning(std::string_view meaning);

// The message the dictionary shows for a problem (Windows-1252); empty for None.
std::string meaningProblemMessage(MeaningProblem problem);

} // namespace qor
