// The order of the library's entries: sorting, shuffling, reversing and
// removing duplicates.

#include "platform/AppMessage.h"
#include "platform/Text.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/MeaningSet.h"

#include <algorithm>

namespace qor {

namespace {

std::string sortKey(const TVokabel& entry) {
    return entry.Vokabel + std::to_string(entry.Wortart) + entry.Bedeutung[0] + entry.Bedeutung[1];
}

bool duplicates(const TVokabel& a, const TVokabel& b) {
    return a.Vokabel == b.Vokabel && a.Wortart == b.Wortart &&
           SameMeaningSets(JoinMeanings(a.Bedeutung[0], a.Bedeutung[1]),
                           JoinMeanings(b.Bedeutung[0], b.Bedeutung[1]));
}

} // namespace

void TBibliothek::Sort(int from, int to) {
    const int count = static_cast<int>(eintraege_.size());
    from = std::max(from, 0);
    to = std::min(to, count - 1);
    if (count > 1 && from < to) {
        const Collation compare = collation_ ? collation_ : compareIgnoreCase;
        std::stable_sort(eintraege_.begin() + from, eintraege_.begin() + to + 1,
                         [&compare](const TVokabel& a, const TVokabel& b) {
                             return compare(sortKey(a), sortKey(b)) < 0;
                         });
    }
    changed();
}

void TBibliothek::SortInTwoBlocks() {
    const int count = Count(false);
    const auto german = std::stable_partition(eintraege_.begin(), eintraege_.begin() + count,
                                              [](const TVokabel& e) { return !e.Deutsch; });
    const int spanish = static_cast<int>(german - eintraege_.begin());
    if (spanish > 1)
        Sort(0, spanish - 1);
    if (count - spanish > 1)
        Sort(spanish, count - 1);
    changed();
}

void TBibliothek::Shuffle() {
    const int count = Count(false);
    if (count < 4)
        return;
    for (int swaps = 0; swaps < count;) {
        const int a = randomBelow(random_, count);
        const int b = randomBelow(random_, count);
        if (a == b)
            continue;
        std::swap(eintraege_[static_cast<std::size_t>(a)], eintraege_[static_cast<std::size_t>(b)]);
        ++swaps;
    }
    changed();
}

void TBibliothek::Reverse() {
    dropTrailingEmpty();
    const std::size_t count = eintraege_.size();
    // The source entries are read while the reversed ones are appended.
    eintraege_.reserve(2 * count + 1);
    for (std::size_t i = 0; i < count; ++i) {
        const TVokabel& source = eintraege_[i];
        TVokabel reversed;
        reversed.Vokabel = source.Bedeutung[0];
        reversed.Bedeutung[0] = source.Vokabel;
        reversed.Deutsch = !source.Deutsch;
        reversed.Wortart = source.Wortart;
        reversed.Schwierigkeit = source.Schwierigkeit;
        eintraege_.push_back(std::move(reversed));
    }
    eintraege_.push_back(vorlage_);
    changed();
}

int TBibliothek::RemoveDuplicates(bool report) {
    if (eintraege_.size() <= 1) {
        if (report)
            AppMessage("Nicht genug Vokabeln!");
        return 0;
    }
    int removed = 0;
    for (std::size_t i = 1; i < eintraege_.size();) {
        if (duplicates(eintraege_[i - 1], eintraege_[i])) {
            eintraege_.erase(eintraege_.begin() + static_cast<std::ptrdiff_t>(i));
            ++removed;
        } else {
            ++i;
        }
    }
    if (removed > 0)
        changed();
    return removed;
}

} // namespace qor
