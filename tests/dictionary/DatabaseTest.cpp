#include "DictionaryTestData.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::fill;
using test::Row;
using test::words;

class DatabaseTest : public ::testing::Test {
protected:
    DatabaseTest() {
        db.OnChange = [this] {
            ++notified;
        };
    }
    std::vector<std::string> current() const { return words(db.Entries(db.Direction())); }

    ScriptedMessages messages;
    TXDatabase db;
    int notified = 0;
};

TEST_F(DatabaseTest, AddedEntriesAreTrimmedAndGetAValidClass) {
    struct Case {
        const char* classText;
        int expected;
    };
    for (const Case& c : {Case{"3", 3}, Case{" 6 ", 6}, Case{"7", 1}, Case{"0", 1}, Case{"-2", 1},
                          Case{"x", 1}, Case{"2a", 1}, Case{"", 1}}) {
        db.AddEntry("  casa ", c.classText, " Haus; Heim  ");
        EXPECT_EQ(db.GetClass(db.Count() - 1), c.expected) << c.classText;
    }
    EXPECT_EQ(db.GetWord(0), "casa");
    EXPECT_EQ(db.GetMeaning(0), "Haus; Heim");
    EXPECT_EQ(notified, 0);
    EXPECT_TRUE(db.Modified(TXDatabase::SpanishGerman));
    // Past the end: empty texts and class 1.
    EXPECT_EQ(db.GetWord(99), "");
    EXPECT_EQ(db.GetClass(99), 1);
}

TEST_F(DatabaseTest, DeletingAndInsertingMoveThePosition) {
    fill(db, {{"a"}, {"b"}});
    db.Last();
    db.DeleteCurrent();
    EXPECT_EQ(db.Current(), 0);
    db.DeleteCurrent();
    EXPECT_EQ(db.Count(), 0);
    EXPECT_EQ(db.Current(), 0);
    db.DeleteCurrent(); // nothing left to delete
    EXPECT_FALSE(db.CheckCurrent());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Der aktuelle Eintrag ist nicht vollständig!"_cp});
    db.InsertEmpty();
    EXPECT_EQ(db.Count(), 1);
    EXPECT_FALSE(db.CheckCurrent());
    db.SetWord("perro");
    db.SetMeaning("Hund");
    db.SetClass(9);
    EXPECT_TRUE(db.CheckCurrent());
    EXPECT_EQ(db.GetClass(), 1);
}

TEST_F(DatabaseTest, RandomEntriesSkipPhrasesUnlessAskedFor) {
    fill(db, {{"dar una vuelta", 5}, {"casa", 1}, {"por favor", 6}});
    int next = 0;
    db.setRandomSource([&next](int) { return next++; });
    db.RandomEntry(false);
    EXPECT_EQ(db.GetWord(), "casa");
    next = 2;
    db.RandomEntry(true);
    EXPECT_EQ(db.GetWord(), "por favor");
    // Only phrases: nothing to draw, the position stays.
    fill(db, {{"dar una vuelta", 5}});
    db.RandomEntry(false);
    EXPECT_EQ(db.Current(), 0);
}

TEST_F(DatabaseTest, FindInsertPositionWalksToTheFirstEntryNotBelow) {
    fill(db, {{"banco", 1, "Bank"},
              {"Banco", 1, "Bank (Firma)"},
              {"banco", 2, "Sitzbank"},
              {"casa"},
              {"abeja"}});
    struct Case {
        const char* word;
        int wordClass;
        int expected;
    };
    for (const Case& c : {Case{"", -1, -1}, Case{"a", -1, 0}, Case{"BANCO", -1, 0},
                          Case{"banco", 2, 2}, Case{"banco", 3, 0}, Case{"Banco", 1, 1},
                          Case{"Banco", 2, 0}, Case{"bz", -1, 3}, Case{"zz", -1, 4}})
        EXPECT_EQ(db.FindInsertPosition(c.word, c.wordClass), c.expected) << c.word;
    db.DeleteAll();
    EXPECT_EQ(db.FindInsertPosition("a", -1), -1);
}

TEST_F(DatabaseTest, GoToWordShowsNineNeighbours) {
    std::vector<Row> rows;
    for (char c = 'a'; c <= 'o'; ++c)
        rows.push_back({std::string(1, c)});
    fill(db, rows);
    db.GoToWord("e", -1);
    EXPECT_EQ(db.Current(), 4);
    EXPECT_EQ(db.Results().front().index, 3);
    EXPECT_EQ(db.ResultCount(), 9);
    EXPECT_EQ(db.CurrentResult(), 1);
    db.GoToWord("zzz", -1);
    EXPECT_EQ(db.Current(), 14);
    EXPECT_EQ(db.ResultEntry(0).Vokabel, "g");
    EXPECT_EQ(db.CurrentResult(), 8);
    db.GoToWord("", -1);
    EXPECT_EQ(db.Current(), 0);
    EXPECT_EQ(db.CurrentResult(), 0);
    EXPECT_EQ(notified, 4);
}

TEST_F(DatabaseTest, FindWordMeaningPicksExactlyTheEntryShown) {
    fill(db, {{"banco", 1, "Bank"}, {"banco", 1, "Sitzbank"}, {"casa", 1, "Haus"}});
    db.FindWordMeaning("banco", "Sitzbank");
    EXPECT_EQ(db.Current(), 1);
    db.FindWordMeaning("banco", "Ufer");
    EXPECT_EQ(db.Current(), 0);
    db.FindWordMeaning("perro", "Hund");
    EXPECT_EQ(db.Current(), 0);
    EXPECT_EQ(notified, 3);
}

TEST_F(DatabaseTest, CheckFormatStopsAtTheFirstBadMeaningFromTheCurrentEntry) {
    fill(db,
         {{"a", 1, "eins, zwei"}, {"b", 1, "gut [x, y]"}, {"c", 1, "drei;vier"}, {"d", 1, "ok"}});
    db.CheckFormat();
    EXPECT_EQ(db.Current(), 0);
    db.Next();
    db.CheckFormat();
    EXPECT_EQ(db.Current(), 2);
    db.Last();
    db.CheckFormat();
    EXPECT_EQ(db.Current(), 3);
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Verdächtiges Komma in der Bedeutung entdeckt!"_cp,
                                        "Ein Leerzeichen fehlt nach einem Semikolon!"}));
}

TEST_F(DatabaseTest, RemoveDuplicatesStopsAtAPairThatDiffersInMeaning) {
    struct Case {
        std::vector<Row> rows;
        std::vector<std::string> expectedWords;
        int expectedCurrent;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{{"a", 1, "x"}, {"a", 1, "y"}, {"a", 1, "y"}}, {"a", "a", "a"}, 1, "0"},
        {{{"a", 1, "x"},
          {"a", 1, "x"},
          {"a", 2, "x"},
          {"b", 1, "z"},
          {"b", 1, "z"},
          {"b", 1, "z"},
          {"c", 1, "q"},
          {"c", 1, "r"},
          {"c", 1, "r"}},
         {"a", "a", "b", "c", "c", "c"},
         4,
         "3"},
    };
    for (const Case& c : cases) {
        fill(db, c.rows);
        messages.clear();
        db.RemoveDuplicates();
        EXPECT_EQ(current(), c.expectedWords);
        EXPECT_EQ(db.Current(), c.expectedCurrent);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{
                                        c.message + " Einträge wurden automatisch entfernt."_cp});
    }
}

TEST_F(DatabaseTest, SortOrdersByTheCollation) {
    fill(db, {{"zorro"}, {"Árbol"_cp}, {"casa"}, {"abeja"}, {"Casa"}, {"barco"}});
    db.setCollation([](std::string_view a, std::string_view b) {
        // Accents weigh nothing here: Á sorts as A.
        auto plain = [](std::string_view text) {
            std::string folded = upperCase(text);
            std::replace(folded.begin(), folded.end(), '\xC1', 'A');
            return folded;
        };
        return plain(a).compare(plain(b));
    });
    db.Sort();
    const std::vector<std::string> sorted = current();
    EXPECT_EQ(sorted[0], "abeja");
    EXPECT_EQ(sorted[1], "Árbol"_cp);
    EXPECT_EQ(sorted[2], "barco");
    EXPECT_EQ(sorted[5], "zorro");
    EXPECT_EQ(notified, 2);
}

} // namespace
} // namespace qor
