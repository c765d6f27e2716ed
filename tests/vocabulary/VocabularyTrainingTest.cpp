#include "vocabulary/VocabularyTraining.h"

#include "core/SharedRoutines.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/RecordingPage.h"

#include <gtest/gtest.h>
#include <map>

namespace qor {
namespace {
using namespace literals;

struct Answer {
    std::string word;
    char mode;
    int value;
};

class VocabularyTrainingTest : public ::testing::Test {
protected:
    void addWords(int count, bool german = false) {
        for (int i = 0; i < count; ++i) {
            TVokabel e;
            e.Vokabel = "palabra" + std::to_string(library.Count(false));
            e.Bedeutung[0] = "Wort" + std::to_string(library.Count(false));
            e.Deutsch = german;
            e.Schwierigkeit = 1;
            library.Add(e);
        }
        library.AddEmpty();
    }
    VocabularyTraining training() {
        TrainingServices services;
        services.isLoggedIn = [this] {
            return loggedIn;
        };
        services.recordAnswer = [this](const std::string& word, bool, char mode, int value, int) {
            answers.push_back({word, mode, value});
        };
        services.random = [this](int range) {
            return static_cast<int>(next++ % range);
        };
        services.accentHints = [this] {
            return accentHints;
        };
        // Spanish words are spoken; German ones have nothing to hear.
        services.soundTarget = [this](const std::string& word, bool spanish) {
            return speaks && spanish ? "speak:" + word : std::string();
        };
        VocabularyTraining t(library, settings, nullptr, services);
        t.setPage(&page);
        return t;
    }
    void settingsFor(int modus, int perRound, int multipleChoice) {
        settings.ReadSettings(registry);
        settings.Modus = static_cast<std::uint8_t>(modus);
        settings.ProRunde = perRound;
        settings.MultipleChoice = multipleChoice;
        settings.Von = 0;
        settings.Bis = -1;
        settings.Kontext = false;
    }

    ScriptedMessages messages;
    MemoryRegistry registry;
    TBibliothek library{std::make_unique<TLastFiles>(registry)};
    TVocEinstellungen settings;
    test::RecordingPage page;
    std::vector<Answer> answers;
    bool loggedIn = true;
    bool accentHints = true;
    bool speaks = false;
    unsigned next = 0;
};

TEST_F(VocabularyTrainingTest, TheStartIsCheckedFirst) {
    settingsFor(2, 10, 0);
    library.Clear(true);
    EXPECT_FALSE(training().PreCheck());
    addWords(7);
    settings.Richtung = 0; // German words only
    EXPECT_FALSE(training().PreCheck());
    settings.Richtung = 2;
    EXPECT_TRUE(training().PreCheck());
    EXPECT_EQ(settings.ProRunde, 7); // the round shrinks to what there is
    library.Clear(true);
    addWords(5);
    settings.Bis = -1; // a new library's range
    settings.ProRunde = 10;
    EXPECT_FALSE(training().PreCheck());
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{
                  "Noch keine Bibliothek geladen! Was soll ich abfragen?\?\?!",
                  "Keine Vokabel(n) aktiv!!!", "Nicht genug Vokabeln pro Runde vorhanden!!!"}));
}

TEST_F(VocabularyTrainingTest, RandomRoundsAskWrongQuestionsAgainUntilAllAreSolved) {
    library.Clear(false);
    addWords(6);
    settingsFor(2, 6, 0); // all typed
    VocabularyTraining t = training();
    ASSERT_TRUE(t.PreCheck());
    t.Start();
    t.NextQuestion(true, settings.ProRunde);
    EXPECT_EQ(page.current(), "va_ein.htx");
    EXPECT_EQ(page.defines["Zähler"_cp], "1 / 6");
    const std::string first = t.Slot(t.CurrentSlot()).Frage.Vokabel;
    EXPECT_EQ(page.defines["Aufgabe"], first);
    EXPECT_EQ(page.defines["lsg"], t.Slot(t.CurrentSlot()).Frage.Bedeutung[0]);

    // The first question wrong twice, everything else right at once.
    int rounds = 0;
    std::vector<int> valuesOfFirst;
    for (int guard = 0; guard < 40; ++guard) {
        if (page.current() == "v_auswertung.htx") {
            if (page.defines["text3"].find("vcontinue") == std::string::npos)
                break;
            ++rounds;
            t.NextRound();
            continue;
        }
        const bool isFirst = t.Slot(t.CurrentSlot()).Frage.Vokabel == first;
        const bool wrong = isFirst && t.Slot(t.CurrentSlot()).Fehler < 2;
        t.Answer(wrong ? "-" : "#1+");
        if (isFirst)
            valuesOfFirst.push_back(answers.back().value);
        EXPECT_EQ(page.current(), wrong ? "va_falsch1.htx" : "va_richtig.htx");
        t.Continue();
    }
    EXPECT_EQ(valuesOfFirst, (std::vector<int>{-15, -16, 23}));
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(page.defines["runde"], "100");
    EXPECT_NE(page.defines["text3"].find("\xA7vabfrage"), std::string::npos);
}

TEST_F(VocabularyTrainingTest, OrderedTrainingPutsAWrongQuestionAtTheEnd) {
    library.Clear(false);
    addWords(3);
    settingsFor(0, 0, 0);
    VocabularyTraining t = training();
    ASSERT_TRUE(t.PreCheck());
    t.Start();
    t.NextQuestion(true, 0);
    std::vector<std::string> asked;
    for (int guard = 0; guard < 10 && page.current() != "v_auswertung.htx"; ++guard) {
        asked.push_back(t.Slot(0).Frage.Vokabel);
        t.Answer(asked.size() == 1 ? "-" : "#2+");
        t.Continue();
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"palabra0", "palabra1", "palabra2", "palabra0"}));
    EXPECT_EQ(page.defines["text1"], "Congratulations!");
    EXPECT_EQ(page.defines["text2"],
              "Der Abschnitt enthielt 3 Vokabeln. Dafür wurden 4 Versuche benötigt."_cp);
}

TEST_F(VocabularyTrainingTest, ChoicesContextsAndTheEvaluation) {
    library.Clear(false);
    addWords(8);
    library.setKontext(0, 0, "Esto es una [*].");
    library.setKtxDazu(0, 0, true);
    settingsFor(0, 0, 101); // all multiple choice
    VocabularyTraining t = training();
    t.Evaluate(0);
    EXPECT_EQ(page.defines["runde"], "0");
    EXPECT_EQ(page.defines["balken-runde"], "");
    EXPECT_EQ(page.defines["balken-insgesamt"], "");
    EXPECT_EQ(page.defines["text3"], "<a href=\"-\" >Zurück</a>"_cp);

    ASSERT_TRUE(t.PreCheck());
    t.Start();
    t.NextQuestion(true, 0);
    EXPECT_EQ(page.current(), "va_mch.htx");
    int right = 0;
    std::string wrongLink;
    for (int i = 0; i < 6; ++i) {
        const std::string& link = page.defines["MCH" + std::to_string(i)];
        right += link.find("\xA7[vokabel+]") != std::string::npos;
        if (link.find("]-") != std::string::npos && wrongLink.empty())
            wrongLink = link;
    }
    EXPECT_EQ(right, 1);
    // The wrong choice the page sends back names its entry.
    const std::size_t open = wrongLink.find("vokabel[");
    t.Answer(wrongLink.substr(open + 7, wrongLink.find("]-") - open - 5));
    EXPECT_EQ(page.current(), "va_falsch2.htx");
    EXPECT_NE(page.defines["Falsch"].find("Wort"), std::string::npos);
    EXPECT_EQ(answers.back().mode, 'm');
    EXPECT_EQ(answers.back().value, -12);

    // A context question asks the word itself, with its meaning as tip.
    settings.MultipleChoice = 0;
    settings.Kontext = true;
    t.Start();
    t.NextQuestion(true, 0);
    EXPECT_EQ(page.current(), "va_kontext.htx");
    EXPECT_EQ(page.defines["Wortart"], "Wort0");
    EXPECT_EQ(page.defines["Aufgabe"], "Esto es una <a gap lsg=\"palabra0\" help=\"" +
                                           MaskWithDots("palabra0") +
                                           "\" tip=\"Wort0\" reaction=\"vokabel\">palabra0</a>.");
    t.Answer("#1+");
    EXPECT_EQ(page.defines["Kontext"], "Esto es una <u>palabra0</u>.");
    t.Evaluate(0);
    // A new training counts afresh.
    EXPECT_EQ(page.defines["insgesamt"], "100");
    EXPECT_EQ(page.defines["balken-insgesamt"], "<box coords=418,170,300,20 color=balken>");
    EXPECT_TRUE(page.conditions["insgesamt"]);
}

// What the typing field leaves in "Eingabe" when it gives up decides
// whether the wrong-answer page tells a slip of spelling from a mistake.
TEST_F(VocabularyTrainingTest, AWrongTypedAnswerIsToldItsSpellingSlips) {
    library.Clear(false);
    addWords(3);
    settingsFor(0, 0, 0); // all typed
    VocabularyTraining t = training();
    ASSERT_TRUE(t.PreCheck());
    t.Start();
    const auto answerTyped = [&](std::string_view typed) {
        t.NextQuestion(true, 0);
        page.setPageDefine("Eingabe", std::string(typed));
        t.Answer("-");
        EXPECT_EQ(page.current(), "va_falsch1.htx");
        EXPECT_EQ(page["Eingabe"], "");
    };
    speaks = true;
    answerTyped("wort0");
    EXPECT_TRUE(page["Richtig"].starts_with("<+normal><a href=\"speak:palabra0\" >palabra0 </a>"));
    EXPECT_EQ(page["Akzente"], "Nur die Groß- und Kleinschreibung stimmt nicht."_cp);
    EXPECT_EQ(page["AkzentEingabe"], "<+fehler>w<+normal>ort0");
    EXPECT_EQ(page["AkzentLoesung"], "<+fehler>W<+normal>ort0");
    EXPECT_EQ(answers.back().value, -15); // still wrong

    for (const std::string_view typed : {"Wort9", "", "wort0"}) {
        accentHints = typed != "wort0";
        answerTyped(typed);
        EXPECT_EQ(page["Akzente"], "");
        EXPECT_EQ(page["AkzentLoesung"], "");
    }
}

// The ordered modes count every active entry, which may be more than the
// training has slots; the evaluation must not look beyond them.
TEST_F(VocabularyTrainingTest, ALibraryLargerThanTheSlotsIsEvaluatedMidwayAndAtTheEnd) {
    library.Clear(false);
    const int count = VocabularyTraining::Slots + 50;
    addWords(count);
    settingsFor(0, 0, 0);
    VocabularyTraining t = training();
    ASSERT_TRUE(t.PreCheck());
    t.Start();
    t.NextQuestion(true, 0);
    EXPECT_EQ(page.defines["Zähler"_cp], "1 / " + std::to_string(count));
    t.Answer("#1+");
    t.Evaluate(0);
    EXPECT_EQ(page.current(), "v_auswertung.htx");

    int asked = 1;
    for (t.Continue(); page.current() != "v_auswertung.htx" && asked < 2 * count; t.Continue()) {
        t.Answer("#1+");
        ++asked;
    }
    EXPECT_EQ(asked, count);
    EXPECT_EQ(page.defines["insgesamt"], "100");
}

} // namespace
} // namespace qor
