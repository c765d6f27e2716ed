#pragma once
// The verb trainer: the built-in verb table in full forms, the user's choice
// of verbs and tenses, and the drill - rounds of ten questions, asked as a
// choice among six forms or as a form to type - with the conjugation table
// and the verb list. It writes page variables and loads the drill's pages
// through CommandPage.

#include "platform/Random.h"
#include "verbs/VerbTable.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class CommandPage;
class Registry;
class TZIPResource;

class TVerben {
public:
    static constexpr int RoundLength = 10;
    static constexpr const char* RegistryKey = "SOFTWARE\\QOR\\qor spanisch\\Verbtrainer";

    // The built-in table; the stored selection is loaded.
    explicit TVerben(Registry& registry, RandomSource random = Random);
    // A table from elsewhere.
    TVerben(TZIPResource& table, Registry& registry, RandomSource random);

    // The verbs: the records up to the first without an infinitive.
    int Count() const { return count_; }
    // Any record index below VerbRecordRoom; unused records are empty.
    const VerbRecord& Verb(int verb) const;
    const VerbForm& Form(int verb, int slot, int person) const;
    // The pronoun and a blank; empty for a missing form, the imperative and
    // the participles.
    std::string PronounOf(int verb, int slot, int person) const;
    // "1. Person Singular " ... "3. Person Plural ", "Gerundio", "Participio".
    static std::string PersonLabel(int slot, int person);

    // The selection: one "+" or "-" per verb and per tense slot.
    void SetVerbSelection(std::string_view selection);
    void SetTenseSelection(std::string_view selection);
    const std::string& VerbSelection() const { return verbSelection_; }
    const std::string& TenseSelection() const { return tenseSelection_; }
    void LoadSelection();
    void SaveSelection() const;
    // The active verbs and tenses from the selection; false, after saying
    // so, when no verb or no tense is active.
    bool BuildActiveLists();

    // The drill. NextQuestion shows "verb_mch.htx" or "verb_ein.htx";
    // Evaluate shows "verb_richtig.htx" for an outcome of the answer page.
    void NextQuestion(CommandPage& page, bool reset);
    void Evaluate(CommandPage& page, std::string_view outcome);
    // Whether a typed form that is only misspelt in accents or capitals is
    // told so on the answer page; never when unset.
    std::function<bool()> AccentHints;
    int Answered() const { return answered_; }
    int Right() const { return right_; }

    // "verbtafel.htx" for a verb, and "verbliste.htx".
    void ShowVerbTable(CommandPage& page, int verb);
    int ShownVerb() const { return shownVerb_; }
    void ShowVerbList(CommandPage& page) const;

private:
    struct Question {
        int verb = 0;
        int tense = 0;
        int person = 0;
    };

    void finishReading(std::vector<VerbRecord> records);
    int randomBelow(int range) const { return qor::randomBelow(random_, range); }
    // A tense and a person of the current verb with a form; nothing when the
    // active tenses hold no form of it.
    std::optional<Question> drawTenseAndPerson();
    int drawPerson(int tense);
    std::string taskText(const Question& question) const;
    bool multipleChoiceAllowed() const;
    void askMultipleChoice(CommandPage& page, const Question& question);
    void askTyping(CommandPage& page, const Question& question);
    std::string solutionLines(bool right) const;

    Registry& registry_;
    RandomSource random_;
    std::vector<VerbRecord> records_; // VerbRecordRoom of them
    int count_ = 0;
    std::string verbSelection_;
    std::string tenseSelection_;
    std::vector<int> activeVerbs_;
    std::vector<int> activeTenses_;

    int answered_ = 0;
    int roundLength_ = RoundLength;
    int right_ = 0;
    int previousPerson_ = -1;
    int currentVerb_ = 0;
    Question question_;
    std::vector<std::string> accepted_; // the typed forms the question takes
    int shownVerb_ = 0;
};

// The two alternatives of a form: "hubiera/hubiese comprado" gives
// "hubiera comprado" and "hubiese comprado"; without "/" the second is empty.
std::pair<std::string, std::string> SplitAlternatives(std::string_view form);

} // namespace qor
