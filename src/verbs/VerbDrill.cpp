// The drill: drawing a tense and a person, the two kinds of question and
// the answer page.

#include "core/CommandPage.h"
#include "core/SharedRoutines.h"
#include "page/exercises/SpellingSlips.h"
#include "page/model/PageModel.h"
#include "platform/AppMessage.h"
#include "platform/Text.h"
#include "verbs/Verben.h"

#include <algorithm>

namespace qor {
using namespace literals;

namespace {

// Draws that keep failing mean the active tenses hold (almost) nothing of
// the verb; the drill then gives up instead of drawing for ever.
constexpr int MaxDraws = 1000;
constexpr int Choices = 6;

std::string percent(int right, int answered) {
    return answered == 0 ? std::string() : std::to_string(right * 100 / answered) + "%";
}

std::string link(const std::string& target, const std::string& text) {
    return "<a href=\"" + target + "\" flash=flashcol>" + text + "</a>";
}

} // namespace

int TVerben::drawPerson(int tense) {
    std::vector<int> persons;
    for (int person = 0; person < Persons; ++person)
        if (!Form(currentVerb_, tense, person).text.empty())
            persons.push_back(person);
    if (persons.empty())
        return -1;
    const auto draw = [&] {
        return persons[static_cast<std::size_t>(randomBelow(static_cast<int>(persons.size())))];
    };
    int person = draw();
    if (person == previousPerson_)
        person = draw();
    if (person == previousPerson_)
        person = draw();
    previousPerson_ = person;
    return person;
}

std::optional<TVerben::Question> TVerben::drawTenseAndPerson() {
    for (int attempt = 0; attempt < MaxDraws; ++attempt) {
        const int tense = activeTenses_.size() == 1
                              ? activeTenses_.front()
                              : activeTenses_[static_cast<std::size_t>(
                                    randomBelow(static_cast<int>(activeTenses_.size())))];
        const int person = drawPerson(tense);
        if (person >= 0)
            return Question{currentVerb_, tense, person};
    }
    return std::nullopt;
}

std::string TVerben::taskText(const Question& question) const {
    std::string text = PersonLabel(question.tense, question.person);
    if (question.tense != ParticipleSlot)
        text += TenseNames[static_cast<std::size_t>(question.tense)];
    return text + "<br>von<br>" + Verb(question.verb).Infinitiv;
}

// Six different forms need more than the one or two forms of a single
// imperative or participle slot.
bool TVerben::multipleChoiceAllowed() const {
    if (activeTenses_.size() > 2)
        return true;
    if (activeTenses_.size() < 2)
        return false;
    return std::none_of(activeTenses_.begin(), activeTenses_.end(),
                        [](int slot) { return slot == ImperativeSlot || slot == ParticipleSlot; });
}

void TVerben::NextQuestion(CommandPage& page, bool reset) {
    if (reset) {
        answered_ = 0;
        roundLength_ = RoundLength;
        right_ = 0;
        previousPerson_ = -1;
    }
    if (activeVerbs_.empty() || activeTenses_.empty())
        return;
    currentVerb_ = activeVerbs_.size() == 1 ? activeVerbs_.front()
                                            : activeVerbs_[static_cast<std::size_t>(randomBelow(
                                                  static_cast<int>(activeVerbs_.size())))];
    page.setPageDefine("nr", std::to_string(answered_ + 1));
    page.setPageDefine("last", std::to_string(roundLength_));
    page.setPageDefine("Prozent", percent(right_, answered_));
    const bool typing = randomBelow(101) < 50 || !multipleChoiceAllowed();
    const std::optional<Question> question = drawTenseAndPerson();
    if (!question) {
        AppMessage("Für "_cp + Verb(currentVerb_).Infinitiv +
                   " gibt es in den gewählten Zeiten keine Formen."_cp);
        return;
    }
    question_ = *question;
    if (typing)
        askTyping(page, *question);
    else
        askMultipleChoice(page, *question);
}

void TVerben::askMultipleChoice(CommandPage& page, const Question& question) {
    std::vector<std::string> choices = {
        SplitAlternatives(Form(question.verb, question.tense, question.person).text).first};
    for (int attempt = 0; attempt < MaxDraws && choices.size() < Choices; ++attempt) {
        const std::optional<Question> other = drawTenseAndPerson();
        if (!other)
            break;
        std::string choice =
            SplitAlternatives(Form(other->verb, other->tense, other->person).text).first;
        if (std::find(choices.begin(), choices.end(), choice) == choices.end())
            choices.push_back(std::move(choice));
    }
    std::vector<std::string> links;
    for (std::size_t i = 0; i < choices.size(); ++i)
        links.push_back(i == 0 ? link("§[verb+]"_cp, choices[i])
                               : link("§verb["_cp + choices[i] + "]-", choices[i]));
    links.resize(Choices);
    for (int swap = 0; swap < 10; ++swap) {
        const int a = randomBelow(Choices);
        const int b = randomBelow(Choices);
        if (a != b)
            std::swap(links[static_cast<std::size_t>(a)], links[static_cast<std::size_t>(b)]);
    }
    page.setPageDefine("Aufgabe", taskText(question));
    for (int i = 0; i < Choices; ++i)
        page.setPageDefine("MCH" + std::to_string(i), links[static_cast<std::size_t>(i)]);
    page.loadPage("verb_mch.htx");
}

void TVerben::askTyping(CommandPage& page, const Question& question) {
    const auto [first, second] =
        SplitAlternatives(Form(question.verb, question.tense, question.person).text);
    const std::string pronoun = PronounOf(question.verb, question.tense, question.person);
    std::vector<std::string> accepted = {pronoun + first, first};
    if (!second.empty()) {
        accepted.push_back(second);
        accepted.push_back(pronoun + second);
    }
    // "él" and "ellos" stand for "ella" and "ellas" too.
    const char* feminine = pronoun == "él "_cp ? "ella " : pronoun == "ellos " ? "ellas " : nullptr;
    if (feminine) {
        accepted.push_back(feminine + first);
        if (!second.empty())
            accepted.push_back(feminine + second);
    }
    std::string lsg;
    for (const std::string& answer : accepted)
        lsg += (lsg.empty() ? "" : "; ") + answer;
    page.setPageDefine("Aufgabe", taskText(question));
    page.setPageDefine("lsg", lsg);
    page.setPageDefine("help", MaskWithDots(first));
    accepted_ = std::move(accepted);
    page.loadPage("verb_ein.htx");
}

void TVerben::Evaluate(CommandPage& page, std::string_view outcome) {
    ++answered_;
    page.setPageDefine("Aufgabe", taskText(question_));
    page.setPageDefine("nr", std::to_string(answered_));
    page.setPageDefine("last", std::to_string(roundLength_));
    const bool right = outcome.empty() || outcome.back() != '-';
    if (right)
        ++right_;
    page.setPageDefine("Kommentar", right ? "Absolut richtig!" : "Leider daneben!");
    const std::string typed = page.pageDefine(WrongAnswerDefine);
    const bool wanted = outcome == "-" && AccentHints && AccentHints(); // typed, given up
    const SlipReport slips =
        (wanted ? ReportSpellingSlips(typed, accepted_) : std::nullopt).value_or(SlipReport{});
    page.setPageDefine("Akzente", slips.description);
    page.setPageDefine("AkzentEingabe", slips.typedMarked);
    page.setPageDefine(WrongAnswerDefine, "");
    page.setPageDefine("Prozent", percent(right_, answered_));
    page.setPageDefine("Lösung"_cp, solutionLines(right));
    if (answered_ == roundLength_) {
        answered_ = 0;
        right_ = 0;
        page.setPageDefine("weiter", "Noch eine Runde?\?\?<br>" + link("§verbweiter"_cp, "Klar") +
                                         " &nbsp; " + link("verben.htx", "Lieber nicht"));
    } else {
        page.setPageDefine("weiter", "<a href=\"§verbweiter\" flash=flashcol return>Weiter</a>"_cp);
    }
    page.loadPage("verb_richtig.htx");
}

std::string TVerben::solutionLines(bool right) const {
    std::string lines;
    for (int person = 0; person < Persons; ++person) {
        const VerbForm& form = Form(question_.verb, question_.tense, person);
        if (person > 0)
            lines += "<br>";
        if (person != question_.person)
            lines += "<font size=4 color=#0>";
        else
            lines += right ? "<font size=4 color=#009900>" : "<font size=4 color=#993300>";
        lines += PronounOf(question_.verb, question_.tense, person) + form.text;
    }
    return lines;
}

} // namespace qor
