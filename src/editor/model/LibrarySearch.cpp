#include "editor/model/LibrarySearch.h"

#include <algorithm>

namespace qor {

namespace {

// The 1-based position of the first occurrence at or after from, or 0.
int findInField(std::string_view field, const EditorSearchState& state, int from,
                const std::function<int(std::string_view, std::string_view)>& compareIgnoringCase) {
    const std::string_view text = state.Text;
    if (field.size() < text.size())
        return 0;
    const auto start = static_cast<std::size_t>(from - 1);
    if (state.CaseSensitive) {
        const auto found = field.find(text, start);
        return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
    }
    for (std::size_t p = start; p + text.size() <= field.size(); ++p) {
        if (compareIgnoringCase(field.substr(p, text.size()), text) == 0)
            return static_cast<int>(p) + 1;
    }
    return 0;
}

} // namespace

std::string SearchFieldText(const TBibliothek& library, int entry, int field) {
    switch (field) {
    case SearchField::Word:
        return library.Vokabel(entry);
    case SearchField::FirstMeaning:
        return library.Bedeutung(entry, 0);
    case SearchField::FurtherMeanings:
        return library.Bedeutung(entry, 1);
    case SearchField::Context1:
        return library.Kontext(entry, 0);
    case SearchField::Context2:
        return library.Kontext(entry, 1);
    default:
        return {};
    }
}

bool Search(const TBibliothek& library, EditorSearchState& state,
            const std::function<int(std::string_view, std::string_view)>& compareIgnoringCase) {
    const int count = static_cast<int>(library.Eintraege().size());
    const bool newSearch = state.Entry < 0 || state.Entry >= count;
    int entry = newSearch ? 0 : state.Entry;
    int field = newSearch ? 0 : std::clamp(state.Field, 0, SearchField::Count - 1);
    int from = newSearch ? 1 : std::max(state.Position, 0) + 1;
    state.Found = false;
    if (state.Text.empty() || count == 0) {
        state.Entry = -1;
        return false;
    }
    const int start = entry;
    bool wrapped = false;
    for (;;) {
        for (; field < SearchField::Count; ++field, from = 1) {
            const int position = findInField(SearchFieldText(library, entry, field), state, from,
                                             compareIgnoringCase);
            if (position > 0) {
                state.Entry = entry;
                state.Field = field;
                state.Position = position;
                state.Found = true;
                return true;
            }
        }
        if (wrapped && entry == start)
            break;
        field = 0;
        entry = (entry + 1) % count;
        wrapped = wrapped || entry == start;
    }
    state.Entry = -1;
    return false;
}

} // namespace qor
