#pragma once
// The editor's entry list and the rules of moving through it: one line per
// entry, the trailing empty one included, and an empty entry in the middle
// of the library that must be completed or deleted before the user moves on.

#include "vocabulary/Bibliothek.h"

#include <string>
#include <vector>

namespace qor {

// The marks the list control draws as direction flags.
constexpr char GermanLineMark = '\xA7'; // "§"
constexpr char SpanishLineMark = '$';

// "§" for an entry with a German word, "$" for a Spanish one, then the word,
// or "(leer)" while the word is empty. The list draws the mark as a flag.
std::string EditorListLine(const TVokabel& entry);
std::vector<std::string> EditorListLines(const TBibliothek& library);

// The number the size label shows: the entries that are not empty.
int FilledEntryCount(const TBibliothek& library);

// False while the current entry is empty and the one after it is not: an
// empty entry in the middle is not left for another line.
bool MayLeaveCurrent(const TBibliothek& library);

// What "Zur folgenden Vokabel" does on a line of the list.
enum class NextStep {
    Move,       // select the next line
    Append,     // the last line holds an entry: a new empty one follows it
    EndReached, // the last line is the empty entry: "Ende der Bibliothek erreicht!"
};
NextStep NextEntryStep(const TBibliothek& library, int line, int lineCount);

} // namespace qor
