#pragma once
// "Kontexte abgleichen": an editorial pass that tidies the word and the two
// context texts of an entry and aligns the entry with the dictionary entry
// the look-up found for it. The pass goes on to the next entry only while
// the entry and the dictionary agree.

#include <string>

namespace qor {

// A word ending in ", e" gets a "-" before its last character (", -e").
std::string HyphenateEnding(const std::string& word);

// Puts the brackets of a context text in order: a text without ")" that
// starts with "(" and has three "(" loses its first character and its second
// "(" becomes ")"; then, without ")" and with two "(", the second "(" becomes ")".
std::string OrderContextBrackets(const std::string& context);

// Exactly one "(" and one ")", and the ")" not before the "(".
bool ContextInOrder(const std::string& context);

struct AlignedEntry {
    std::string word;
    std::string firstMeaning;
    int wordClass = 0; // list index, 0 "Nomen"
    std::string context1;
    std::string context2;
};

// The dictionary entry the look-up found, and the headwords before and
// after it.
struct LookedUpEntry {
    std::string word;
    std::string meanings;
    int wordClass = 0; // list index
    std::string previousWord;
    std::string nextWord;
};

// Tidies entry and aligns it with the dictionary; true when the pass may go
// on to the next entry.
bool AlignContexts(AlignedEntry& entry, const LookedUpEntry& dictionary);

} // namespace qor
