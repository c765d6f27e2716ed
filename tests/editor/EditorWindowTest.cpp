// The vocabulary editor on Qt's offscreen platform: fields write through,
// moving through the library keeps its rules, the dictionary is looked up and
// taken over, the keys reach the editor before its fields, and leaving asks
// for unsaved changes.

#include "controls/XListBox.h"
#include "core/Configuration.h"
#include "dictionary/DictionaryTestData.h"
#include "editor/window/FrListe.h"
#include "editor/window/FrNavigation.h"
#include "editor/window/VocEditor.h"
#include "editor/window/VokabelFrame.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;

class EditorWindowTest : public ::testing::Test {
protected:
    EditorWindowTest() {
        // The editor's recorder records silence from SDL's dummy device.
        qputenv("SDL_AUDIODRIVER", "dummy");
        library.Clear(false);
        add("casa (f)", "(das) Haus");
        add("perro (m)", "(der) Hund");
        library.AddEmpty();
        test::fill(dictionary, {{"casa (f)", 1, "(das) Haus; (das) Heim; (das) Zuhause"},
                                {"perro (m)", 1, "(der) Hund"}});
        open();
    }
    ~EditorWindowTest() override { delete editor; }
    void add(const std::string& word, const std::string& meaning) {
        TVokabel entry;
        entry.Vokabel = word;
        entry.Bedeutung[0] = meaning;
        library.Add(entry);
    }
    void open() {
        VocEditorContext context{library, settings, config, registry, dictionary, &sounds, {}, {}};
        context.sendMci = [this](const std::string& command, bool) {
            sent.push_back(command);
            return std::string();
        };
        editor = new TVocEditor(context);
        editor->OnLeave = [this](EditorExit exit) {
            left = exit;
        };
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
    }
    std::string field(QLineEdit* edit) const { return fromQString(edit->text()); }
    std::string field(QPlainTextEdit* memo) const { return fromQString(memo->toPlainText()); }
    TVokabelFrame& frame() const { return *editor->VokabelFrame; }
    TXListBox& list() const { return *editor->FrListe->Liste; }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    TBibliothek library{std::make_unique<TLastFiles>(registry)};
    TVocEinstellungen settings;
    TXDatabase dictionary;
    TXWaveBase sounds{config};
    ScriptedMessages messages;
    std::vector<std::string> sent;
    std::optional<EditorExit> left;
    QPointer<TVocEditor> editor;
};

// Every field goes into the current entry at once; the word shows in the
// list, the direction marks change the entry's direction and its list mark.
TEST_F(EditorWindowTest, FieldsWriteThroughAtOnce) {
    EXPECT_EQ(editor->windowTitle(), "qor spanisch - Vokabeleditor");
    EXPECT_EQ(field(frame().eVokabel), "casa (f)");
    QTest::mouseClick(&list(), Qt::LeftButton, {}, QPoint(30, list().ItemHeight() * 2 + 5));
    EXPECT_EQ(library.Aktuell(), 2);

    frame().eVokabel->setFocus();
    QTest::keyClicks(frame().eVokabel, "gato");
    QTest::keyClicks(frame().eBedeutung0, "(die) Katze");
    QTest::keyClicks(frame().eBedeutung1, "(der) Kater");
    QTest::keyClicks(frame().eKontext0, "El gato duerme.");
    frame().Ktx_dazu1->setChecked(true);
    frame().EWortart->setCurrentIndex(1);
    frame().Schwierigkeit->setCurrentIndex(3);
    frame().iDeutsch->click();

    const TVokabel& entry = *library.Entry(2);
    EXPECT_EQ(entry.Vokabel, "gato");
    EXPECT_EQ(entry.Bedeutung[0], "(die) Katze");
    EXPECT_EQ(entry.Bedeutung[1], "(der) Kater");
    EXPECT_EQ(entry.Kontext[0], "El gato duerme.");
    EXPECT_TRUE(entry.KtxDazu[0]);
    EXPECT_EQ(entry.Wortart, 1);
    EXPECT_EQ(entry.Schwierigkeit, 3);
    EXPECT_TRUE(entry.Deutsch);
    EXPECT_TRUE(library.Geaendert());
    EXPECT_EQ(list().Items().at(2), "\xA7gato");

    // A line break pasted into a memo would break the library file's lines.
    frame().eKontext1->setPlainText(QStringLiteral("Dos\nlineas"));
    EXPECT_EQ(library.Kontext(2, 1), "Dos lineas");
    EXPECT_EQ(field(frame().eKontext1), "Dos lineas");
}

// An empty entry in the middle keeps the user until it is completed or
// deleted; on the trailing empty entry "next" adds nothing, on a filled
// last entry it appends the place for the next one.
TEST_F(EditorWindowTest, MovingThroughTheLibraryKeepsItsRules) {
    editor->ZurFolgenden();
    editor->EinfuegenVor();
    EXPECT_EQ(library.Count(true), 4);
    EXPECT_EQ(library.Aktuell(), 1);
    EXPECT_EQ(list().Items().at(1), "$(leer)");

    editor->ListeChange(2);
    EXPECT_EQ(library.Aktuell(), 1);
    EXPECT_EQ(list().Selected(), 1);
    EXPECT_EQ(messages.texts().back(), "Die aktuelle Vokabel ist leer oder unvollständig!\nBitte "
                                       "vervollständigen oder löschen Sie die Vokabel."_cp);
    editor->VokabelLoeschen();
    EXPECT_EQ(library.Count(true), 3);

    editor->ListeChange(2);
    messages.clear();
    editor->ZurFolgenden();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Ende der Bibliothek erreicht!"});
    EXPECT_EQ(library.Count(true), 3);

    frame().eVokabel->setText("gato");
    frame().eBedeutung0->setText("Katze");
    editor->ZurFolgenden();
    EXPECT_EQ(library.Count(true), 4);
    EXPECT_EQ(library.Aktuell(), 3);
    EXPECT_EQ(list().Items().back(), "$(leer)");
}

// Saving refuses a library with a gap and shows the gap.
TEST_F(EditorWindowTest, SavingAndSortingRefuseAGap) {
    editor->ZurFolgenden();
    editor->EinfuegenVor();
    editor->ZurVorhergehenden(); // refused: the gap keeps the user
    editor->Sortieren();
    EXPECT_EQ(library.Aktuell(), 1);
    EXPECT_EQ(messages.texts().back(), "Die Bibliothek enthält eine unvollständige Vokabel!\nBitte "
                                       "vervollständigen oder löschen Sie diese Vokabel."_cp);

    ScriptedFileDialogs dialogs;
    editor->Speichern();
    EXPECT_TRUE(dialogs.asked().empty());
    editor->VokabelLoeschen();
    dialogs.answer(dir.path() + "neu");
    editor->Speichern();
    ASSERT_EQ(dialogs.asked().size(), 1U);
    EXPECT_TRUE(fileExists(dir.path() + "neu.asc"));
    EXPECT_FALSE(library.Geaendert());
}

// The look-up follows the entry; three take-overs of an entry with three
// meanings alternate the split; a check over an entry with "?" takes the
// dictionary entry over and goes on.
TEST_F(EditorWindowTest, DictionaryLookUpTakeOverAndCheck) {
    EXPECT_EQ(field(frame().DBVokabel), "casa (f)");
    const std::pair<const char*, const char*> splits[] = {
        {"(das) Haus", "(das) Heim; (das) Zuhause"},
        {"(das) Haus; (das) Heim", "(das) Zuhause"},
        {"(das) Haus", "(das) Heim; (das) Zuhause"},
    };
    for (const auto& [first, further] : splits) {
        QTest::keyClick(frame().eVokabel, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(library.Bedeutung(0, 0), first);
        EXPECT_EQ(library.Bedeutung(0, 1), further);
    }

    library.setVokabel(1, "perro");
    library.setBedeutung(1, 0, "?");
    editor->Kontrollieren();
    EXPECT_EQ(library.Vokabel(1), "perro (m)");
    EXPECT_EQ(library.Bedeutung(1, 0), "(der) Hund");
    EXPECT_EQ(messages.texts().back(), "Kontrolle beendet.");
    EXPECT_FALSE(editor->Beschaeftigt());

    // A word the dictionary lacks: "no" stops the check there.
    library.setVokabel(2, "zorro (m)");
    library.setBedeutung(2, 0, "(der) Fuchs");
    library.AddEmpty();
    editor->ListeChange(0);
    messages.clear();
    messages.answer(MessageResult::No);
    editor->Kontrollieren();
    EXPECT_EQ(library.Aktuell(), 2);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Diese Vokabel ist (noch) nicht im "
                                                         "Wörterbuch!\nSoll sie ins Wörterbuch "
                                                         "aufgenommen werden???"_cp});
    EXPECT_EQ(dictionary.Count(), 2);
}

// Ctrl+A inserts "â" rather than selecting all; F1 cycles the accent of the
// letter before the caret; Enter moves to the next field.
TEST_F(EditorWindowTest, TheEditorsKeysWinOverTheFields) {
    QLineEdit* word = frame().eVokabel;
    word->setFocus();
    word->setCursorPosition(4);
    QTest::keyClick(word, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(library.Vokabel(0), "casaâ (f)"_cp);
    QTest::keyClick(word, Qt::Key_F1);
    EXPECT_EQ(library.Vokabel(0), "casaä (f)"_cp);
    QTest::keyClick(word, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), frame().EWortart);
    QTest::keyClick(frame().EWortart, Qt::Key_PageDown);
    EXPECT_EQ(library.Aktuell(), 1);
}

// Leaving with unsaved changes asks; "Abbrechen" keeps the editor, "Nein"
// lets it go home without saving.
TEST_F(EditorWindowTest, LeavingAsksForUnsavedChanges) {
    frame().eVokabel->setText("casita");
    messages.answer(MessageResult::Cancel);
    editor->Home();
    EXPECT_FALSE(left);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(messages.texts().back(), "Die aktuelle Bibliothek wurde verändert.\nSollen die "
                                       "Veränderungen jetzt gespeichert werden?"_cp);

    // Choosing to save, then cancelling the file dialog, keeps the changes.
    ScriptedFileDialogs dialogs;
    messages.answer(MessageResult::Yes);
    editor->Home();
    EXPECT_FALSE(left);

    messages.answer(MessageResult::No);
    editor->Home();
    EXPECT_EQ(left, EditorExit::Home);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(library.Vokabel(0), "casita");
}

// On its own the editor is a fixed window; its sizes decide the panels'
// widths, the font and whether the second context shows.
TEST_F(EditorWindowTest, WindowSizesOfTheEditorOnItsOwn) {
    delete editor;
    config.EditorMode = true;
    open();
    EXPECT_FALSE(editor->FrNavigation->isVisibleTo(editor));
    EXPECT_TRUE(editor->mBeenden->isVisible());
    EXPECT_EQ(editor->mBeenden->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_TRUE(editor->mHome->shortcut().isEmpty());
    struct Case {
        QSize client;
        int listWidth;
        int fontSize;
        bool secondContext;
    };
    const Case cases[] = {
        {{800, 600}, 400, 10, true},
        {{640, 480}, 320, 9, false},
        {{1024, 768}, 474, 14, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.client.width());
        editor->SetWindowSize(c.client.width(), c.client.height());
        QCoreApplication::processEvents();
        EXPECT_EQ(editor->centralWidget()->size(), c.client);
        EXPECT_EQ(editor->FrListe->width(), c.listWidth);
        EXPECT_EQ(frame().eBedeutung0->font().pointSize(), c.fontSize);
        EXPECT_EQ(frame().eKontext1->isVisibleTo(editor), c.secondContext);
    }
}

// A recording saved under any name is a wave file, and the sound database
// registers it for the entry's word.
TEST_F(EditorWindowTest, ARecordingIsSavedAsWaveAndRegistered) {
    editor->FrListe->bAufnahme->click();
    EXPECT_FALSE(editor->FrListe->bAbspielen->isEnabled());
    QTest::qWait(300);
    editor->FrListe->bAufnahme->click();
    EXPECT_TRUE(editor->FrListe->bAufnahmeSpeichern->isEnabled());

    ScriptedFileDialogs dialogs;
    dialogs.answer(dir.path() + "casa.mp3");
    QTimer::singleShot(0, [] {
        if (QWidget* window = QApplication::activeModalWidget())
            window->close();
    });
    editor->AufnahmeSpeichern();
    EXPECT_TRUE(fileExists(dir.path() + "casa.wav"));
    EXPECT_FALSE(fileExists(dir.path() + "casa.mp3"));
    ASSERT_EQ(sounds.Count(), 1);
    EXPECT_EQ(sounds.GetText(), "casa (f)");
    EXPECT_EQ(sounds.GetDatei(), dir.path() + "casa.wav");
}

} // namespace
} // namespace qor
