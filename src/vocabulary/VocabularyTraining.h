#pragma once
// The vocabulary trainer proper: picks the entries of the library that take
// part, prepares question slots, writes the question pages (multiple
// choice, typing, a sentence with a gap) and the answer pages into the
// page, records every answer with the user base and shows the evaluation.
// Ordered modes walk the range; random mode asks in rounds in which wrongly
// answered questions come back until all are solved.

#include "core/CommandPage.h"
#include "platform/Random.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/ReserveList.h"
#include "vocabulary/Solutions.h"
#include "vocabulary/VocEinstellungen.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>

namespace qor {

// One question: the asked entry, its six choices (0 the right one) and how
// often it was answered wrong (-1 once it was answered right).
struct TVocAufgabe {
    TVokabel Frage;
    std::array<TVokabel, 6> Auswahl;
    int Fehler = 0;
};

// What the training needs from outside the library.
struct TrainingServices {
    std::function<bool()> isLoggedIn;
    // Hands an answer to the user base: word, German flag, mode 'e' or 'm',
    // the score change, word class.
    std::function<void(const std::string&, bool, char, int, int)> recordAnswer;
    // Where a link to the word's sound leads: its recording, or the command
    // that speaks it (only a Spanish word is spoken); empty for none.
    std::function<std::string(const std::string& word, bool spanish)> soundTarget;
    // Whether a wrong typed answer that is only misspelt in accents or
    // capitals is told so.
    std::function<bool()> accentHints;
    RandomSource random = Random;
};

class VocabularyTraining {
public:
    static constexpr int Slots = 200;

    VocabularyTraining(TBibliothek& library, TVocEinstellungen& settings, const TRes* reserve,
                       TrainingServices services);

    // The page the questions go to: the main window's, which comes and goes
    // while the training lives on. Nothing is shown without one.
    void setPage(CommandPage* page) { page_ = page; }
    CommandPage* page() const { return page_; }

    // Whether a training may start; tells the user why not.
    bool PreCheck();
    void Start();
    void NextQuestion(bool fresh, int size);
    // "vokabel" + text: "#N+" typed right at attempt N, "-" typed wrong,
    // "+" chosen right, "[meaning]-" chosen wrong.
    void Answer(const std::string& text);
    void Continue();
    void NextRound();
    // 0 asked for, 1 a round is over, 2 all solved, 3 the section is done.
    void Evaluate(int kind);

    const TVocAufgabe& Slot(int i) const { return slots_[static_cast<std::size_t>(i)]; }
    // The bingo game's pair: an active entry of the range, drawn at random,
    // with its wrong choices; null when the range has none.
    const TVocAufgabe* DrawRandomTask();
    int CurrentSlot() const { return slot_; }
    int N() const { return n_; }
    int Fragen() const { return fragen_; }
    int Richtige() const { return richtige_; }
    int Runde() const { return runde_; }

private:
    int random(int range) { return randomBelow(services_.random, range); }
    TVocAufgabe& slot(int i) { return slots_[static_cast<std::size_t>(i)]; }
    // The slots a round uses: n_ counts the active entries in the ordered
    // modes, which may be more than there are slots.
    int usedSlots() const { return std::min(n_, Slots); }
    int activeCount();
    bool active(const TVokabel& entry) const;
    // Puts the entry into slot s with its wrong choices.
    void ask(int s, const TVokabel& entry);
    void fillOrdered(int s);
    void fillRandom(int s);
    void chooseWrong(TVocAufgabe& task);
    void askChoice(const TVocAufgabe& task);
    void askTyped(const TVocAufgabe& task);
    bool askContext(const TVocAufgabe& task);
    std::string wordWithSound(const std::string& word, bool spanish) const;
    std::string answerLine(const TVokabel& entry) const;
    void showCounters(int asked);
    // Sets "Akzente", "AkzentEingabe" and "AkzentLoesung" for the wrong-answer
    // page: empty unless typed is a solution with slips in its spelling.
    void showSpellingSlips(const std::string& typed);
    int filledSlots() const;

    TBibliothek& library_;
    TVocEinstellungen& settings_;
    const TRes* reserve_;
    CommandPage* page_ = nullptr;
    TrainingServices services_;

    std::array<TVocAufgabe, Slots> slots_{};
    int slot_ = 0;
    int pos_ = 0;
    int schritt_ = 1;
    int ende_ = 0;
    int fragen_ = 0;
    int antworten_ = 0;
    int rundeAntworten_ = 0;
    int rundeRichtig_ = 0;
    int richtige_ = 0;
    int n_ = 0;
    int runde_ = 0;
    std::array<int, 20> rundenGroesse_{};
    std::string letzteAntwort_;
    std::string kontextsatz_;
    SolutionList loesungen_; // of the typed question asked last
};

} // namespace qor
