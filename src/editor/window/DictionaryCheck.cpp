#include "editor/window/DictionaryCheck.h"

#include "platform/AppMessage.h"
#include "platform/Text.h"
#include "vocabulary/MeaningSet.h"

namespace qor {
using namespace literals;

CheckVerdict CompareWithDictionary(const CheckedWord& entry, const CheckedWord& dictionary) {
    const std::string entryKey = std::to_string(entry.wordClass) + entry.word;
    const std::string dictionaryKey = std::to_string(dictionary.wordClass) + dictionary.word;
    if (entryKey != dictionaryKey) {
        if (entry.meanings == dictionary.meanings && entry.word == dictionary.word)
            return CheckVerdict::WordClassError;
        return entry.meanings == "?" ? CheckVerdict::TakeOver : CheckVerdict::Missing;
    }
    return SameMeaningSets(entry.meanings, dictionary.meanings) ? CheckVerdict::AllWell
                                                                : CheckVerdict::MeaningsDiffer;
}

bool TooLongForMultipleChoice(const std::string& firstMeaning) {
    return firstMeaning.size() > MultipleChoiceMeaningLimit;
}

void ShowTooLongForMultipleChoice() {
    AppMessage("Die 1. Bedeutung ist für Multiple-Choice Aufgaben zu lang!\nSie sollten lieber das "
               "Eingabefeld \"Weitere:\" benutzen."_cp);
}

void ShowWordClassError() {
    AppMessage("Möglicher Fehler bei den Wortarten entdeckt."_cp);
}

void ShowMeaningsDiffer(const std::string& entryMeanings, const std::string& dictionaryMeanings) {
    AppMessage("Diese Vokabel hat andere Bedeutungen als\nder entsprechende Eintrag im "
               "Wörterbuch!\n\n>"_cp +
               entryMeanings + "<\n>" + dictionaryMeanings + "<");
}

void ShowCheckFinished(bool cancelled) {
    AppMessage(cancelled ? "Kontrolle wurde abgebrochen." : "Kontrolle beendet.");
}

bool AddMissingWord(TXDatabase& dictionary, const CheckedWord& word, bool autoAdd,
                    const HeadwordOrder& order) {
    if (!autoAdd && AppMessage("Diese Vokabel ist (noch) nicht im Wörterbuch!\nSoll sie ins "
                               "Wörterbuch aufgenommen werden???"_cp,
                               MessageStyle::YesNo) == MessageResult::No)
        return false;
    dictionary.GoToWord(word.word, word.wordClass);
    // The look-up stops at the last entry: a word after all of them goes
    // behind it, so that the dictionary stays in order.
    const int last = dictionary.Count() - 1;
    if (last < 0 ||
        (dictionary.Current() == last && order(dictionary.GetWord(last), word.word) < 0)) {
        dictionary.AddEntry(word.word, std::to_string(word.wordClass), word.meanings);
    } else {
        dictionary.InsertEmpty();
        dictionary.SetWord(word.word);
        dictionary.SetMeaning(word.meanings);
        dictionary.SetClass(word.wordClass);
    }
    dictionary.GoToWord(word.word, word.wordClass);
    return true;
}

namespace {

// The dictionary entry at the place of the entry's word, in the entry's direction.
CheckedWord dictionaryWordAt(TXDatabase& dictionary, const TVokabel& entry) {
    if (dictionary.IsGermanSpanish() != entry.Deutsch)
        dictionary.SelectDirection(entry.Deutsch);
    const int place = dictionary.FindInsertPosition(entry.Vokabel, entry.Wortart + 1);
    if (place < 0)
        return {};
    return {dictionary.GetClass(place), dictionary.GetWord(place), dictionary.GetMeaning(place)};
}

} // namespace

void QuickCheck(const TBibliothek& library, TXDatabase& dictionary, bool autoAdd,
                const HeadwordOrder& order, const std::function<void(int entry)>& select) {
    const int last = library.Count(false) - 1;
    for (int i = std::max(library.Aktuell(), 0); i <= last; ++i) {
        const TVokabel& entry = *library.Entry(i);
        if (entry.IsEmpty())
            continue; // nothing to compare yet
        const CheckedWord word{entry.Wortart + 1, entry.Vokabel,
                               JoinMeanings(entry.Bedeutung[0], entry.Bedeutung[1])};
        const CheckedWord found = dictionaryWordAt(dictionary, entry);
        const CheckVerdict verdict = CompareWithDictionary(word, found);
        const bool tooLong = TooLongForMultipleChoice(entry.Bedeutung[0]);
        if (!tooLong && (verdict == CheckVerdict::AllWell || verdict == CheckVerdict::TakeOver))
            continue;
        select(i);
        if (tooLong)
            return ShowTooLongForMultipleChoice();
        if (verdict == CheckVerdict::WordClassError)
            return ShowWordClassError();
        if (verdict == CheckVerdict::MeaningsDiffer)
            return ShowMeaningsDiffer(word.meanings, found.meanings);
        if (!AddMissingWord(dictionary, word, autoAdd, order))
            return;
    }
    ShowCheckFinished(false);
}

} // namespace qor
