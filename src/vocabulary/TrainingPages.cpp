// The pages of a training: the question pages, the answer pages and the
// evaluation, written through the page's variables.

#include "core/SharedRoutines.h"
#include "page/exercises/SpellingSlips.h"
#include "page/model/PageModel.h"
#include "platform/Text.h"
#include "vocabulary/Solutions.h"
#include "vocabulary/VocabularyTraining.h"

#include <algorithm>

namespace qor {
using namespace literals;

namespace {

std::string joined(const SolutionList& solutions) {
    std::string text;
    for (const std::string& solution : solutions)
        text += (text.empty() ? "" : "; ") + solution;
    return text;
}

// The tag of the answer pages: "[Nomen]", "[Redewendung]" ...
std::string classTag(int wordClass) {
    static const char* const tags[WordClass::Count] = {
        "[Nomen]", "[Verb]", "[Adj./Adv.]", "[kl. Wort]", "[Redewendung]", "[Redewendung]"};
    return wordClass >= 0 && wordClass < WordClass::Count ? tags[wordClass] : "";
}

// The first "[" or "(" and the last closing bracket of the same kind.
struct Span {
    std::size_t open = std::string::npos;
    std::size_t close = std::string::npos;
};
Span spanOf(const std::string& sentence) {
    const std::size_t open = sentence.find_first_of("[(");
    if (open == std::string::npos)
        return {};
    const std::size_t close = sentence.rfind(sentence[open] == '[' ? ']' : ')');
    if (close == std::string::npos || close < open)
        return {};
    return {open, close};
}

} // namespace

std::string VocabularyTraining::wordWithSound(const std::string& word, bool spanish) const {
    const std::string target =
        services_.soundTarget ? services_.soundTarget(word, spanish) : std::string();
    return target.empty() ? word : "<a href=\"" + target + "\" >" + word + "</a>";
}

void VocabularyTraining::showCounters(int asked) {
    page_->setPageDefine("Zähler"_cp, std::to_string(asked + 1) + " / " + std::to_string(n_));
}

void VocabularyTraining::NextQuestion(bool fresh, int size) {
    if (!page_)
        return;
    if (size > 0)
        n_ = size;
    if (fresh) {
        fragen_ = antworten_ = rundeAntworten_ = rundeRichtig_ = richtige_ = runde_ = 0;
        rundenGroesse_ = {};
        rundenGroesse_[0] = n_;
        slot_ = random(usedSlots());
    }
    if (settings_.Modus != 2) {
        slot_ = 0;
        n_ = activeCount();
    }
    showCounters(fragen_);
    page_->setPageDefine(
        "Prozent", antworten_ == 0 ? "0%" : std::to_string(richtige_ * 100 / antworten_) + "%");
    kontextsatz_.clear();
    const TVocAufgabe& task = slot(slot_);
    if (random(101) < settings_.MultipleChoice)
        askChoice(task);
    else
        askTyped(task);
}

void VocabularyTraining::askChoice(const TVocAufgabe& task) {
    page_->setPageDefine("Aufgabe", wordWithSound(task.Frage.Vokabel, !task.Frage.Deutsch));
    if (task.Frage.Wortart < WordClass::Count)
        page_->setPageDefine("Wortart", WordClassName(task.Frage.Wortart));
    std::array<std::string, 6> links;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const std::string& meaning = task.Auswahl[i].Bedeutung[0];
        links[i] = (i == 0 ? "<a href=\"\xA7[vokabel+]\" >"
                           : "<a href=\"\xA7vokabel[" + meaning + "]-\" >") +
                   meaning + "</a>";
    }
    for (int k = 0; k < 10; ++k) {
        const int a = random(6);
        const int b = random(6);
        std::swap(links[static_cast<std::size_t>(a)], links[static_cast<std::size_t>(b)]);
    }
    for (std::size_t i = 0; i < links.size(); ++i)
        page_->setPageDefine("MCH" + std::to_string(i), links[i]);
    page_->loadPage("va_mch.htx");
}

void VocabularyTraining::askTyped(const TVocAufgabe& task) {
    if (settings_.Kontext && askContext(task))
        return;
    SolutionList solutions;
    ExpandMeanings(task.Frage.Bedeutung[0], solutions);
    ExpandMeanings(task.Frage.Bedeutung[1], solutions);
    page_->setPageDefine("Aufgabe", wordWithSound(task.Frage.Vokabel, !task.Frage.Deutsch));
    if (task.Frage.Wortart < WordClass::Count)
        page_->setPageDefine("Wortart", WordClassName(task.Frage.Wortart));
    page_->setPageDefine("lsg", joined(solutions));
    page_->setPageDefine("help", solutions.empty() ? "" : MaskWithDots(solutions.front()));
    loesungen_ = std::move(solutions);
    page_->loadPage("va_ein.htx");
}

bool VocabularyTraining::askContext(const TVocAufgabe& task) {
    const std::array<Span, 2> spans = {spanOf(task.Frage.Kontext[0]),
                                       spanOf(task.Frage.Kontext[1])};
    const bool first = spans[0].open != std::string::npos;
    const bool second = spans[1].open != std::string::npos;
    if (!first && !second)
        return false;
    const std::size_t k = first && second ? static_cast<std::size_t>(random(2)) : first ? 0 : 1;
    const std::string& sentence = task.Frage.Kontext[k];
    const Span span = spans[k];
    std::string gap = sentence.substr(span.open + 1, span.close - span.open - 1);
    for (std::size_t star; (star = gap.find('*')) != std::string::npos;)
        gap.replace(star, 1, task.Frage.Vokabel);
    SolutionList solutions;
    ExpandMeanings(gap, solutions);
    const std::string first0 = solutions.empty() ? std::string() : solutions.front();
    const std::string tip = task.Frage.KtxDazu[k] ? task.Frage.Bedeutung[0] : std::string();
    const std::string before = sentence.substr(0, span.open);
    const std::string after = sentence.substr(span.close + 1);
    kontextsatz_ = before + "<u>" + gap + "</u>" + after;
    page_->setPageDefine("lsg", joined(solutions));
    page_->setPageDefine("Aufgabe", before + "<a gap lsg=\"" + joined(solutions) + "\" help=\"" +
                                        MaskWithDots(first0) + "\" tip=\"" + tip +
                                        "\" reaction=\"vokabel\">" + first0 + "</a>" + after);
    page_->setPageDefine("Wortart", tip);
    loesungen_ = std::move(solutions);
    page_->loadPage("va_kontext.htx");
    return true;
}

void VocabularyTraining::Answer(const std::string& text) {
    if (!page_)
        return;
    ++antworten_;
    ++rundeAntworten_;
    const bool right = text.ends_with('+');
    const bool typed =
        text == "-" || (text.size() > 1 && text[0] == '#' && text[1] >= '1' && text[1] <= '9');
    TVocAufgabe& task = slot(slot_);
    if (services_.isLoggedIn && services_.isLoggedIn() && services_.recordAnswer) {
        const int value = typed ? (right ? 25 : -15) - task.Fehler : (right ? 12 : -12);
        services_.recordAnswer(task.Frage.Vokabel, task.Frage.Deutsch, typed ? 'e' : 'm', value,
                               task.Frage.Wortart);
    }
    if (right) {
        ++richtige_;
        ++rundeRichtig_;
        task.Fehler = -1;
    } else {
        ++task.Fehler;
    }
    page_->setPageDefine("Aufgabe", "");
    showCounters(fragen_);
    page_->setPageDefine("Prozent", std::to_string(richtige_ * 100 / (fragen_ + 1)) + "%");
    page_->setPageDefine("Richtig", answerLine(task.Frage));
    page_->setPageDefine("Kontext", kontextsatz_);
    if ((!right || typed) && text.size() >= 3) {
        const int chosen = MatchChoice(text.substr(1, text.size() - 3), task.Auswahl);
        if (chosen >= 0)
            page_->setPageDefine("Falsch",
                                 answerLine(task.Auswahl[static_cast<std::size_t>(chosen)]));
    }
    showSpellingSlips(typed && !right ? page_->pageDefine(WrongAnswerDefine) : std::string());
    page_->loadPage(right ? "va_richtig.htx" : typed ? "va_falsch1.htx" : "va_falsch2.htx");
    letzteAntwort_ = text;
}

void VocabularyTraining::showSpellingSlips(const std::string& typed) {
    const bool wanted = services_.accentHints && services_.accentHints();
    const SlipReport report =
        (wanted ? ReportSpellingSlips(typed, loesungen_) : std::nullopt).value_or(SlipReport{});
    page_->setPageDefine("Akzente", report.description);
    page_->setPageDefine("AkzentEingabe", report.typedMarked);
    page_->setPageDefine("AkzentLoesung", report.solutionMarked);
    page_->setPageDefine(WrongAnswerDefine, "");
}

std::string VocabularyTraining::answerLine(const TVokabel& entry) const {
    std::string line = "<+normal>";
    const std::string target = services_.soundTarget
                                   ? services_.soundTarget(entry.Vokabel, !entry.Deutsch)
                                   : std::string();
    line +=
        target.empty() ? entry.Vokabel : "<a href=\"" + target + "\" >" + entry.Vokabel + " </a>";
    line += " <+kommentar> " + classTag(entry.Wortart) + "<p><+normal>";
    std::string meanings = entry.Bedeutung[0];
    if (!entry.Bedeutung[1].empty())
        meanings += "; " + entry.Bedeutung[1];
    if (!entry.Deutsch)
        return line + meanings;
    // Spanish meanings: each piece with its comment set apart and its sound.
    std::string pieces;
    while (!meanings.empty()) {
        const std::size_t semicolon = meanings.find(';');
        std::string piece = meanings.substr(0, semicolon);
        while (!piece.empty() && piece.back() == ' ')
            piece.pop_back();
        std::string comment;
        if (piece.starts_with('[') && piece.find(']') != std::string::npos) {
            comment = piece.substr(0, piece.find(']') + 1);
            piece = std::string(TrimBlanks(piece.substr(comment.size())));
        } else if (piece.ends_with(']') && piece.rfind('[') != std::string::npos) {
            comment = piece.substr(piece.rfind('['));
            piece = std::string(TrimBlanks(piece.substr(0, piece.rfind('['))));
        }
        if (!pieces.empty())
            pieces += "; ";
        if (!comment.empty())
            pieces += "<+kommentar>" + comment + "<+normal> ";
        pieces += wordWithSound(piece, true);
        meanings = semicolon == std::string::npos
                       ? std::string()
                       : meanings.substr(std::min(semicolon + 2, meanings.size()));
    }
    return line + pieces;
}

void VocabularyTraining::Evaluate(int kind) {
    if (!page_)
        return;
    const int total = antworten_ == 0 ? 0 : richtige_ * 100 / antworten_;
    int round = total;
    std::string text1, text2, text3;
    const int q = rundenGroesse_[static_cast<std::size_t>(runde_)];
    int w = 0;
    for (int s = 0; s < usedSlots(); ++s)
        w += slot(s).Fehler == runde_ + 1;
    const std::string roundText = "Runde " + std::to_string(runde_ + 1) + " beendet<br>" +
                                  "Sie enthielt " + std::to_string(q) + " Vokabeln.";
    switch (kind) {
    case 0:
        round = rundeAntworten_ == 0 ? 0 : rundeRichtig_ * 100 / rundeAntworten_;
        text3 = "<a href=\"-\" >Zurück</a>"_cp;
        page_->setPageCondition("insgesamt", false);
        break;
    case 1:
        round = q == 0 ? 0 : (q - w) * 100 / q;
        text1 = roundText;
        text2 = "Davon wurden " + std::to_string(q - w) + " gelöst!"_cp;
        text3 = "<a href=\"\xA7vcontinue\" >Weiter</a>";
        break;
    case 2:
        round = 100;
        text1 = roundText;
        text2 = "Davon wurden alle Vokabeln gelöst!"_cp;
        text3 = "Noch 'ne Runde?<br><a href=\"\xA7vabfrage\" >Klar</a> | <a "
                "href=\"vokabeln.htx\" >Lieber nicht</a>";
        break;
    default:
        text1 = "Congratulations!";
        text2 = "Der Abschnitt enthielt " + std::to_string(activeCount()) + " Vokabeln. " +
                "Dafür wurden "_cp + std::to_string(fragen_) + " Versuche benötigt."_cp;
        text3 = "<a href=\"vokabeln.htx\" >Zurück</a>"_cp;
        break;
    }
    page_->setPageCondition("insgesamt", true);
    if (kind == 1 && services_.isLoggedIn && services_.isLoggedIn()) {
        library_.LoadScores();
        if (!PreCheck())
            text3 = "Keine Vokabeln mehr übrig!"_cp;
    }
    page_->setPageDefine("runde", std::to_string(round));
    page_->setPageDefine("insgesamt", std::to_string(total));
    page_->setPageDefine("text1", text1);
    page_->setPageDefine("text2", text2);
    page_->setPageDefine("text3", text3);
    page_->setPageDefine(
        "balken-runde",
        round <= 0 ? "" : "<box coords=50,170," + std::to_string(3 * round) + ",20 color=balken>");
    page_->setPageDefine(
        "balken-insgesamt",
        total <= 0 ? "" : "<box coords=418,170," + std::to_string(3 * total) + ",20 color=balken>");
    page_->loadPage("v_auswertung.htx");
}

} // namespace qor
