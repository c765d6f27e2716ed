#include "page/exercises/HelpMask.h"

namespace qor {

namespace {

constexpr char Hidden = '_';

bool staysVisible(char c) {
    return c == ' ' || c == '!' || c == '\'' || c == ',' || c == '-' || c == '.' || c == '?';
}

} // namespace

std::string HelpMask(std::string_view solution, const RandomSource& random) {
    if (solution.size() <= 2)
        return std::string(solution.size(), Hidden);
    std::string mask(solution);
    const std::size_t length = mask.size();
    for (std::size_t position = 2; position <= length; ++position) { // 1-based
        const char c = mask[position - 1];
        if (staysVisible(c) || (position == length && length > 3))
            continue;
        if (position >= 5 && randomBelow(random, 5) == 3)
            continue;
        mask[position - 1] = Hidden;
    }
    return mask;
}

} // namespace qor
