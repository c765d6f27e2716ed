// Finding a headword's place in the current direction.
#include "dictionary/XDatabase.h"

#include <algorithm>

namespace qor {

namespace {
constexpr int NeighbourCount = 9;
}

int TXDatabase::FindInsertPosition(std::string_view word, int wordClass) const {
    if (word.empty() || list().empty())
        return -1;
    const std::vector<DictionaryEntry>& entries = list();
    // A linear walk, so that an unsorted list gives the first entry not below word.
    int index = 0;
    while (index < Count() - 1 && compare(entries[index].Vokabel, word) < 0)
        ++index;
    if (wordClass == -1 || compare(entries[index].Vokabel, word) != 0)
        return index;
    // Entries equal but for case may lie in any order among each other after
    // sorting: all of them are looked at for the exact word of that class.
    for (int next = index; next < Count() && compare(entries[next].Vokabel, word) == 0; ++next)
        if (entries[next].Vokabel == word && entries[next].Wortart == wordClass)
            return next;
    return index;
}

void TXDatabase::GoToWord(std::string_view word, int wordClass) {
    setCurrent(std::max(0, word.empty() ? 0 : FindInsertPosition(word, wordClass)));
    const int first = std::max(0, std::min(Current() - 1, Count() - NeighbourCount));
    const int end = std::min(first + NeighbourCount, Count());
    results_.clear();
    for (int index = first; index < end; ++index)
        results_.push_back({direction_, index});
    currentResult_ = Current() - first;
    notify();
}

void TXDatabase::FindWordMeaning(std::string_view word, std::string_view meaning) {
    if (word.empty() || (GetWord() == word && GetMeaning() == meaning))
        return;
    const std::vector<DictionaryEntry>& entries = list();
    const auto sameWord = [word](const DictionaryEntry& entry) {
        return entry.Vokabel == word;
    };
    auto found = std::find_if(entries.begin(), entries.end(), sameWord);
    if (found == entries.end())
        return;
    setCurrent(static_cast<int>(found - entries.begin()));
    for (; found != entries.end() && sameWord(*found); ++found)
        if (found->Bedeutung == meaning) {
            setCurrent(static_cast<int>(found - entries.begin()));
            break;
        }
    notify();
}

} // namespace qor
