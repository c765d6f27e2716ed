#include "vocabulary/LibraryInfo.h"

#include <numeric>

namespace qor {

int DirectionCounts::Total() const {
    return std::accumulate(wordClasses.begin(), wordClasses.end(), 0);
}

LibraryCounts CountLibrary(const std::vector<TVokabel>& entries) {
    LibraryCounts counts;
    std::size_t count = entries.size();
    if (count > 0 && entries.back().IsEmpty())
        --count;
    for (std::size_t i = 0; i < count; ++i) {
        const TVokabel& entry = entries[i];
        DirectionCounts& group = entry.Deutsch ? counts.german : counts.spanish;
        if (entry.Wortart < WordClass::Count)
            ++group.wordClasses[entry.Wortart];
        if (entry.Schwierigkeit < Difficulties)
            ++group.difficulties[entry.Schwierigkeit];
        if (!entry.Kontext[0].empty() || !entry.Kontext[1].empty())
            ++group.withContext;
    }
    return counts;
}

} // namespace qor
