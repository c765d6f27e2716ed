#include "DictionaryTestData.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::records;
using test::TempDir;
using test::words;

const std::string LoadError = "Fehler beim Laden des Wörterbuchs!"_cp;
const std::string ChangedQuestion =
    "Das Wörterbuch wurde verändert. Sollen diese Veränderungen gespeichert werden?"_cp;

std::string failedQuestion(const std::string& label) {
    return "Das Wörterbuch "_cp + label +
           " konnte nicht gespeichert werden. \nSoll es an einem anderen Ort gespeichert "
           "werden?\n\nAchtung: Bei Nein gehen alle Veränderungen verloren."_cp;
}

class DictionaryFilesTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    TXDatabase db;
    const std::string content = utf8ToCp1252(records(
        {"año", "1", "Jahr", "¿qué?", "4", "was?", "dar una vuelta", "5", "spazieren gehen"}));
};

TEST_F(DictionaryFilesTest, APackedFileIsWrittenBackByteForByte) {
    const std::string packed = deflateZlib(content);
    db.Load(dir.file("s_d.qor", packed));
    EXPECT_EQ(words(db.Entries(0)),
              (std::vector<std::string>{"año"_cp, "¿qué?"_cp, "dar una vuelta"}));
    EXPECT_EQ(db.GetClass(2), 5);
    EXPECT_FALSE(db.Modified(0));
    ASSERT_TRUE(db.WriteDirection(0, dir.path() + "copy.qor"));
    EXPECT_EQ(readFile(dir.path() + "copy.qor"), packed);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DictionaryFilesTest, BothFormatsAreReadWithTheirRules) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> words;
        std::vector<int> classes;
    };
    const std::vector<Case> cases = {
        {"empty.qor", deflateZlib(""), {"_leer"}, {1}},
        {"classes.rqo",
         deflateZlib(records({"a", "7", "x", "b", "0", "y", "c", "6", "z"})),
         {"a", "b", "c"},
         {1, 1, 6}},
        {"plain.txt", "  perro \r\n2\r\nHund\r\ngato\n3\nKatze", {"perro", "gato"}, {2, 3}},
        {"cut.txt", "perro\r\n2\r\nHund\r\ngato\r\n", {"perro", "gato"}, {2, 1}},
        {"zero.txt", std::string("pe\0rro\r\n2\r\nHu\0nd\r\n", 18), {"perro"}, {2}},
    };
    for (const Case& c : cases) {
        TXDatabase fresh;
        fresh.Load(dir.file(c.name, c.bytes));
        EXPECT_EQ(words(fresh.Entries(0)), c.words) << c.name;
        for (std::size_t i = 0; i < c.classes.size(); ++i)
            EXPECT_EQ(fresh.GetClass(static_cast<int>(i)), c.classes[i]) << c.name;
        EXPECT_EQ(fresh.FileName(0), dir.path() + c.name);
    }
    EXPECT_TRUE(messages.shown().empty());
}

// A damaged file keeps what could be read, says so, and is kept in
// "<name>.bak" before the first save replaces it.
TEST_F(DictionaryFilesTest, ADamagedFileIsReportedAndKeptBeforeItIsSavedOver) {
    const std::string packed = deflateZlib(content);
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {"notzlib.qor", "just some text", {}},
        {"truncated.qor", packed.substr(0, packed.size() - 2), {"año", "¿qué?", "dar una vuelta"}},
        {"unterminated.qor",
         deflateZlib(content + records({"casa", "1"}) + "Haus"),
         {"año", "¿qué?", "dar una vuelta"}},
        {"leftover.qor", deflateZlib(content + "x"), {"año", "¿qué?", "dar una vuelta"}},
        {"huge.qor", deflateZlib(std::string((64 << 20) + 1, 'a')), {}},
    };
    for (const Case& c : cases) {
        TXDatabase damaged;
        messages.clear();
        const std::string path = dir.file(c.name, c.bytes);
        damaged.Load(path);
        std::vector<std::string> expected;
        for (const std::string& word : c.words)
            expected.push_back(utf8ToCp1252(word));
        EXPECT_EQ(words(damaged.Entries(0)), expected) << c.name;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{LoadError}) << c.name;
        EXPECT_EQ(messages.shown().front().style, MessageStyle::Stop);

        damaged.AddEntry("perro", "1", "Hund");
        messages.answer(MessageResult::Yes);
        damaged.SaveIfChanged(false);
        EXPECT_EQ(readFile(path + ".bak"), c.bytes) << c.name;
        TXDatabase saved;
        saved.Load(path);
        EXPECT_EQ(saved.Count(), damaged.Count()) << c.name;
    }
}

TEST_F(DictionaryFilesTest, SavingAsksOnceAndSavesEachChangedDirection) {
    const std::string sd = dir.file("s_d.qor", deflateZlib(content));
    db.Load(sd);
    db.SelectDirection(true);
    db.Load(dir.file("d_s.qor", deflateZlib(records({"Haus", "1", "casa"}))));
    db.SaveIfChanged(false); // nothing changed
    db.SaveIfChanged(true);
    EXPECT_TRUE(messages.shown().empty());

    db.AddEntry("Hund", "1", "perro");
    db.SaveIfChanged(true); // write-protected
    messages.answer(MessageResult::No);
    db.SaveIfChanged(false);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{ChangedQuestion});

    messages.clear();
    messages.answer(MessageResult::Yes);
    db.SaveIfChanged(false);
    EXPECT_EQ(
        messages.texts(),
        (std::vector<std::string>{
            ChangedQuestion, "Das Wörterbuch Deutsch-Spanisch wurde erfolgreich gespeichert."_cp}));
    EXPECT_EQ(db.SavedFileName(1), dir.path() + "d_s.qor");
    EXPECT_EQ(db.SavedFileName(0), "");
    EXPECT_EQ(readFile(sd), deflateZlib(content));
    TXDatabase reloaded;
    reloaded.Load(dir.path() + "d_s.qor");
    EXPECT_EQ(words(reloaded.Entries(0)), (std::vector<std::string>{"Haus", "Hund"}));
    EXPECT_TRUE(db.Modified(1)); // saving does not clear the flag
}

// Saving writes the packed format, which a plain file's name would read
// back as text: it goes beside it, and the plain file stays.
TEST_F(DictionaryFilesTest, APlainFileIsSavedPackedBesideIt) {
    const std::string plain = dir.file("s_d.txt", "perro\r\n2\r\nHund\r\n");
    db.Load(plain);
    db.AddEntry("gato", "2", "Katze");
    messages.answer(MessageResult::Yes);
    db.SaveIfChanged(false);
    EXPECT_EQ(db.SavedFileName(0), plain + ".qor");
    EXPECT_EQ(readFile(plain), "perro\r\n2\r\nHund\r\n");
    TXDatabase reloaded;
    reloaded.Load(db.SavedFileName(0));
    EXPECT_EQ(words(reloaded.Entries(0)), (std::vector<std::string>{"perro", "gato"}));
}

TEST_F(DictionaryFilesTest, AFailedSaveOffersAnotherPlaceUntilTheUserGivesUp) {
    db.AddEntry("perro", "1", "Hund");
    db.SelectDirection(true);
    db.Load(dir.path() + "gone/d_s.qor");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{LoadError});
    db.AddEntry("Hund", "1", "perro");
    messages.clear();
    // Direction 0 was never loaded: no name. A cancelled dialog tries again,
    // a name without extension gets ".qor".
    for (int answer : {MessageResult::Yes, MessageResult::Yes, MessageResult::Yes,
                       MessageResult::Ok, MessageResult::Yes, MessageResult::No})
        messages.answer(answer);
    dialogs.answer(std::nullopt);
    dialogs.answer(dir.path() + "sd");
    dialogs.answer(std::nullopt);
    db.SaveIfChanged(false);
    EXPECT_EQ(
        messages.texts(),
        (std::vector<std::string>{
            ChangedQuestion, failedQuestion("Spanisch-Deutsch"), failedQuestion("Spanisch-Deutsch"),
            "Das Wörterbuch Spanisch-Deutsch wurde erfolgreich gespeichert."_cp,
            failedQuestion("Deutsch-Spanisch"), failedQuestion("Deutsch-Spanisch")}));
    ASSERT_EQ(dialogs.asked().size(), 3u);
    EXPECT_EQ(dialogs.asked()[0].title, "Wörterbuch Spanisch-Deutsch speichern"_cp);
    EXPECT_EQ(dialogs.asked()[0].filter, "QOR Wörterbücher (*.qor)"_cp);
    EXPECT_EQ(dialogs.asked()[2].fileName, "d_s.qor");
    EXPECT_EQ(dialogs.asked()[2].directory, dir.path() + "gone/");
    EXPECT_EQ(db.FileName(0), dir.path() + "sd.qor");
    EXPECT_EQ(db.SavedFileName(0), dir.path() + "sd.qor");
    EXPECT_EQ(db.SavedFileName(1), "");
    EXPECT_TRUE(fileExists(dir.path() + "sd.qor"));
}

} // namespace
} // namespace qor
