#pragma once
// The editor's search through the library: the next occurrence of a text in
// the fields of the entries, in the order word, first meaning, further
// meanings, context 1, context 2, going round to the first entry after the
// last one.

#include "vocabulary/Bibliothek.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

// The fields searched, by their number in the search state.
namespace SearchField {
constexpr int Word = 0;
constexpr int FirstMeaning = 1;
constexpr int FurtherMeanings = 2;
constexpr int Context1 = 3;
constexpr int Context2 = 4;
constexpr int Count = 5;
} // namespace SearchField

struct EditorSearchState {
    std::string Text;
    bool CaseSensitive = false;
    int Entry = -1;   // the last hit's entry; -1 for a new search
    int Field = 0;    // the last hit's field (SearchField)
    int Position = 1; // the last hit's position in the field, 1-based
    bool Found = false;
};

// The text of a searched field of an entry.
std::string SearchFieldText(const TBibliothek& library, int entry, int field);

// Finds the next occurrence after the last hit (from the start for a new
// search, or when the last hit lies beyond the entries); after the last entry
// it goes on at the first one and gives up after the starting entry has been
// examined once more. compareIgnoringCase compares two texts of the same
// length without regard to letter case (0 when equal). On a hit the state
// holds its entry, field and position and Found is true; without one Found is
// false and the state is that of a new search.
bool Search(const TBibliothek& library, EditorSearchState& state,
            const std::function<int(std::string_view, std::string_view)>& compareIgnoringCase);

} // namespace qor
