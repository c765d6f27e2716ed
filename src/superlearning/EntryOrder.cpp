#include "superlearning/EntryOrder.h"

#include "vocabulary/Vokabel.h"

#include <algorithm>

namespace qor {

int NextEntry(EntryCursor& cursor, int first, int last, int order, const RandomSource& random) {
    if (last < first)
        return cursor.current = -1;
    if (order == 0) {
        cursor.current = cursor.current < 0 || cursor.current >= last ? first : cursor.current + 1;
    } else if (order == 1) {
        cursor.current = cursor.current < 0 || cursor.current <= first ? last : cursor.current - 1;
    } else {
        int entry = first;
        do
            entry = first + randomBelow(random, last - first + 1);
        while (last > first &&
               std::find(cursor.recent.begin(), cursor.recent.end(), entry) != cursor.recent.end());
        cursor.recent.push_back(entry);
        if (cursor.recent.size() >= static_cast<std::size_t>(std::min(20, last - first)))
            cursor.recent.pop_front();
        cursor.current = entry;
    }
    return cursor.current;
}

EntryTexts TextsOf(const TVokabel& entry) {
    return {entry.Vokabel, entry.Bedeutung[0], !entry.Deutsch};
}

} // namespace qor
