#pragma once
// An MCI command string taken apart: the words separated by blanks, where a
// word in double quotes (a file name) may hold blanks.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct MciWord {
    std::string text; // without the quotes
    bool quoted = false;
};

struct MciWords {
    std::vector<MciWord> words;
    int error = 0; // MciError::NoClosingQuote for a quote that is never closed
};

MciWords splitMciCommand(std::string_view command);

} // namespace qor
