#include "DictionaryTestData.h"
#include "core/CommandPage.h"
#include "core/Configuration.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"
#include "support/RecordingPage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>

namespace qor {
namespace {
using namespace literals;
using test::fill;
using test::Row;

class DictionarySearchTest : public ::testing::Test {
protected:
    DictionarySearchTest() {
        fill(db, {{"casa", 1, "Haus; Heim"},
                  {"deberes", 1, "Hausaufgabe"},
                  {"caseta", 1, "Häuschen [Haus, klein]"_cp},
                  {"¿qué?"_cp, 4, "was?"},
                  {"árbol"_cp, 1, "Baum"},
                  {"Árbol"_cp, 1, "Baum (Name)"}});
        db.SelectDirection(true);
        fill(db, {{"Haus", 1, "casa"},
                  {"Hausaufgabe", 1, "deberes"},
                  {"Haus (Gebäude)"_cp, 1, "edificio"},
                  {"Bär"_cp, 1, "oso"}});
        db.SelectDirection(false);
    }
    std::vector<std::string> found() const {
        std::vector<std::string> result;
        for (int i = 0; i < db.ResultCount(); ++i)
            result.push_back(db.ResultEntry(i).Vokabel);
        return result;
    }

    TXDatabase db;
};

TEST_F(DictionarySearchTest, FindsTheTextAsSubstringOrWholeWord) {
    struct Case {
        const char* text;
        SearchOptions options;
        std::vector<const char*> expected;
    };
    const SearchOptions german{.WholeWord = false, .German = true, .BothDirections = false};
    const SearchOptions germanWhole{.WholeWord = true, .German = true, .BothDirections = false};
    const SearchOptions spanish{.WholeWord = false, .German = false, .BothDirections = false};
    const SearchOptions spanishWhole{.WholeWord = true, .German = false, .BothDirections = false};
    const SearchOptions both{.WholeWord = false, .German = false, .BothDirections = true};
    const SearchOptions bothWhole{.WholeWord = true, .German = false, .BothDirections = true};
    const std::vector<Case> cases = {
        {"Haus", german, {"casa", "deberes", "caseta"}},
        {"Haus", germanWhole, {"casa", "caseta"}},
        {"haus", german, {}},
        {"Häuschen", germanWhole, {"caseta"}},
        {"árbol", spanish, {"árbol"}},
        {"Árbol", spanish, {"Árbol"}},
        {"qué", spanishWhole, {"¿qué?"}},
        {"ca", spanishWhole, {}},
        {"", spanish, {}},
        {"Haus", bothWhole, {"casa", "caseta", "Haus", "Haus (Gebäude)"}},
        {"Bär", both, {"Bär"}},
        // Across the blank that joins headword and meanings.
        {"casa Haus", bothWhole, {"casa"}},
        {"a Haus", both, {"casa"}},
        {"a Haus", bothWhole, {}},
        {"Gebäude) edificio", bothWhole, {"Haus (Gebäude)"}},
        {"Name)", both, {"Árbol"}},
    };
    for (const Case& c : cases) {
        db.Search(utf8ToCp1252(c.text), c.options);
        std::vector<std::string> expected;
        for (const char* word : c.expected)
            expected.push_back(utf8ToCp1252(word));
        EXPECT_EQ(found(), expected) << c.text << " whole " << c.options.WholeWord;
    }
    // The German-Spanish direction searches its headwords for German text.
    db.SelectDirection(true);
    db.Search("Haus", germanWhole);
    EXPECT_EQ(found(), (std::vector<std::string>{"Haus", "Haus (Gebäude)"_cp}));
    EXPECT_EQ(db.ResultEntry(0).Bedeutung, "casa");
}

TEST_F(DictionarySearchTest, BothDirectionsStopAt228Results) {
    std::vector<Row> rows(200, Row{"x", 1, "y"});
    fill(db, rows);
    db.SelectDirection(true);
    fill(db, std::vector<Row>(100, Row{"y", 1, "x"}));
    db.Search("x", {.WholeWord = true, .German = false, .BothDirections = true});
    ASSERT_EQ(db.ResultCount(), 228);
    EXPECT_EQ(db.Results().back().direction, 1);
    EXPECT_EQ(db.Results().back().index, 27);
    db.Search("x", {.WholeWord = true, .German = false, .BothDirections = false});
    EXPECT_EQ(db.ResultCount(), 100);
}

TEST_F(DictionarySearchTest, ResultPagesShowBlocksOfTwelveWithNavigation) {
    test::RecordingPage page;
    db.PageSearch(page, "nichts", false);
    EXPECT_EQ(page.defines["ergebnis"], "Kein Eintrag gefunden!");
    EXPECT_TRUE(page.conditions["ergebnis"]);
    EXPECT_EQ(page.defines["sr"], "");
    db.PageSearch(page, "Bär"_cp, true);
    EXPECT_EQ(page.defines["ergebnis"], "1 Eintrag gefunden.");
    EXPECT_EQ(page.defines["sr"], "<+vok>Bär <x4><+bed>oso<br>"_cp);

    fill(db, std::vector<Row>(12, Row{"perro", 1, "Hund; Rüde"}));
    db.PageSearch(page, "perro", true);
    EXPECT_EQ(page.defines["ergebnis"], "12 Einträge gefunden."_cp);
    EXPECT_EQ(page.defines["srnav"], "");
    db.AddEntry("perro", "1", "Köter"_cp);
    db.PageSearch(page, "perro", true);
    EXPECT_EQ(page.defines["srnav"], "[1] <a href=\"§sr2\" >2</a>"_cp);
    db.ShowSearchResults(page, 1);
    EXPECT_EQ(page.defines["sr"], "<+vok>perro <x4><+bed>Köter<br>"_cp);
    EXPECT_EQ(page.defines["srnav"], "<a href=\"§sr1\" >1</a> [2]"_cp);
    db.ShowSearchResults(page, 7);
    EXPECT_EQ(page.defines["sr"], "");
    EXPECT_EQ(page.loaded.back(), "wörterbuch.htx"_cp);
    EXPECT_EQ(page.loaded.size(), 6u);
}

TEST_F(DictionarySearchTest, MeaningsAreSplitWithCommentsAndRecordings) {
    test::TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    config.WaveDir = dir.dir("wave");
    dir.file("wave/casa.wav", "RIFF");
    dir.file("wave/hogar.wav", "RIFF");
    TXWaveBase sounds(config);
    sounds.AddEntry("casa", "XS:\\casa.wav");
    sounds.AddEntry("hogar", "XS:\\hogar.wav");
    db.setWaveBase(&sounds);
    const std::string casa = "<a href=\"" + config.WaveDir + "casa.wav\" >casa</a>";
    const std::string hogar = "<a href=\"" + config.WaveDir + "hogar.wav\" >hogar</a>";
    struct Case {
        std::string meanings;
        bool split;
        bool commentStyle;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", true, true, ""},
        {"[Am.] casa; hogar [fam.]", false, false, "[Am.] casa; hogar [fam.]"},
        {"[Am.] casa; hogar [fam.]", true, false, " [Am.] " + casa + ";  [fam.] " + hogar},
        {"[Am.] casa; hogar [fam.]", true, true,
         "<+kommentar>[Am.]<+normal> " + casa + "; <+kommentar>[fam.]<+normal> " + hogar},
        {"casa [de] campo; perro; hogar", true, true, "casa [de] campo; perro; " + hogar},
        {"[sin cierre casa", true, false, "[sin cierre casa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(db.FormatMeanings(c.meanings, c.split, c.commentStyle), c.expected) << c.meanings;

    fill(db, {{"casa", 1, "Haus [Am.]"}});
    test::RecordingPage page;
    db.PageSearch(page, "Am.", false);
    EXPECT_EQ(page.defines["sr"], "<+vok>" + casa + " <x4><+bed> [Am.] Haus<br>");
}

} // namespace
} // namespace qor
