#include "DictionaryTestData.h"
#include "core/Configuration.h"
#include "dictionary/XWb.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {
using namespace literals;
using test::fill;
using test::TempDir;

class DictionaryWindowTest : public ::testing::Test {
protected:
    DictionaryWindowTest() {
        // Only the test of the end saves.
        config.WriteProtected = true;
        db.SelectDirection(true);
        fill(db, {{"Bank", 1, "banco (m)"}, {"Bank", 1, "banca (f)"}, {"Haus", 1, "casa (f)"}});
        db.SelectDirection(false);
        fill(db, {{"banco", 1, "(die) Bank"},
                  {"casa", 1, "(das) Haus; (das) Zuhause"},
                  {"casar", 2, "heiraten"},
                  {"en casa", 6, "zu Hause"}});
        window = std::make_unique<TXWb>(db, config, nullptr, nullptr,
                                        [this](const std::string& command, bool) {
                                            sent.push_back(command);
                                            return std::string();
                                        });
    }
    std::string cell(int row, int column) const {
        const QTableWidgetItem* item = window->Grid->item(row, column);
        return item ? fromQString(item->text()) : std::string();
    }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    ScriptedMessages messages;
    TXDatabase db;
    std::vector<std::string> sent;
    std::unique_ptr<TXWb> window;
};

// Searching lists number, headword, meanings and the short class name of
// every hit; browsing shows the entries around the typed headword.
TEST_F(DictionaryWindowTest, SearchAndBrowseFillTheGrid) {
    EXPECT_EQ(window->windowTitle(), "qor spanisch (4)");
    EXPECT_EQ(fromQString(window->DBVokabel->text()), "banco");
    EXPECT_EQ(window->Direction->text(), "Spanisch-Deutsch");

    window->Suchen->setText("casa");
    QTest::keyClick(window->Suchen, Qt::Key_Return);
    EXPECT_EQ(window->Ergebnis->text(), QString::fromUtf8("3 Einträge gefunden."));
    EXPECT_EQ(cell(0, 0), "1");
    EXPECT_EQ(cell(1, 1), "casar");
    EXPECT_EQ(cell(1, 3), "Verb");
    EXPECT_EQ(cell(2, 3), "Rw. o. V.");

    window->SpracheDeutsch->setChecked(true);
    window->Suchen->setText("Haus");
    window->SuchButton->click();
    EXPECT_EQ(window->Grid->rowCount(), 2);
    EXPECT_EQ(cell(0, 2), "(das) Haus; (das) Zuhause");

    window->Suchen->setText("nichts");
    window->SuchButton->click();
    EXPECT_EQ(window->Ergebnis->text(), QString::fromUtf8("0 Einträge gefunden."));
    EXPECT_EQ(window->Grid->rowCount(), 1); // one empty row

    window->xBlaetternClick();
    window->Stichwort->setText("zz");
    EXPECT_EQ(db.Current(), 3);
    EXPECT_EQ(window->Grid->rowCount(), 4);
    EXPECT_EQ(window->Grid->currentRow(), 3);
    EXPECT_EQ(fromQString(window->DBVokabel->text()), "en casa");
}

// A row of the German-Spanish list is found exactly, even where headwords
// repeat, and the edit area opens on it.
TEST_F(DictionaryWindowTest, SelectingARowEditsExactlyThatEntry) {
    window->Direction->click();
    EXPECT_EQ(window->dDirection->text(), "Deutsch-S");
    window->SpracheDeutsch->setChecked(true);
    window->Suchen->setText("Bank");
    window->SuchButton->click();
    window->Grid->setCurrentCell(1, 1);
    EXPECT_EQ(db.Current(), 1);
    EXPECT_EQ(fromQString(window->DBBedeutung->toPlainText()), "banca (f)");
    EXPECT_FALSE(window->xBearbeiten->isEnabled());
}

// Edits write through; an incomplete entry keeps the user where it is; the
// window's end asks, saves and remembers where the dictionary went.
TEST_F(DictionaryWindowTest, EditingMovingAndSavingAtTheEnd) {
    window->goBearbeiten();
    window->DBVokabel->setText("bancos");
    window->DBWortart->setCurrentIndex(2);
    EXPECT_EQ(db.GetWord(0), "bancos");
    EXPECT_EQ(db.GetClass(0), 3);
    EXPECT_TRUE(db.Modified(TXDatabase::SpanishGerman));

    window->dAdd->click();
    EXPECT_EQ(db.Count(), 5);
    window->dNext->click();
    EXPECT_EQ(db.Current(), 0);
    EXPECT_EQ(messages.texts().back(), "Der aktuelle Eintrag ist nicht vollständig!"_cp);
    window->DBVokabel->setText("barco");
    window->DBBedeutung->setPlainText("(das) Schiff");
    window->dNext->click();
    EXPECT_EQ(db.Current(), 1);

    // Ctrl+A is "â" here, not "select all".
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Suchen->setFocus();
    window->Suchen->setText("p");
    QTest::keyClick(window->Suchen, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(fromQString(window->Suchen->text()), "pâ"_cp);

    const std::string file = dir.path() + "s_d.qor";
    db.WriteDirection(TXDatabase::SpanishGerman, file);
    db.Load(file);
    db.SetWord("banco", 0);
    messages.clear();
    // Save; the Spanish-German half goes back to its file; the other half
    // has none, and is not saved elsewhere.
    messages.answer(MessageResult::Yes);
    messages.answer(MessageResult::Ok);
    messages.answer(MessageResult::No);
    config.WriteProtected = false;
    window.reset();
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts().front(), "Das Wörterbuch wurde verändert. Sollen diese "
                                        "Veränderungen gespeichert werden?"_cp);
    EXPECT_EQ(registry.readString("SOFTWARE\\QOR\\qor spanisch\\Verzeichnisse", "Datenbank1"),
              file);
    EXPECT_EQ(sent.back(), "close wb");
}

} // namespace
} // namespace qor
