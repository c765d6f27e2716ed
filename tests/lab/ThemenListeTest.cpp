// The language lab without a window: the phrase data as read, the choice of
// topic and sentence, the variables the lab's pages get, the commands and the
// dictation's check of what was typed.

#include "lab/ThemenListe.h"

#include "FakeMci.h"
#include "ScriptedSpeech.h"
#include "core/CommandTable.h"
#include "core/Configuration.h"
#include "lab/LabCommands.h"
#include "page/exercises/AnswerCheck.h"
#include "page/model/Attributes.h"
#include "page/model/ZipResource.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/RecordingPage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace qor {
namespace {
using namespace literals;

// Phrase data as the resource holds it: every line ends in a zero byte.
std::string phraseData(const std::vector<std::string>& lines) {
    std::string data;
    for (const std::string& line : lines)
        data += line + '\0';
    return data;
}

std::string sentence(const std::string& spanish, int number, const std::string& variant = "",
                     const std::string& hint = "") {
    return phraseData({spanish, variant, hint, "Deutsch " + std::to_string(number),
                       "XS:\\LA\\1\\sl____" + std::to_string(number) + "a.wav"});
}

// Random numbers handed out in order, then always 0.
struct ScriptedRandom {
    std::vector<int> numbers;
    std::size_t next = 0;
    int operator()(int) { return next < numbers.size() ? numbers[next++] : 0; }
};

class ThemenListeTest : public ::testing::Test {
protected:
    std::unique_ptr<TThemenListe> make(const std::string& data, std::vector<int> random = {}) {
        TZIPResource resource = TZIPResource::fromPacked(deflateZlib(data));
        script = std::make_shared<ScriptedRandom>(ScriptedRandom{std::move(random)});
        return std::make_unique<TThemenListe>(resource, config, registry,
                                              [s = script](int range) { return (*s)(range); });
    }
    // Three topics: one of three sentences, one of one, one of 25.
    std::string threeTopics() {
        std::string data = phraseData({"junk before the first topic", "****  Kontakte  "});
        data += sentence("¿Cómo te llamas?"_cp, 0) + sentence("Hola.", 1) +
                sentence("Tengo veintisiete años."_cp, 2, "Tengo 27 años."_cp, "T.... ..") +
                phraseData({"****Floskeln"}) + sentence("", 3, "", " ") +
                phraseData({"****Zeit und Klima"});
        for (int i = 0; i < 25; ++i)
            data += sentence("Frase " + std::to_string(i) + ".", 10 + i);
        return data;
    }

    test::TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor-spanisch", dir.path()};
    std::shared_ptr<ScriptedRandom> script;
    test::RecordingPage page;
};

TEST_F(ThemenListeTest, PhraseDataIsReadTopicBySentence) {
    auto lab = make(threeTopics());
    const std::vector<TThema>& themen = lab->Themen();
    ASSERT_EQ(themen.size(), 3u) << "lines before the first topic are passed over";
    EXPECT_EQ(themen[0].Name, "Kontakte");
    ASSERT_EQ(themen[0].Saetze.size(), 3u);
    const TSatz& llamas = themen[0].Saetze[0];
    EXPECT_EQ(llamas.Deutsch, "Deutsch 0");
    EXPECT_EQ(llamas.Aufnahme, "XS:\\LA\\1\\sl____0a.wav");
    // An empty hint is the sentence's dot mask: "¿", blanks and "?" stay.
    EXPECT_EQ(llamas.Hilfe.size(), llamas.Spanisch.size());
    EXPECT_EQ(llamas.Hilfe.substr(0, 2), "\xBF.");
    EXPECT_EQ(llamas.Hilfe.substr(llamas.Hilfe.size() - 1), "?");
    EXPECT_EQ(llamas.Hilfe[5], ' ');
    EXPECT_EQ(themen[0].Saetze[2].Hilfe, "T.... ..") << "a written hint stays";
    // An empty sentence reads as an error mark; a one-blank hint is a mask too.
    EXPECT_EQ(themen[1].Saetze[0].Spanisch, "FEHLER!");
    EXPECT_EQ(themen[1].Saetze[0].Hilfe.size(), 7u);

    EXPECT_TRUE(make(std::string("no zlib stream"))->Themen().empty());
}

TEST_F(ThemenListeTest, SentencesComeBackOnlyAfterTheOthers) {
    // Five draws in a topic of three: a drawn number that is among the last
    // two is drawn again.
    auto lab = make(threeTopics(), {0, 0, 1, 1, 0, 2, 0});
    EXPECT_EQ(lab->Satz(), 0);
    std::vector<int> shown;
    for (int i = 0; i < 3; ++i) {
        lab->NextSentence();
        shown.push_back(lab->Satz());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 0}));

    // A topic of one sentence always shows it; choosing the shown topic keeps
    // the sentence; a topic the data has not changes nothing.
    lab->ChooseTopic(1);
    lab->NextSentence();
    EXPECT_EQ(lab->Satz(), 0);
    script->numbers = {7};
    script->next = 0;
    lab->ChooseTopic(2);
    EXPECT_EQ(lab->Satz(), 7);
    lab->ChooseTopic(2);
    lab->ChooseTopic(20);
    EXPECT_EQ(lab->Thema(), 2);
    EXPECT_EQ(lab->Satz(), 7);
}

TEST_F(ThemenListeTest, NoSentenceComesBackWithinNineteenDraws) {
    std::mt19937 generator(7);
    TZIPResource resource = TZIPResource::fromPacked(deflateZlib(threeTopics()));
    TThemenListe lab(resource, config, registry, [&generator](int range) {
        return std::uniform_int_distribution<int>(0, range - 1)(generator);
    });
    lab.ChooseTopic(2);
    std::vector<int> shown{lab.Satz()};
    for (int i = 0; i < 60; ++i) {
        lab.NextSentence();
        shown.push_back(lab.Satz());
    }
    for (std::size_t i = 19; i < shown.size(); ++i)
        for (std::size_t j = i - 18; j < i; ++j)
            EXPECT_NE(shown[i], shown[j]) << "draw " << i;
}

TEST_F(ThemenListeTest, TheSentencePageGetsItsVariables) {
    config.Extras.Speech = false; // the recordings alone
    config.WaveDir = dir.path() + "wave/";
    dir.file("wave/LA/1/sl____2b.wav", "RIFF");
    auto lab = make(threeTopics(), {2});
    lab->ShowSentence(page);
    EXPECT_EQ(page.defines["Thema"], "Kontakte");
    EXPECT_EQ(page.defines["LabSatz"], "Tengo veintisiete años."_cp);
    EXPECT_EQ(page.defines["LabDeutsch"], "Deutsch 2");
    EXPECT_EQ(page.defines["lsg"], "Tengo veintisiete años.; Tengo 27 años."_cp);
    EXPECT_EQ(page.defines["help"], "T.... ..");
    // The normal-speed file is there, the slow one is not.
    EXPECT_EQ(page.defines["Normal"], dir.path() + "wave/LA/1/sl____2b.wav");
    EXPECT_TRUE(page.conditions["normal"]);
    EXPECT_EQ(page.defines["Langsam"], "");
    EXPECT_FALSE(page.conditions["langsam"]);
    EXPECT_TRUE(page.conditions["diktat"]);
    EXPECT_TRUE(page.conditions["deutsch"]);
    EXPECT_FALSE(page.conditions["autoread"]);

    // Without dictation the answer and the hint stay as they were.
    lab->SetDiktat(false);
    page.defines["lsg"] = "vorher";
    lab->ShowSentence(page);
    EXPECT_FALSE(page.conditions["diktat"]);
    EXPECT_EQ(page.defines["lsg"], "vorher");

    // Without a sound directory nothing resolves.
    config.WaveDir.clear();
    lab->ShowSentence(page);
    EXPECT_FALSE(page.conditions["normal"]);
    EXPECT_EQ(NormalSpeedReference("XS:\\LA\\2\\sl___21a.wav"), "XS:\\LA\\2\\sl___21b.wav");
    EXPECT_EQ(NormalSpeedReference("x.wav"), "x.wav");
}

// The lab's commands reach the topics through this host; null: none yet.
struct TopicsHost : LabHost {
    TThemenListe* topics = nullptr;
    TThemenListe* themenListe() override { return topics; }
};

TEST_F(ThemenListeTest, CommandsChooseShowAndJudge) {
    auto lab = make(threeTopics());
    TopicsHost host;
    host.topics = lab.get();
    CommandTable table;
    table.addBlock(labCommands(host, page));

    table.run("lablist");
    EXPECT_EQ(page.loaded.back(), "laborliste.htx");
    EXPECT_EQ(page.defines["LabListe"], "") << "emptied once the list page has it";

    const struct {
        const char* commands;
        int topic;
        const char* page;
    } choices[] = {
        {"thema 2;lab", 2, "labor.htx"},
        {"THEMA01", 1, "labor.htx"},
        {"thema,thema 2", 1, "laborliste.htx"}, // no number: the rest is left undone
        {"thema 1,-deutsch,+autoread,lab", 1, "labor.htx"},
    };
    for (const auto& choice : choices) {
        page.loaded = {"laborliste.htx"};
        table.run(choice.commands);
        EXPECT_EQ(lab->Thema(), choice.topic) << choice.commands;
        EXPECT_EQ(page.loaded.back(), choice.page) << choice.commands;
    }
    EXPECT_FALSE(page.conditions["deutsch"]);
    EXPECT_TRUE(page.conditions["autoread"]);

    table.run("lab3+");
    EXPECT_EQ(page.defines["LabErgebnis"], "Sehr schön!"_cp);
    table.run("lab-");
    EXPECT_EQ(page.defines["LabErgebnis"], "Leider daneben!");
    EXPECT_EQ(page.loaded.back(), "laborergebnis.htx");

    // The rows wait for the topics to exist.
    host.topics = nullptr;
    page.loaded.clear();
    table.run("lablist,labnext,thema 2,lab");
    EXPECT_TRUE(page.loaded.empty());
}

TEST_F(ThemenListeTest, ASentenceWithoutItsRecordingIsSpokenAtEitherSpeed) {
    test::InstalledFakeMci mci;
    test::ScriptedSpeech speech;
    config.WaveDir = dir.path() + "wave/";
    dir.file("wave/LA/1/sl____2b.wav", "RIFF");
    auto lab = make(threeTopics(), {2});
    TopicsHost host;
    host.topics = lab.get();
    CommandTable table;
    table.addBlock(labCommands(host, page));

    lab->ShowSentence(page);
    EXPECT_EQ(page.defines["Normal"], dir.path() + "wave/LA/1/sl____2b.wav") << "recorded";
    EXPECT_EQ(page.defines["Langsam"], "\xA7labsprichlangsam");
    EXPECT_TRUE(page.conditions["langsam"]);
    table.run("labsprichlangsam");
    table.run("labsprich");
    EXPECT_EQ(speech.said, (std::vector<std::string>{"slow Tengo veintisiete años."_cp,
                                                     "Tengo veintisiete años."_cp}));
    EXPECT_EQ(mci.backend.log.back(), "play memory 22050/2205 from 0");

    config.Extras.Speech = false;
    lab->ShowSentence(page);
    EXPECT_EQ(page.defines["Langsam"], "");
    EXPECT_FALSE(page.conditions["langsam"]);
}

TEST_F(ThemenListeTest, SwitchesAndTopicAreKeptAllOrNone) {
    make(threeTopics())->SetDeutsch(false); // written when the lab is freed
    EXPECT_EQ(registry.readBool(TThemenListe::RegistryKey, "Deutsch"), false);
    registry.writeInteger(TThemenListe::RegistryKey, "Thema", 2);
    registry.writeBool(TThemenListe::RegistryKey, "Diktat", false);
    auto lab = make(threeTopics());
    EXPECT_EQ(lab->Thema(), 2);
    EXPECT_FALSE(lab->Diktat());
    EXPECT_FALSE(lab->Deutsch());
    lab.reset();

    // One value missing: all four take their defaults; a topic the data
    // has not starts at the first.
    registry.deleteValue(TThemenListe::RegistryKey, "Automatik");
    lab = make(threeTopics());
    EXPECT_EQ(lab->Thema(), 0);
    EXPECT_TRUE(lab->Diktat());
    EXPECT_TRUE(lab->Deutsch());
    lab.reset();
    registry.writeInteger(TThemenListe::RegistryKey, "Thema", 99);
    EXPECT_EQ(make(threeTopics())->Thema(), 0);
}

// What is typed in the dictation is checked against both spellings.
TEST_F(ThemenListeTest, DictationAcceptsEitherSpellingExactly) {
    const std::vector<std::string> solutions =
        SplitText("Tengo veintisiete años.; Tengo 27 años."_cp, "; ");
    const struct {
        std::string typed;
        AnswerOutcome outcome;
    } answers[] = {
        {"Tengo veintisiete años."_cp, AnswerOutcome::Right},
        {"Tengo 27 años."_cp, AnswerOutcome::Right},
        {"Tengo 27 anos.", AnswerOutcome::Almost},
        {"tengo veintisiete años"_cp, AnswerOutcome::Almost},
        {"Me llamo Ana.", AnswerOutcome::TryAgain},
        {"", AnswerOutcome::FinallyWrong},
    };
    for (const auto& [typed, outcome] : answers)
        EXPECT_EQ(JudgeAnswer(typed, solutions, 0).outcome, outcome) << typed;
}

} // namespace
} // namespace qor
