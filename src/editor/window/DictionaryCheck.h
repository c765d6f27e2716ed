#pragma once
// Checking library entries against the dictionary: the verdict for one
// entry, what the check tells and asks the user, and the quick check that
// walks the library without showing each entry.

#include "dictionary/XDatabase.h"
#include "vocabulary/Bibliothek.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

// A word as the check compares it; the class is counted the same way on
// both sides (list index, or dictionary class).
struct CheckedWord {
    int wordClass = 0;
    std::string word;
    std::string meanings; // all meanings, separated by "; "
};

enum class CheckVerdict {
    AllWell,
    Missing,        // the dictionary lacks the word
    TakeOver,       // the entry's meanings are "?": the dictionary fills them in
    WordClassError, // same word and meanings, another class
    MeaningsDiffer,
};

CheckVerdict CompareWithDictionary(const CheckedWord& entry, const CheckedWord& dictionary);

// A first meaning longer than this is too long for a multiple-choice answer.
constexpr std::size_t MultipleChoiceMeaningLimit = 30;
bool TooLongForMultipleChoice(const std::string& firstMeaning);

// The check's messages.
void ShowTooLongForMultipleChoice();
void ShowWordClassError();
void ShowMeaningsDiffer(const std::string& entryMeanings, const std::string& dictionaryMeanings);
void ShowCheckFinished(bool cancelled);

// How headwords compare ignoring case: the dictionary's own order.
using HeadwordOrder = std::function<int(std::string_view, std::string_view)>;

// A word the dictionary lacks: asks whether to add it (unless autoAdd) and
// adds it in its place in the dictionary's order, with the meanings and the
// dictionary class. False when the user said no: the check stops.
bool AddMissingWord(TXDatabase& dictionary, const CheckedWord& word, bool autoAdd,
                    const HeadwordOrder& order);

// "XPress-Kontrolle": compares every entry from the current one on with the
// dictionary entry at its place, without showing the entries. An entry that
// needs the user is selected first (select gets its index); a missing word
// is offered to the dictionary and the check goes on, a first meaning too
// long for multiple choice, a class error or other meanings stop it.
void QuickCheck(const TBibliothek& library, TXDatabase& dictionary, bool autoAdd,
                const HeadwordOrder& order, const std::function<void(int entry)>& select);

} // namespace qor
