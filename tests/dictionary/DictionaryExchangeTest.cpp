#include "dictionary/DictionaryExchange.h"

#include "DictionaryTestData.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::fill;
using test::TempDir;
using test::words;

const std::string Confirm = "Importieren des Wörterbuchs löscht das aktuelle!"_cp;

class DictionaryExchangeTest : public ::testing::Test {
protected:
    DictionaryExchangeTest() {
        fill(db, {{"  año "_cp, 1, "Jahr; Lebensjahr"}, {"dar una vuelta", 5, "spazieren gehen"}});
        db.SelectDirection(true);
        fill(db, {{"Bär"_cp, 1, "oso"}});
        db.SelectDirection(false);
    }

    TempDir dir;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    TXDatabase db;
};

TEST_F(DictionaryExchangeTest, BaseNamesComeFromTheChosenFile) {
    EXPECT_EQ(exportBaseName("/d/wb_.txt"), "/d/wb_");
    EXPECT_EQ(exportBaseName("/d/wb"), "/d/wb");
    EXPECT_EQ(exportBaseName("/home/u/.config/wb.x.txt"), "/home/u/.config/wb");
    EXPECT_EQ(importBaseName("/d/wb_2b.txt"), "/d/wb_");
    EXPECT_EQ(importBaseName("/d/1a.txt"), "/d/");
    EXPECT_EQ(importBaseName("/d/a.txt"), "/d/a.txt");
    EXPECT_EQ(importBaseName("/d.e/wb"), "/d.e/wb");
}

TEST_F(DictionaryExchangeTest, ExportThenImportGivesTheSameEntries) {
    const std::vector<DictionaryEntry> spanish = db.Entries(0);
    dialogs.answer(dir.path() + "set.txt");
    db.ExportDictionary();
    EXPECT_EQ(db.Direction(), 1);
    EXPECT_EQ(readFile(dir.path() + "set1a.txt"), "1\taño\r\n5\tdar una vuelta\r\n"_cp);
    EXPECT_EQ(readFile(dir.path() + "set1b.txt"), "Jahr; Lebensjahr\r\nspazieren gehen\r\n");
    EXPECT_EQ(readFile(dir.path() + "set2a.txt"), "1\tBär\r\n"_cp);

    db.DeleteAll();
    dialogs.answer(dir.path() + "set2b.txt");
    db.ImportDictionary();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Dateien wurden exportiert.", Confirm,
                                                          "Dateien wurden importiert."}));
    EXPECT_EQ(db.Direction(), 1);
    EXPECT_EQ(words(db.Entries(1)), std::vector<std::string>{"Bär"_cp});
    ASSERT_EQ(db.Entries(0).size(), spanish.size());
    for (std::size_t i = 0; i < spanish.size(); ++i) {
        EXPECT_EQ(db.Entries(0)[i].Vokabel, spanish[i].Vokabel);
        EXPECT_EQ(db.Entries(0)[i].Bedeutung, spanish[i].Bedeutung);
        EXPECT_EQ(db.Entries(0)[i].Wortart, spanish[i].Wortart);
    }
    EXPECT_TRUE(db.Modified(0) && db.Modified(1));
}

TEST_F(DictionaryExchangeTest, ImportRefusesMissingFilesAndReportsBadLines) {
    dialogs.answer(dir.path() + "none1a.txt");
    db.ImportDictionary();
    dir.file("set1a.txt", "1\tperro\r\n12\tgato\r\n1\traton\r\n");
    dir.file("set1b.txt", "Hund\r\nKatze\r\nMaus\r\n");
    dir.file("set2a.txt", "1\tHund\r\n3\tgut\r\n2\tgehen\r\n");
    dir.file("set2b.txt", "perro\r\nbueno\r\n");
    // Declining the confirmation changes nothing.
    dialogs.answer(dir.path() + "set1a.txt");
    messages.answer(MessageResult::Cancel);
    db.ImportDictionary();
    EXPECT_EQ(db.Count(), 2);
    dialogs.answer(dir.path() + "set1b.txt");
    db.ImportDictionary();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{
                                    "Zu importierende Dateien wurden nicht gefunden!", Confirm,
                                    Confirm, "Fehler beim Import", "Dateien wurden importiert."}));
    EXPECT_EQ(messages.shown()[3].style, MessageStyle::Default);
    EXPECT_EQ(messages.shown()[1].style, 1);
    EXPECT_EQ(words(db.Entries(0)), std::vector<std::string>{"perro"});
    // The shorter file ends the other direction.
    EXPECT_EQ(words(db.Entries(1)), (std::vector<std::string>{"Hund", "gut"}));
    EXPECT_EQ(db.Entries(1)[1].Wortart, 3);
}

} // namespace
} // namespace qor
