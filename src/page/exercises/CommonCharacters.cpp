#include "page/exercises/CommonCharacters.h"

#include <algorithm>
#include <cstddef>

namespace qor {

namespace {

// A character is looked for among this many characters of the other text.
constexpr std::size_t SearchReach = 4;
constexpr std::size_t MaxStartOffsets = 5;

std::string reversed(std::string_view text) {
    return {text.rbegin(), text.rend()};
}

// The character at 1-based position of text; position 0 lies before the
// first character and reads as a value no character has, so two such
// positions are equal and neither equals a real character.
int characterAt(std::string_view text, std::ptrdiff_t position) {
    return position >= 1 ? static_cast<unsigned char>(text[static_cast<std::size_t>(position - 1)])
                         : -1;
}

} // namespace

std::string GreedyMatch(std::string_view x, std::string_view y) {
    std::string best;
    const std::size_t offsets = y.size() < 2 ? 0 : std::min(MaxStartOffsets, y.size() / 2);
    for (std::size_t offset = 1; offset <= offsets; ++offset) {
        std::string collected;
        std::size_t next = 0; // where the search in y goes on
        for (std::size_t i = offset - 1; i < x.size(); ++i) {
            const std::size_t found = y.substr(next, SearchReach).find(x[i]);
            if (found == std::string_view::npos)
                continue;
            collected += x[i];
            next += found + 1;
            if (next >= y.size())
                break;
        }
        if (collected.size() > best.size())
            best = std::move(collected);
    }
    return best;
}

std::string CommonCharacters(std::string_view answer, std::string_view solution) {
    if (answer.empty() || solution.empty())
        return {};

    // The equal beginning never takes the solution's last two characters.
    std::size_t prefixLength = 0;
    while (prefixLength < answer.size() && prefixLength < solution.size() &&
           answer[prefixLength] == solution[prefixLength])
        ++prefixLength;
    prefixLength = std::min(prefixLength, solution.size() > 2 ? solution.size() - 2 : 0);
    const std::string_view prefix = solution.substr(0, prefixLength);
    answer.remove_prefix(prefixLength);
    solution.remove_prefix(prefixLength);

    // The equal ending, compared from the second-to-last characters
    // backwards; the last characters count as equal without a look.
    std::string_view suffix;
    if (!answer.empty() && !solution.empty()) {
        const auto answerLength = static_cast<std::ptrdiff_t>(answer.size());
        const auto solutionLength = static_cast<std::ptrdiff_t>(solution.size());
        std::ptrdiff_t length = 1;
        while (characterAt(answer, answerLength - length) ==
                   characterAt(solution, solutionLength - length) &&
               length < solutionLength)
            ++length;
        if (length > 1) {
            const auto cut = static_cast<std::size_t>(length);
            suffix = solution.substr(solution.size() - cut);
            answer.remove_suffix(cut);
            solution.remove_suffix(cut);
        }
    }

    std::string middle;
    if (!answer.empty() && !solution.empty()) {
        const std::string answerBackwards = reversed(answer);
        const std::string solutionBackwards = reversed(solution);
        for (std::string candidate : {GreedyMatch(answer, solution), GreedyMatch(solution, answer),
                                      reversed(GreedyMatch(answerBackwards, solutionBackwards)),
                                      reversed(GreedyMatch(solutionBackwards, answerBackwards))})
            if (candidate.size() > middle.size())
                middle = std::move(candidate);
    }
    return std::string(prefix) + middle + std::string(suffix);
}

} // namespace qor
