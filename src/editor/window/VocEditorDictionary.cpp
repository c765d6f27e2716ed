// The editor and the dictionary: looking the current entry up, taking a
// dictionary entry over, checking the library against the dictionary,
// aligning contexts and a library made of random dictionary entries.

#include "editor/window/ContextAlignment.h"
#include "editor/window/DictionaryCheck.h"
#include "editor/window/TakeOver.h"
#include "editor/window/VocEditor.h"
#include "editor/window/VokabelFrame.h"
#include "platform/AppMessage.h"
#include "platform/QtCollation.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "vocabulary/MeaningSet.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>

namespace qor {
using namespace literals;

void TVocEditor::Nachschlagen() {
    const bool deutsch = library_.Deutsch(-1);
    if (dictionary_.IsGermanSpanish() != deutsch)
        dictionary_.SelectDirection(deutsch);
    dictionary_.GoToWord(library_.Vokabel(-1), library_.Wortart(-1) + 1);
    DictionaryShown();
}

void TVocEditor::DictionaryShown() {
    VokabelFrame->ShowDictionaryEntry();
    VokabelFrame->ShowRecording();
}

void TVocEditor::Uebernehmen() {
    if (dictionary_.Count() == 0)
        return; // nothing to take over
    uebernahme_ = true;
    const std::string before = library_.Vokabel(-1);
    const TakeOverSource source = TakeOverFrom(dictionary_.IsGermanSpanish(), library_.Deutsch(-1),
                                               dictionary_.GetWord(), dictionary_.GetMeaning());
    VokabelFrame->setWord(source.word);
    const MeaningFields meanings = DistributeMeanings(
        {VokabelFrame->firstMeaning(), VokabelFrame->furtherMeanings()}, source.meanings);
    VokabelFrame->setMeanings(meanings.first, meanings.further);
    const bool contexts = !VokabelFrame->context(0).empty() || !VokabelFrame->context(1).empty();
    if (contexts && library_.Vokabel(-1) != before &&
        AppMessage("Auch Kontext(e) löschen?"_cp, MessageStyle::YesNo) == MessageResult::Yes)
        VokabelFrame->setContexts("", "");
    VokabelFrame->setWordClass(dictionary_.GetClass() - 1);
    uebernahme_ = false;
}

// Given again while it runs, the check stops at the next entry.
void TVocEditor::Kontrollieren() {
    if (beschaeftigt_) {
        abbrechen_ = true;
        return;
    }
    mNachschlagen->setChecked(true);
    const bool multipleChoice = mMultipleChoice->isChecked();
    mMultipleChoice->setChecked(false);
    beschaeftigt_ = true;
    abbrechen_ = false;
    Nachschlagen();
    checkEntries(library_.Aktuell(), multipleChoice);
    mMultipleChoice->setChecked(multipleChoice);
    beschaeftigt_ = false;
}

void TVocEditor::checkEntries(int from, bool multipleChoice) {
    const int last = library_.Count(false) - 1;
    for (int entry = std::max(from, 0); entry <= last && !abbrechen_; ++entry) {
        ShowEntry(entry);
        Nachschlagen();
        // The user sees each entry and may stop the check meanwhile.
        QCoreApplication::processEvents();
        if (abbrechen_ || entry >= library_.Count(true))
            break;
        if (!library_.IsEmpty(entry) && !checkEntry(multipleChoice))
            return;
    }
    ShowCheckFinished(abbrechen_);
}

// False when the check stops at this entry.
bool TVocEditor::checkEntry(bool multipleChoice) {
    if (multipleChoice && TooLongForMultipleChoice(library_.Bedeutung(-1, 0))) {
        ShowTooLongForMultipleChoice();
        return false;
    }
    const std::string meanings = JoinMeanings(library_.Bedeutung(-1, 0), library_.Bedeutung(-1, 1));
    const CheckedWord entry{library_.Wortart(-1), library_.Vokabel(-1), meanings};
    const CheckedWord found{dictionary_.GetClass() - 1, dictionary_.GetWord(),
                            dictionary_.GetMeaning()};
    switch (CompareWithDictionary(entry, found)) {
    case CheckVerdict::AllWell:
        return true;
    case CheckVerdict::Missing:
        if (!AddMissingWord(dictionary_, {entry.wordClass + 1, entry.word, meanings},
                            mAutomatischWB->isChecked(), compareGerman))
            return false;
        Nachschlagen();
        return true;
    case CheckVerdict::TakeOver:
        Uebernehmen();
        return true;
    case CheckVerdict::WordClassError:
        ShowWordClassError();
        return false;
    case CheckVerdict::MeaningsDiffer:
        ShowMeaningsDiffer(entry.meanings, found.meanings);
        return false;
    }
    return false;
}

void TVocEditor::XPressKontrolle() {
    QuickCheck(library_, dictionary_, mAutomatischWB->isChecked(), compareGerman,
               [this](int entry) { ShowEntry(entry); });
    Nachschlagen();
}

void TVocEditor::KontexteAbgleichen() {
    Nachschlagen();
    const int last = library_.Count(false) - 1;
    for (int entry = std::max(library_.Aktuell(), 0); entry <= last; ++entry) {
        ShowEntry(entry);
        Nachschlagen();
        QCoreApplication::processEvents();
        if (!alignEntry())
            return;
    }
}

// Tidies and aligns the current entry; false when the pass stops here.
bool TVocEditor::alignEntry() {
    const std::string word = VokabelFrame->word();
    if (HyphenateEnding(word) != word) {
        VokabelFrame->setWord(HyphenateEnding(word));
        Nachschlagen();
    }
    const int current = dictionary_.Current();
    const LookedUpEntry found{dictionary_.GetWord(), dictionary_.GetMeaning(),
                              dictionary_.GetClass() - 1,
                              current > 0 ? dictionary_.GetWord(current - 1) : std::string(),
                              dictionary_.GetWord(current + 1)};
    AlignedEntry entry{VokabelFrame->word(), VokabelFrame->firstMeaning(),
                       VokabelFrame->wordClass(), VokabelFrame->context(0),
                       VokabelFrame->context(1)};
    const bool goOn = AlignContexts(entry, found);
    VokabelFrame->setContexts(entry.context1, entry.context2);
    VokabelFrame->setWord(entry.word);
    VokabelFrame->setMeanings(entry.firstMeaning, VokabelFrame->furtherMeanings());
    VokabelFrame->setWordClass(entry.wordClass);
    return goOn;
}

// Each entry is a random dictionary entry, Spanish with the chance percent
// out of 101, taken over as a German or Spanish word by the dictionary's side.
void TVocEditor::fillRandomLibrary(int size, int percent, bool phrases) {
    for (int made = 0; made < size; ++made) {
        dictionary_.SelectDirection(percent < Random(101));
        dictionary_.RandomEntry(phrases);
        DictionaryShown();
        QCoreApplication::processEvents();
        if (VokabelFrame->GermanAbove() != dictionary_.IsGermanSpanish())
            VokabelFrame->DirectionMarkClick();
        Uebernehmen();
        if (library_.IsEmpty(-1))
            return; // an empty dictionary gives nothing to take over
        ZurFolgenden();
    }
}

} // namespace qor
