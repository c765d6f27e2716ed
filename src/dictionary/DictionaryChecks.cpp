// Keeping a direction in order: the format check, duplicates and sorting.
#include "dictionary/MeaningCheck.h"
#include "dictionary/XDatabase.h"
#include "platform/AppMessage.h"
#include "platform/Text.h"

#include <algorithm>
#include <utility>

namespace qor {
using namespace literals;

void TXDatabase::CheckFormat() {
    for (int index = std::max(0, Current()); index < Count(); ++index) {
        const MeaningProblem problem = checkMeaning(list()[index].Bedeutung);
        if (problem != MeaningProblem::None) {
            setCurrent(index);
            notify();
            AppMessage(meaningProblemMessage(problem));
            return;
        }
    }
}

void TXDatabase::RemoveDuplicates() {
    std::vector<DictionaryEntry>& entries = list();
    if (entries.size() < 2)
        return;
    // Kept entries move down over the removed ones, so that the walk stays linear.
    std::size_t kept = 1;
    std::size_t read = 1;
    bool stopped = false;
    for (; read < entries.size(); ++read) {
        const DictionaryEntry& previous = entries[kept - 1];
        DictionaryEntry& entry = entries[read];
        if (entry.Vokabel == previous.Vokabel && entry.Wortart == previous.Wortart) {
            if (entry.Bedeutung == previous.Bedeutung)
                continue;
            stopped = true;
            break;
        }
        if (kept != read)
            entries[kept] = std::move(entry);
        ++kept;
    }
    const std::size_t removed = read - kept;
    if (removed > 0)
        entries.erase(std::move(entries.begin() + static_cast<std::ptrdiff_t>(read), entries.end(),
                                entries.begin() + static_cast<std::ptrdiff_t>(kept)),
                      entries.end());
    if (removed > 0)
        modified_[direction_] = true;
    if (Current() >= Count())
        setCurrent(std::max(0, Count() - 1));
    AppMessage(std::to_string(removed) + " Einträge wurden automatisch entfernt."_cp);
    if (stopped)
        setCurrent(static_cast<int>(kept));
    if (stopped || removed > 0)
        notify();
}

void TXDatabase::quickSort(int left, int right) {
    std::vector<DictionaryEntry>& entries = list();
    while (left < right) {
        const std::string pivot = entries[left + (right - left) / 2].Vokabel;
        int i = left;
        int j = right;
        while (i <= j) {
            // The bounds keep a careless collation from leading outside the range.
            while (i < right && compare(entries[i].Vokabel, pivot) < 0)
                ++i;
            while (j > left && compare(entries[j].Vokabel, pivot) > 0)
                --j;
            if (i <= j)
                std::swap(entries[i++], entries[j--]);
        }
        // The smaller part recursively, the larger one in the loop: the depth stays small.
        if (j - left < right - i) {
            quickSort(left, j);
            left = i;
        } else {
            quickSort(i, right);
            right = j;
        }
    }
}

void TXDatabase::Sort() {
    if (Count() < 2)
        return;
    quickSort(0, Count() - 1);
    changed();
}

} // namespace qor
