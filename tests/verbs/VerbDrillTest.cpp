#include "core/CommandPage.h"
#include "platform/Random.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/RecordingPage.h"
#include "verbs/Verben.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace qor {
namespace {
using namespace literals;

class VerbDrill : public ::testing::Test {
protected:
    VerbDrill() { RandSeed(7); }
    MemoryRegistry registry;
    ScriptedMessages messages;
    TVerben verben{registry, Random};
    test::RecordingPage page;
};

TEST_F(VerbDrill, TheSelectionComesFromTheStoreAndIsPadded) {
    EXPECT_EQ(verben.VerbSelection(), std::string(58, '+'));
    EXPECT_EQ(verben.TenseSelection(), std::string(16, '+'));
    registry.writeString(TVerben::RegistryKey, "Verben", "+-+");
    registry.writeString(TVerben::RegistryKey, "Zeiten", "-+");
    verben.LoadSelection();
    EXPECT_EQ(verben.VerbSelection(), "+-+" + std::string(55, '-'));
    EXPECT_EQ(verben.TenseSelection(), "-+" + std::string(14, '-'));

    verben.SetVerbSelection(std::string(58, '-'));
    EXPECT_FALSE(verben.BuildActiveLists());
    verben.SetVerbSelection("+");
    verben.SetTenseSelection(std::string(16, '-'));
    EXPECT_FALSE(verben.BuildActiveLists());
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Keine Verben aktiviert! Was soll ich abfragen?\?\?!",
                                        "Keine Zeiten aktiviert! Was soll ich abfragen?\?\?!"}));
}

// With the participles alone every question is typed; the participle is
// accepted twice, without a pronoun.
TEST_F(VerbDrill, AParticipleQuestionIsTyped) {
    verben.SetVerbSelection("++++");
    verben.SetTenseSelection("--------------+-");
    ASSERT_TRUE(verben.BuildActiveLists());
    for (int question = 0; question < 10; ++question) {
        verben.NextQuestion(page, question == 0);
        ASSERT_EQ(page.current(), "verb_ein.htx");
        if (page["Aufgabe"].starts_with("Participio")) {
            EXPECT_EQ(page["Aufgabe"], "Participio<br>von<br>" +
                                           page["Aufgabe"].substr(page["Aufgabe"].rfind('>') + 1));
            const std::string lsg = page["lsg"];
            EXPECT_EQ(lsg.substr(0, lsg.find(';')), lsg.substr(lsg.find("; ") + 2));
            return;
        }
    }
    FAIL() << "no participle was asked";
}

// The third persons accept "ella" and "ellas"; alternatives are accepted
// with and without the pronoun.
TEST_F(VerbDrill, TypedAnswersIncludeFeminineAndAlternatives) {
    verben.SetVerbSelection("+"); // haber
    verben.SetTenseSelection("-----+");
    ASSERT_TRUE(verben.BuildActiveLists());
    bool sawThirdSingular = false;
    for (int question = 0; question < 30 && !sawThirdSingular; ++question) {
        verben.NextQuestion(page, false);
        if (page["Aufgabe"].starts_with("3. Person Singular")) {
            EXPECT_EQ(page["lsg"], "él hubiera; hubiera; hubiese; él hubiese; ella hubiera; "
                                   "ella hubiese"_cp);
            sawThirdSingular = true;
        }
    }
    EXPECT_TRUE(sawThirdSingular);
}

TEST_F(VerbDrill, MultipleChoiceOffersSixDifferentForms) {
    verben.SetVerbSelection("++++");
    verben.SetTenseSelection("++++");
    ASSERT_TRUE(verben.BuildActiveLists());
    for (int question = 0; question < 20; ++question) {
        verben.NextQuestion(page, false);
        if (page.current() != "verb_mch.htx")
            continue;
        std::set<std::string> choices;
        int right = 0;
        for (int i = 0; i < 6; ++i) {
            const std::string choice = page["MCH" + std::to_string(i)];
            choices.insert(choice.substr(choice.find('>') + 1));
            right += choice.find("[verb+]") != std::string::npos;
        }
        EXPECT_EQ(choices.size(), 6u);
        EXPECT_EQ(right, 1);
        return;
    }
    FAIL() << "no multiple-choice question in twenty";
}

// Ten answers make a round; the answer page counts and then offers another.
TEST_F(VerbDrill, ARoundHasTenAnswers) {
    ASSERT_TRUE(verben.BuildActiveLists());
    verben.NextQuestion(page, true);
    EXPECT_EQ(page["nr"], "1");
    EXPECT_EQ(page["Prozent"], "");
    verben.Evaluate(page, "#1+");
    EXPECT_EQ(page.current(), "verb_richtig.htx");
    EXPECT_EQ(page["Kommentar"], "Absolut richtig!");
    EXPECT_EQ(page["Prozent"], "100%");
    EXPECT_NE(page["weiter"].find("return>Weiter"), std::string::npos);
    for (int answer = 2; answer <= 10; ++answer) {
        verben.NextQuestion(page, false);
        verben.Evaluate(page, "[x]-");
    }
    EXPECT_EQ(page["Kommentar"], "Leider daneben!");
    EXPECT_EQ(page["Prozent"], "10%");
    EXPECT_TRUE(page["weiter"].starts_with("Noch eine Runde?\?\?"));
    verben.NextQuestion(page, false);
    EXPECT_EQ(page["nr"], "1");
}

// A typed form given up with only its capitals wrong is told so, when the
// hints are wanted; the comment stays the plain one.
TEST_F(VerbDrill, ATypedFormWithSlipsIsToldSo) {
    ASSERT_TRUE(verben.BuildActiveLists());
    bool hints = true;
    verben.AccentHints = [&hints] {
        return hints;
    };
    for (int question = 0; question < 40 && page.current() != "verb_ein.htx"; ++question)
        verben.NextQuestion(page, false);
    ASSERT_EQ(page.current(), "verb_ein.htx");
    const std::string form = page["lsg"].substr(0, page["lsg"].find(';'));
    const std::string shouted = upperCase(form);
    ASSERT_NE(shouted, form);
    page.setPageDefine("Eingabe", shouted);
    verben.Evaluate(page, "-");
    EXPECT_EQ(page["Kommentar"], "Leider daneben!");
    EXPECT_EQ(page["Akzente"], "Nur die Groß- und Kleinschreibung stimmt nicht."_cp);
    EXPECT_TRUE(page["AkzentEingabe"].starts_with("<+fehler>"));
    EXPECT_EQ(page["Eingabe"], "");

    hints = false;
    page.setPageDefine("Eingabe", shouted);
    verben.Evaluate(page, "-");
    EXPECT_EQ(page["Akzente"], "");
}

TEST_F(VerbDrill, TableAndListPages) {
    verben.ShowVerbTable(page, 4); // comprar
    EXPECT_EQ(page.current(), "verbtafel.htx");
    EXPECT_EQ(page["Infinitiv"], "comprar");
    EXPECT_EQ(page["zeit6"],
              "<+zeit>Imperativo<p><+irr>&nbsp; <br><+reg>¡compra!<br><+reg>¡compre!<br>"
              "<+reg>¡compremos!<br><+reg>¡comprad!<br><+reg>¡compren!<br>"_cp);
    EXPECT_TRUE(page["pron"].starts_with("<+zeit>&nil;<p><+reg>yo<br>"));
    EXPECT_EQ(verben.ShownVerb(), 4);

    verben.ShowVerbList(page);
    EXPECT_EQ(page.current(), "verbliste.htx");
    EXPECT_EQ(page["VerbListe1"], ""); // emptied once the page holds it
    EXPECT_TRUE(page["VerbListe6"].starts_with("<a href=\"§showverb75\""_cp));
}

} // namespace
} // namespace qor
