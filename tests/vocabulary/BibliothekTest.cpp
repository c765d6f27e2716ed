#include "vocabulary/Bibliothek.h"

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"
#include "vocabulary/LibraryFile.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

TVokabel entry(std::string word, std::string meaning, int wordClass = 0, bool german = false,
               std::string more = {}) {
    TVokabel e;
    e.Vokabel = std::move(word);
    e.Bedeutung = {std::move(meaning), std::move(more)};
    e.Wortart = static_cast<std::uint8_t>(wordClass);
    e.Deutsch = german;
    return e;
}

class BibliothekTest : public ::testing::Test {
protected:
    // A library file of the given entries, as the program writes them.
    std::string file(const std::string& name, const std::vector<TVokabel>& entries) {
        return temp.file(name, WriteLibraryText(entries));
    }
    std::vector<std::string> words() const {
        std::vector<std::string> all;
        for (const TVokabel& e : library.Eintraege())
            all.push_back(e.Vokabel);
        return all;
    }

    test::TempDir temp;
    ScriptedMessages messages;
    MemoryRegistry registry;
    TBibliothek library{std::make_unique<TLastFiles>(registry)};
};

TEST_F(BibliothekTest, AccessorsAndTheChangeFlag) {
    library.Clear(false);
    for (const char* word : {"uno", "dos", "tres"})
        library.Add(entry(word, "x"));
    library.AddEmpty();
    library.setAktuell(1);
    EXPECT_EQ(library.Vokabel(-1), "dos");
    EXPECT_EQ(library.Vokabel(-2), "uno");
    EXPECT_EQ(library.Vokabel(-3), "tres");
    EXPECT_EQ(library.Vokabel(9), "");
    EXPECT_EQ(library.Count(true), 4);
    EXPECT_EQ(library.Count(false), 3);

    library.Save(temp.path() + "drei.asc");
    EXPECT_FALSE(library.Geaendert());
    library.setVokabel(0, "uno"); // the same value is no change
    library.setBedeutung(9, 0, "nada");
    library.setSchwierigkeit(-1, 0);
    EXPECT_FALSE(library.Geaendert());
    library.setSchwierigkeit(-1, 9);
    EXPECT_EQ(library.Schwierigkeit(1), 4);
    EXPECT_TRUE(library.Geaendert());

    // Gaps and directions.
    library.setDeutsch(2, true);
    EXPECT_EQ(library.CountDeutsch(true, 0, -1), 1);
    EXPECT_EQ(library.CountDeutsch(false, 1, -1), 1);
    library.setVokabel(1, "");
    EXPECT_EQ(library.FirstGap(), 1);
    library.setAktuell(1);
    EXPECT_FALSE(library.InsertEmptyAtCurrent()); // the current entry is empty already
    library.setAktuell(2);
    EXPECT_FALSE(library.InsertEmptyAtCurrent()); // so is the one before it
    library.setAktuell(0);
    EXPECT_TRUE(library.InsertEmptyAtCurrent());
    EXPECT_EQ(words(), (std::vector<std::string>{"", "uno", "", "tres", ""}));
}

TEST_F(BibliothekTest, LoadingTellsWhatWentWrongAndKeepsWhatWasRead) {
    const std::string good = file("gut.asc", {entry("uno", "eins"), entry("dos", "zwei")});
    const std::string broken = temp.file("kaputt.asc", "tres\r\ndrei\r\n\r\n\r\n0\r\n");
    const std::string unreadable = temp.unreadableFile("gesperrt.asc");
    struct Case {
        std::string path;
        bool replace;
        std::vector<std::string> words;
        std::string message;
        std::string name;
    };
    const Case cases[] = {
        {good, true, {"uno", "dos", ""}, "", good},
        {temp.path() + "fehlt.asc", true, {""}, "Datei konnte nicht gefunden werden!", ""},
        {unreadable, true, {""}, "Fehler beim Öffnen!"_cp, ""},
        {broken, true, {""}, "Die Datei hat ein falsches Format oder ist beschädigt!"_cp, broken},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        messages.clear();
        library.Load(c.path, c.replace);
        EXPECT_EQ(words(), c.words);
        EXPECT_EQ(messages.texts(), c.message.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{c.message});
        EXPECT_EQ(library.Dateiname(), c.name);
        EXPECT_FALSE(library.Geaendert());
    }
    // Appending: the last file names the library.
    library.Load(good, true);
    const std::string other = file("mehr.asc", {entry("cuatro", "vier")});
    library.Load(other, false);
    EXPECT_EQ(words(), (std::vector<std::string>{"uno", "dos", "cuatro", ""}));
    EXPECT_EQ(library.Dateiname(), other);
}

TEST_F(BibliothekTest, AFailedSaveKeepsTheOldFileAndTheChanges) {
    const std::string path = file("gut.asc", {entry("uno", "eins")});
    library.Load(path, true);
    library.setVokabel(0, "una");
    // The folder has become a file's place that cannot be written.
    ASSERT_FALSE(library.Save(temp.path() + "fehlt/neu.asc"));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Fehler beim Speichern der Bibliothek - \rMedium ist voll "
                                       "oder schreibgeschützt!?!"_cp});
    EXPECT_TRUE(library.Geaendert());
    EXPECT_EQ(library.Dateiname(), path);
    ASSERT_TRUE(library.Save(""));
    EXPECT_FALSE(library.Geaendert());
    EXPECT_EQ(ReadLibraryText(*readFile(path)).entries.front().Vokabel, "una");
}

TEST_F(BibliothekTest, ImportTakesTheNamedColumns) {
    const std::string path = temp.file("import.txt", "gato;Katze;Kater, Mieze;Tier/Haustier;1\r\n"
                                                     "perro;Hund;;;x\r\n"
                                                     ";ohne Wort;;;\r\n"
                                                     "  Haus  ;casa;;;+\r\n");
    library.Import(path, " Vokabel , Bedeutung,Bedeutung,Bedeutung,Wortart", ';');
    ASSERT_EQ(library.Count(false), 3);
    EXPECT_EQ(library.Bedeutung(0, 1), "Kater; Mieze; Tier; Haustier");
    EXPECT_EQ(library.Wortart(0), 1);
    EXPECT_EQ(library.Wortart(1), 0); // not a number
    EXPECT_EQ(library.Schwierigkeit(1), 2);
    EXPECT_EQ(library.Vokabel(2), "Haus");
    EXPECT_FALSE(library.Deutsch(2)); // no "Deutsch" column

    library.Import(path, "Vokabel,Bedeutung,Kontext,Kontext,Deutsch", ';');
    EXPECT_EQ(library.Kontext(0, 0), "Kater, Mieze");
    EXPECT_TRUE(library.KtxDazu(0, 1));
    EXPECT_TRUE(library.Deutsch(0));
    EXPECT_TRUE(library.Deutsch(2));
    EXPECT_FALSE(library.Geaendert());
}

TEST_F(BibliothekTest, DuplicatesSortingShufflingAndReversing) {
    library.Clear(false);
    library.Add(entry("banco", "(die) Bank; (die) Sitzbank"));
    library.Add(entry("banco", "(die) Sitzbank", 0, false, "(die) Bank")); // same set
    library.Add(entry("banco", "(die) Bank", 3));                          // other class
    library.Add(entry("Árbol"_cp, "(der) Baum"));
    library.Add(entry("Haus", "casa (f)", 0, true));
    library.Add(entry("abeja", "(die) Biene"));
    library.AddEmpty();
    EXPECT_EQ(library.RemoveDuplicates(true), 1);
    EXPECT_EQ(words(),
              (std::vector<std::string>{"banco", "banco", "Árbol"_cp, "Haus", "abeja", ""}));

    // Spanish words first; each block sorted by the collation given.
    // A collation that reads "Á" as "a", as the German one does.
    library.setCollation([](std::string_view a, std::string_view b) {
        const auto folded = [](std::string_view text) {
            std::string copy(text);
            std::replace(copy.begin(), copy.end(), '\xC1', 'a');
            return copy;
        };
        return compareIgnoreCase(folded(a), folded(b));
    });
    library.SortInTwoBlocks();
    EXPECT_EQ(words(),
              (std::vector<std::string>{"abeja", "Árbol"_cp, "banco", "banco", "Haus", ""}));

    library.setRandomSource([](int range) { return range - 1; });
    TBibliothek small(std::make_unique<TLastFiles>(registry));
    small.Clear(false);
    for (const char* word : {"a", "b", "c"})
        small.Add(entry(word, "x"));
    small.Save(temp.path() + "klein.asc");
    small.Shuffle();
    EXPECT_FALSE(small.Geaendert()); // fewer than four: nothing to shuffle

    library.Reverse();
    ASSERT_EQ(library.Count(true), 11);
    EXPECT_EQ(library.Vokabel(7), "(die) Bank; (die) Sitzbank");
    EXPECT_EQ(library.Vokabel(9), "casa (f)");
    EXPECT_EQ(library.Bedeutung(9, 0), "Haus");
    EXPECT_FALSE(library.Deutsch(9));
    EXPECT_EQ(library.Wortart(8), 3);
    EXPECT_TRUE(library.IsEmpty(10));
}

TEST_F(BibliothekTest, RandomMixesTakeAtMostFiveLibraries) {
    for (int i = 0; i < 8; ++i) {
        std::vector<TVokabel> entries;
        for (int n = 0; n < 150; ++n)
            entries.push_back(entry("w" + std::to_string(i) + "_" + std::to_string(n), "x"));
        file("Bereich/" + std::string(i % 2 ? "Teil/" : "") + std::to_string(i) + ".ASC", entries);
    }
    temp.file("Bereich/liesmich.txt", "no library");
    library.setRandomSource([](int) { return 0; });
    library.LoadRandomMix(temp.path() + "Bereich/");
    // Four files of 150 make more than 500.
    EXPECT_EQ(library.Count(false), 600);
    EXPECT_EQ(library.Zufallsordner(), temp.path() + "Bereich/");
    EXPECT_FALSE(library.Geaendert());
    library.LoadRandomMix("");
    EXPECT_EQ(library.Count(false), 600);
    library.LoadRandomMix(temp.path() + "leer/");
    EXPECT_EQ(library.Count(true), 1);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(BibliothekTest, ScoresComeFromTheUserBase) {
    const std::string path =
        file("s.asc", {entry("uno", "eins"), entry("dos", "zwei", 3), entry("tres", "drei")});
    library.setScoreSource([](std::string_view word, bool, int wordClass) -> std::optional<int> {
        if (word == "uno")
            return 25;
        if (wordClass == 3)
            return -12;
        return std::nullopt;
    });
    library.Load(path, true);
    EXPECT_EQ(library.Score(0), 25);
    EXPECT_EQ(library.Score(1), -12);
    EXPECT_EQ(library.Durchschnitt(), 4); // 13 / 3 rounded
    library.setScoreSource(nullptr);
    library.LoadScores();
    EXPECT_EQ(library.Durchschnitt(), 0);
}

TEST_F(BibliothekTest, NamesAndRecentFiles) {
    EXPECT_EQ(library.DisplayName(), "Unbenannt");
    const std::string path = temp.file("Lektion 12.asc", "");
    ASSERT_GT(path.size(), 34u);
    library.Load(path, true);
    EXPECT_EQ(library.DisplayName(), path.substr(0, 16) + " ... /Lektion 12.asc");

    library.AddRecent("*");
    library.AddRecent("/a.asc");
    library.AddRecent("/b.asc");
    library.AddRecent("");
    library.AddRecent(path);
    for (const char* more : {"/c.asc", "/d.asc"})
        library.AddRecent(more);
    EXPECT_EQ(library.Recent(0), "/d.asc");
    EXPECT_EQ(library.Recent(2), path);
    EXPECT_EQ(library.Recent(3), "/b.asc"); // "/a.asc" dropped out
    EXPECT_EQ(library.Recent(4), "");
}

} // namespace
} // namespace qor
