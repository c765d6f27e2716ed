#include "editor/window/TakeOver.h"

#include "vocabulary/MeaningSet.h"

#include <vector>

namespace qor {

namespace {

// The pieces from index from on, joined by "; "; empty when there are none.
std::string piecesFrom(const std::vector<std::string>& pieces, std::size_t from) {
    std::string joined;
    for (std::size_t i = from; i < pieces.size(); ++i) {
        if (i > from)
            joined += "; ";
        joined += pieces[i];
    }
    return joined;
}

} // namespace

TakeOverSource TakeOverFrom(bool dictionaryGermanSpanish, bool entryDeutsch,
                            const std::string& headword, const std::string& meanings) {
    if (dictionaryGermanSpanish == entryDeutsch)
        return {headword, meanings};
    return {meanings, headword};
}

MeaningFields DistributeMeanings(const MeaningFields& now, std::string_view source) {
    const std::vector<std::string> pieces = SplitMeanings(source);
    const std::string& first = pieces.front();
    const std::string firstTwo = pieces.size() > 1 ? first + "; " + pieces[1] : first;
    const MeaningFields firstAlone{first, piecesFrom(pieces, 1)};
    const MeaningFields firstTwoTogether{firstTwo, piecesFrom(pieces, 2)};
    if (now.first != first) {
        if (pieces.size() == 1 || now.first != firstTwo)
            return firstAlone;
        // The first two are in already: the rest follows, or back to the start.
        return now.further != firstTwoTogether.further ? firstTwoTogether : firstAlone;
    }
    if (now.further != firstAlone.further || firstAlone.further.empty())
        return firstAlone;
    return firstTwoTogether;
}

} // namespace qor
