#include "vocabulary/MeaningSet.h"

#include <algorithm>

namespace qor {

std::vector<std::string> SplitMeanings(std::string_view meanings) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = meanings.find(';', start)) != std::string_view::npos;
         start = end + 2)
        pieces.emplace_back(meanings.substr(start, end - start));
    pieces.emplace_back(start < meanings.size() ? meanings.substr(start) : std::string_view());
    return pieces;
}

std::string JoinMeanings(std::string_view first, std::string_view further) {
    std::string all(first);
    if (!further.empty()) {
        all += "; ";
        all += further;
    }
    return all;
}

bool SameMeaningSets(std::string_view a, std::string_view b) {
    const std::vector<std::string> first = SplitMeanings(a);
    const std::vector<std::string> second = SplitMeanings(b);
    return first.size() == second.size() &&
           std::ranges::all_of(first, [&second](const std::string& piece) {
               return std::ranges::find(second, piece) != second.end();
           });
}

} // namespace qor
