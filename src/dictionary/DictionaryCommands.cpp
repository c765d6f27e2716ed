#include "dictionary/DictionaryCommands.h"

#include "dictionary/XDatabase.h"

namespace qor {

namespace {

void search(DictionaryHost& host, CommandPage& page) {
    host.dictionary().PageSearch(page, host.searchText(), host.wholeWordsOnly());
}

// The pages count the blocks from 1.
void showBlock(DictionaryHost& host, CommandPage& page, RunningCommandList& list,
               std::string_view number) {
    int block = 0;
    if (list.readNumber(number, block))
        host.dictionary().ShowSearchResults(page, block - 1);
}

} // namespace

// One row per line, so the formatter leaves the table alone.
// clang-format off
CommandBlock dictionaryWindowCommands(DictionaryHost& host) {
    return {
        {"wb", CommandMatch::Exact, [&host](auto&, auto) { host.WBzeigen(); }},
    };
}

CommandBlock dictionarySearchCommands(DictionaryHost& host, CommandPage& page) {
    return {
        {"suchen", CommandMatch::Exact, [&host, &page](auto&, auto) { search(host, page); }},
        {"sr", CommandMatch::Prefix, [&host, &page](auto& list, auto number) { showBlock(host, page, list, number); }},
    };
}
// clang-format on

} // namespace qor
