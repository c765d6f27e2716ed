// The editor window's rules without a window: the take-over split, the
// dictionary check's verdicts and its quick run, the context alignment, the
// entry list and moving through it, and the window's small rules.

#include "editor/window/EditorRules.h"

#include "dictionary/DictionaryTestData.h"
#include "editor/window/ContextAlignment.h"
#include "editor/window/DictionaryCheck.h"
#include "editor/window/EditorList.h"
#include "editor/window/TakeOver.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {
using namespace literals;

TVokabel entry(std::string word, std::string meaning, bool german = false, int wordClass = 0) {
    TVokabel v;
    v.Vokabel = std::move(word);
    v.Bedeutung[0] = std::move(meaning);
    v.Deutsch = german;
    v.Wortart = static_cast<std::uint8_t>(wordClass);
    return v;
}

struct Library {
    explicit Library(const std::vector<TVokabel>& entries) {
        library.Clear(false);
        for (const TVokabel& v : entries)
            library.Add(v);
    }
    MemoryRegistry registry;
    TBibliothek library{std::make_unique<TLastFiles>(registry)};
};

// Taking the same entry over again switches between the first meaning alone
// and the first two together; with fewer pieces there is less to switch.
TEST(TakeOverTest, RepeatedTakeOversAlternateBetweenTwoSplits) {
    struct Case {
        const char* source;
        MeaningFields expected[3]; // after the first, second and third take-over
    };
    const Case cases[] = {
        {"casa; hogar; domicilio",
         {{"casa", "hogar; domicilio"},
          {"casa; hogar", "domicilio"},
          {"casa", "hogar; domicilio"}}},
        {"casa; hogar", {{"casa", "hogar"}, {"casa; hogar", ""}, {"casa", "hogar"}}},
        {"casa", {{"casa", ""}, {"casa", ""}, {"casa", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        MeaningFields fields{"vorher", "auch vorher"};
        for (const MeaningFields& expected : c.expected) {
            fields = DistributeMeanings(fields, c.source);
            EXPECT_EQ(fields, expected);
        }
    }
    // The dictionary's headword is the word when its direction is the entry's.
    EXPECT_EQ(TakeOverFrom(false, false, "casa", "Haus").word, "casa");
    EXPECT_EQ(TakeOverFrom(true, true, "Haus", "casa").word, "Haus");
    const TakeOverSource crossed = TakeOverFrom(true, false, "Haus", "casa; hogar");
    EXPECT_EQ(crossed.word, "casa; hogar");
    EXPECT_EQ(crossed.meanings, "Haus");
}

TEST(DictionaryCheckTest, VerdictsOfTheComparison) {
    struct Case {
        CheckedWord entry;
        CheckedWord dictionary;
        CheckVerdict verdict;
    };
    const Case cases[] = {
        {{0, "casa", "Haus; Heim"}, {0, "casa", "Heim; Haus"}, CheckVerdict::AllWell},
        {{0, "casa", "Haus"}, {0, "casa", "Haus; Heim"}, CheckVerdict::MeaningsDiffer},
        {{1, "casa", "Haus"}, {0, "casa", "Haus"}, CheckVerdict::WordClassError},
        {{1, "casa", "Heim"}, {0, "casa", "Haus"}, CheckVerdict::Missing},
        {{0, "casona", "Haus"}, {0, "casa", "Haus"}, CheckVerdict::Missing},
        {{0, "casona", "?"}, {0, "casa", "Haus"}, CheckVerdict::TakeOver},
        {{0, "casa", "?"}, {0, "casa", "Haus"}, CheckVerdict::MeaningsDiffer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.word + " " + c.entry.meanings);
        EXPECT_EQ(CompareWithDictionary(c.entry, c.dictionary), c.verdict);
    }
    EXPECT_FALSE(TooLongForMultipleChoice(std::string(30, 'x')));
    EXPECT_TRUE(TooLongForMultipleChoice(std::string(31, 'x')));
}

// The quick check walks on past entries the dictionary knows, offers a
// missing word (added when the user agrees) and stops at other meanings with
// that entry selected.
TEST(DictionaryCheckTest, QuickCheckAddsMissingWordsAndStopsAtOtherMeanings) {
    Library data({entry("casa (f)", "(das) Haus", false, 0), entry("perro (m)", "Hund", false, 0),
                  entry("gato (m)", "Kater", false, 0), entry("comer", "essen", false, 1)});
    TXDatabase dictionary;
    test::fill(dictionary, {{"casa (f)", 1, "(das) Haus"}, {"gato (m)", 1, "Katze"}});
    ScriptedMessages messages;
    messages.answer(MessageResult::Yes);
    std::vector<int> selected;
    QuickCheck(data.library, dictionary, false, compareIgnoreCase,
               [&selected](int i) { selected.push_back(i); });

    EXPECT_EQ(selected, (std::vector<int>{1, 2}));
    ASSERT_EQ(messages.texts().size(), 2U);
    EXPECT_EQ(messages.texts()[0], "Diese Vokabel ist (noch) nicht im Wörterbuch!\nSoll sie ins "
                                   "Wörterbuch aufgenommen werden???"_cp);
    EXPECT_EQ(messages.texts()[1], "Diese Vokabel hat andere Bedeutungen als\nder entsprechende "
                                   "Eintrag im Wörterbuch!\n\n>Kater<\n>Katze<"_cp);
    // "perro" sorts after every entry: it goes behind the last one.
    EXPECT_EQ(test::words(dictionary.Entries(TXDatabase::SpanishGerman)),
              (std::vector<std::string>{"casa (f)", "gato (m)", "perro (m)"}));
    EXPECT_EQ(dictionary.GetWord(dictionary.FindInsertPosition("perro (m)", 1)), "perro (m)");
    EXPECT_EQ(dictionary.GetMeaning(dictionary.FindInsertPosition("perro (m)", 1)), "Hund");

    // Automatically, without asking, and on to the end.
    data.library.setAktuell(3);
    messages.clear();
    QuickCheck(data.library, dictionary, true, compareIgnoreCase, [](int) {});
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Kontrolle beendet."});
    EXPECT_EQ(test::words(dictionary.Entries(TXDatabase::SpanishGerman)),
              (std::vector<std::string>{"casa (f)", "comer", "gato (m)", "perro (m)"}));
    EXPECT_EQ(dictionary.GetClass(1), 2);
}

TEST(ContextAlignmentTest, WordsAndContextsAreTidied) {
    const std::pair<const char*, const char*> words[] = {
        {"profesor, e", "profesor, -e"},
        {" profesor, e ", "profesor, -e"},
        {"profesor, -e", "profesor, -e"},
        {"casa", "casa"},
    };
    for (const auto& [word, tidy] : words)
        EXPECT_EQ(HyphenateEnding(word), tidy) << word;

    struct Context {
        const char* text;
        const char* ordered;
        bool inOrder;
    };
    const Context contexts[] = {
        {"((la casa( es bonita", "(la casa) es bonita", true},
        {"(la casa (es bonita", "(la casa )es bonita", true},
        {"la (casa (es (bonita", "la (casa (es (bonita", false},
        {"la (casa( es bonita", "la (casa) es bonita", true},
        {"la (casa) es bonita", "la (casa) es bonita", true},
        {"la )casa( es bonita", "la )casa( es bonita", false},
        {"", "", false},
    };
    for (const Context& c : contexts) {
        EXPECT_EQ(OrderContextBrackets(c.text), c.ordered) << c.text;
        EXPECT_EQ(ContextInOrder(OrderContextBrackets(c.text)), c.inOrder) << c.text;
    }
}

TEST(ContextAlignmentTest, EntriesTakeTheDictionarysFormWhenTheyAgree) {
    struct Case {
        const char* name;
        AlignedEntry entry;
        LookedUpEntry dictionary;
        AlignedEntry aligned;
        bool goOn;
    };
    const std::string ctx = "la (casa) es bonita";
    const Case cases[] = {
        {"gender mark",
         {"casa", "Haus", 3, ctx, ctx},
         {"casa (f)", "(das) Haus", 0, "", ""},
         {"casa (f)", "(das) Haus", 0, ctx, ctx},
         true},
        {"first letter",
         {"Madrid", "Madrid", 0, ctx, ctx},
         {"madrid", "Madrid", 0, "", ""},
         {"madrid", "Madrid", 0, ctx, ctx},
         true},
        {"same class takes the meaning",
         {"casa", "Heim", 0, ctx, ctx},
         {"casa", "Haus", 0, "", ""},
         {"casa", "Haus", 0, ctx, ctx},
         true},
        {"a noun takes another class when the headword is unique",
         {"bajo", "unter", 0, ctx, ctx},
         {"bajo", "niedrig", 2, "baile", "bala"},
         {"bajo", "niedrig", 2, ctx, ctx},
         true},
        {"but not when the headword repeats",
         {"bajo", "unter", 0, ctx, ctx},
         {"bajo", "niedrig", 2, "bajo", "bala"},
         {"bajo", "unter", 0, ctx, ctx},
         false},
        {"a context out of order stops before the dictionary is asked",
         {"casa", "Heim", 0, "la casa", ctx},
         {"casa", "Haus", 0, "", ""},
         {"casa", "Heim", 0, "la casa", ctx},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlignedEntry entry = c.entry;
        EXPECT_EQ(AlignContexts(entry, c.dictionary), c.goOn);
        EXPECT_EQ(entry.word, c.aligned.word);
        EXPECT_EQ(entry.firstMeaning, c.aligned.firstMeaning);
        EXPECT_EQ(entry.wordClass, c.aligned.wordClass);
    }
}

// An empty entry in the middle is not left; the trailing one is.
TEST(EditorListTest, LinesAndTheRulesOfMovingOn) {
    Library data(
        {entry("Haus", "casa", true), entry("", ""), entry("perro", "Hund"), entry("", "")});
    EXPECT_EQ(EditorListLines(data.library),
              (std::vector<std::string>{"\xA7Haus", "$(leer)", "$perro", "$(leer)"}));
    EXPECT_EQ(FilledEntryCount(data.library), 2);

    struct Case {
        int current;
        bool mayLeave;
        NextStep next;
    };
    const Case cases[] = {
        {0, true, NextStep::Move},
        {1, false, NextStep::Move},
        {2, true, NextStep::Move},
        {3, true, NextStep::EndReached},
    };
    for (const Case& c : cases) {
        data.library.setAktuell(c.current);
        EXPECT_EQ(MayLeaveCurrent(data.library), c.mayLeave) << c.current;
        EXPECT_EQ(NextEntryStep(data.library, c.current, 4), c.next) << c.current;
    }
    data.library.setVokabel(3, "gato");
    data.library.setBedeutung(3, 0, "Katze");
    EXPECT_EQ(NextEntryStep(data.library, 3, 4), NextStep::Append);
}

TEST(EditorRulesTest, FileNamesTextsAndRoom) {
    EXPECT_EQ(WaveFileName("/tmp/casa.mp3"), "/tmp/casa.wav");
    EXPECT_EQ(WaveFileName("/tmp/casa"), "/tmp/casa.wav");
    EXPECT_EQ(WaveFileName("/tmp/v1.0/casa"), "/tmp/v1.0/casa.wav");
    EXPECT_EQ(OwnRecordingReference("/home/ana/Aufnahmen/casa.wav", "/home/ana/Aufnahmen/"),
              "XU:/casa.wav");
    EXPECT_EQ(OwnRecordingReference("/tmp/casa.wav", "/home/ana/Aufnahmen/"), "/tmp/casa.wav");
    EXPECT_EQ(OwnRecordingReference("/tmp/casa.wav", ""), "/tmp/casa.wav");

    EXPECT_EQ(StripOuterSeparators("; casa; hogar; "), "casa; hogar");
    EXPECT_EQ(StripOuterSeparators("casa"), "casa");
    EXPECT_EQ(SingleLine("casa\r\nhogar\n"), "casa  hogar ");

    EXPECT_EQ(ListPanelWidth(640, 640), 320);
    EXPECT_EQ(ListPanelWidth(800, 790), 395);
    EXPECT_EQ(ListPanelWidth(1024, 1014), 471);
    EXPECT_FALSE(SecondContextShown(533));
    EXPECT_TRUE(SecondContextShown(534));
}

} // namespace
} // namespace qor
