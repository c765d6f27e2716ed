#pragma once
// The bingo game's own pairs: a text file, one pair a line - the upper
// text, the lower text that belongs to it and, optionally, a wrong partner
// (a wrong upper text after a ".", else a wrong lower text) - separated by
// tabs. A lower text "#RRGGBB" is a colour field.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct TBingoPhrase {
    std::string Oben;
    std::string Unten;
    std::string Falsch; // empty when the pair has no wrong partner
    bool operator==(const TBingoPhrase&) const = default;
};

using TBingoList = std::vector<TBingoPhrase>;

// Lines without a tab or with an empty upper or lower text are left out.
TBingoList ParseBingoList(std::string_view text);
// "vegas_S.txt" in folder; empty when it cannot be read.
TBingoList ReadBingoList(const std::string& folder);

} // namespace qor
