#include "core/Configuration.h"
#include "editor/dialogs/EdConfig.h"
#include "editor/dialogs/ImportDialog.h"
#include "editor/dialogs/SchemaDlg.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/ScriptedMessages.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {
using test::TempDir;

TEST(SchemaDlgTest, RefusesEmptyNamesAndCharactersFileNamesCannotHold) {
    struct Case {
        QString name;
        bool accepted;
        std::string message;
    };
    const Case cases[] = {
        {"", false, "Bitte einen Namen eingeben"},
        {"   ", false, "Bitte einen Namen eingeben"},
        {"Tag:Nacht", false, "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\""},
        {"a/b", false, "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\""},
        {" Nacht ", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ScriptedMessages messages;
        TSchemaDlg dialog("default");
        dialog.show();
        EXPECT_EQ(dialog.SchemaName->selectedText(), "default");
        dialog.SchemaName->setText(c.name);
        dialog.btnOK->click();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(dialog.isVisible(), !c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(messages.shown().empty());
            EXPECT_EQ(dialog.name(), "Nacht");
        } else {
            ASSERT_EQ(messages.shown().size(), 1U);
            EXPECT_EQ(messages.shown()[0].text, c.message);
        }
    }
}

// A program directory with two schemes besides "default".
struct SchemeFixture {
    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    EditorScheme scheme;
    int applied = 0;

    SchemeFixture() {
        dir.file("editor/default.ed", "SCHRIFT=Arial\nFARBE1=#DDE6EE\nFARBE5=#FFFFFF\n");
        dir.file("editor/Nacht.ed", "FETT=1\nSIZE3=12\nFARBE1=#1E2630\nFARBE5=#2F3B4A\n");
        dir.file("editor/Sandstein.ed", "FARBE1=#E9DCC6\n");
        config.EditorSchema = "default";
        ReadScheme(SchemeFile(dir.path(), "default"), scheme,
                   [](const std::string&) { return true; });
        scheme.SchemaGeaendert = true; // changed before the dialog opened
    }
    std::function<void()> apply() {
        return [this] {
            ++applied;
        };
    }
    std::optional<std::string> storedName() const {
        return registry.readString(RegistryKey::Directories, "Editor-Schema");
    }
};

void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

TEST(EdConfigTest, AbbrechenBringsBackEverythingTheDialogChanged) {
    SchemeFixture f;
    const std::string original = SchemeText(f.scheme);
    TEdConfig dialog(f.scheme, f.config, f.apply(), nullptr, 2);
    dialog.show();
    EXPECT_EQ(dialog.Schema->currentText(), "");
    EXPECT_EQ(dialog.Schema->count(), 3); // the nameless scheme, Nacht, Sandstein

    typeInto(dialog.F[0], "12345"); // not six digits yet
    EXPECT_EQ(f.scheme.Colors[0], rgbColor(0xDD, 0xE6, 0xEE));
    QTest::keyClicks(dialog.F[0], "6");
    EXPECT_EQ(f.scheme.Colors[0], rgbColor(0x12, 0x34, 0x56));
    typeInto(dialog.F[1], "FF");
    QTest::keyClick(dialog.F[1], Qt::Key_Return); // takes any length, keeps the dialog open
    EXPECT_EQ(f.scheme.Colors[1], rgbColor(0, 0, 0xFF));
    EXPECT_EQ(dialog.F[1]->text(), "0000FF");
    EXPECT_TRUE(dialog.isVisible());
    typeInto(dialog.F[2], "1G");
    EXPECT_EQ(dialog.F[2]->text(), "000000"); // not hexadecimal: the panel's colour again

    dialog.Schema->setCurrentText("Nacht");
    EXPECT_EQ(f.config.EditorSchema, "Nacht");
    EXPECT_TRUE(f.scheme.Bold);
    EXPECT_EQ(dialog.Groesse->currentText(), "12");
    EXPECT_EQ(dialog.F[4]->text(), "2F3B4A");
    dialog.btnFett->click(); // a change: the scheme has no name any more
    EXPECT_FALSE(f.scheme.Bold);
    EXPECT_EQ(f.config.EditorSchema, "default");
    EXPECT_EQ(dialog.Schema->currentText(), "");
    dialog.Groesse->setEditText("20"); // more than a scheme file can hold
    EXPECT_EQ(f.scheme.Sizes[2], 12);
    dialog.Groesse->setEditText("8");
    EXPECT_EQ(f.scheme.Sizes[2], 8);

    const int appliedBefore = f.applied;
    EXPECT_GE(appliedBefore, 4);
    dialog.btnAbbrechen->click();
    EXPECT_EQ(SchemeText(f.scheme), original);
    EXPECT_TRUE(f.scheme.SchemaGeaendert);
    EXPECT_EQ(f.config.EditorSchema, "default");
    EXPECT_EQ(f.applied, appliedBefore + 1);
    EXPECT_FALSE(f.storedName());
}

TEST(EdConfigTest, OkAndSpeichernUnterStoreTheSchemeName) {
    SchemeFixture f;
    {
        TEdConfig dialog(f.scheme, f.config, f.apply(), nullptr, 2);
        dialog.Schema->setCurrentText("Sandstein");
        dialog.btnOK->click();
        EXPECT_EQ(f.storedName(), "Sandstein");
        EXPECT_EQ(f.scheme.Colors[0], rgbColor(0xE9, 0xDC, 0xC6));
    }
    TEdConfig dialog(f.scheme, f.config, f.apply(), nullptr, 2);
    typeInto(dialog.F[6], "ABCDEF");
    QTimer::singleShot(0, [] {
        auto* naming = qobject_cast<TSchemaDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(naming, nullptr);
        naming->SchemaName->setText("Mein Schema");
        naming->btnOK->click();
    });
    dialog.btnSpeichernUnter->click();
    EXPECT_EQ(f.config.EditorSchema, "Mein Schema");
    EXPECT_EQ(f.storedName(), "Mein Schema");
    EXPECT_EQ(dialog.Schema->currentText(), "Mein Schema");
    EditorScheme saved;
    ASSERT_TRUE(ReadScheme(SchemeFile(f.dir.path(), "Mein Schema"), saved,
                           [](const std::string&) { return true; }));
    EXPECT_EQ(saved.Colors[6], rgbColor(0xAB, 0xCD, 0xEF));
    // Abbrechen afterwards: the name at opening is stored again as well.
    dialog.btnAbbrechen->click();
    EXPECT_EQ(f.storedName(), "Sandstein");
}

TEST(ImportDialogTest, StartsFromTheLastImportAndRefusesSeparatorsOfSeveralCharacters) {
    TempDir dir;
    ScriptedMessages messages;
    dir.file("hqor/_import.htx", deflateZlib("<TITLE>Import</TITLE>Jede Zeile wird eine Vokabel."));
    MemoryRegistry registry;
    registry.writeString("Software\\qor\\Import", "Trennzeichen", "|");
    TImport dialog(registry, dir.path() + "hqor/");
    dialog.show();
    EXPECT_EQ(dialog.separatorText(), "|");
    EXPECT_EQ(dialog.structureText(), "Vokabel, Bedeutung");
    EXPECT_EQ(dialog.Separator->count(), 6);
    EXPECT_EQ(dialog.Struktur->count(), 7);
    dialog.Separator->setEditText("||");
    dialog.btnOK->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.texts(),
              std::vector<std::string>{"Bitte als Trennzeichen genau ein Zeichen "
                                       "angeben\r\n(oder TAB f\xFCr den Tabulator)."});
    dialog.Separator->setCurrentIndex(3);
    dialog.btnOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.separatorText(), "Semikolon [;]");
}

} // namespace
} // namespace qor
