#pragma once
// The dictionary's page commands, in two blocks because the sound rows come
// between them: "wb" shows the dictionary window; "suchen" searches both
// directions for the text of the page's field "Suchen" (whole words while
// the page's check box "ganze" is on) and "sr" + n shows the n-th block of
// twelve results on "wörterbuch.htx".

#include "core/CommandPage.h"
#include "core/CommandTable.h"

#include <string>

namespace qor {

class TXDatabase;

class DictionaryHost {
public:
    virtual ~DictionaryHost() = default;
    // Creates the dictionary window when needed and shows it.
    virtual void WBzeigen() = 0;
    virtual TXDatabase& dictionary() = 0;
    // What the shown page's search field holds and whether its check box
    // for whole words is on.
    virtual std::string searchText() const = 0;
    virtual bool wholeWordsOnly() const = 0;
};

CommandBlock dictionaryWindowCommands(DictionaryHost& host);
CommandBlock dictionarySearchCommands(DictionaryHost& host, CommandPage& page);

} // namespace qor
