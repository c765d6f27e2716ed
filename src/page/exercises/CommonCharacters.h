#pragma once
// How much of a typed answer agrees with a solution: the characters both
// share, found as a common beginning, a common ending and, in between, the
// longest of four greedy walks. The typing fields use it to tell an answer
// that is almost right from a wrong one and to mark its wrong characters.

#include <string>
#include <string_view>

namespace qor {

// Walks x from each of the first start offsets (up to five, at most half of
// y's length; none when y has fewer than two characters) and collects every
// character found among the next four characters of y, moving on in y past
// each find. Gives the longest collection, the first one on ties.
std::string GreedyMatch(std::string_view x, std::string_view y);

// The characters that answer and solution have in common: the equal
// beginning (leaving the solution's last two characters), the equal ending
// (judged from the second-to-last characters backwards; the last ones are
// taken as equal) and the longest greedy match of what lies between, tried
// forwards and backwards both ways. Empty when either text is empty.
std::string CommonCharacters(std::string_view answer, std::string_view solution);

} // namespace qor
