#include "vocabulary/VocOptionen.h"

#include "controls/XListBox.h"
#include "controls/XRadioGroup.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"
#include "vocabulary/LibraryFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <gtest/gtest.h>

namespace qor {
namespace {

TVokabel entry(const std::string& word, bool german) {
    TVokabel e;
    e.Vokabel = word;
    e.Bedeutung[0] = "m";
    e.Deutsch = german;
    return e;
}

// The window over a library of `german` German and `spanish` Spanish words,
// with settings that let every entry take part.
struct OptionsWindow {
    MemoryRegistry registry;
    Configuration config{registry, "/opt/qor/qor-spanisch", "/opt/qor/"};
    TVocEinstellungen settings;
    TBibliothek library{std::make_unique<TLastFiles>(registry)};
    bool user = false;
    std::string pageFolder;
    std::unique_ptr<TVocOptionen> window;

    OptionsWindow(int german, int spanish, bool loggedIn = false) : user(loggedIn) {
        library.Clear(false);
        for (int i = 0; i < german + spanish; ++i)
            library.Add(entry("w" + std::to_string(i + 1), i < german));
        if (loggedIn)
            library.setScoreSource([](std::string_view word, bool, int) {
                return std::optional<int>(std::stoi(std::string(word.substr(1))) * 10);
            });
        settings.NichtGelesen = false;
        settings.NichtZuSchwer.fill(true);
        settings.Richtung = 2;
        settings.MaxScore = 100;
    }

    bool trainable = false; // what the training's start check answers

    TVocOptionen& open() {
        window = std::make_unique<TVocOptionen>(VocOptionenContext{library,
                                                                   settings,
                                                                   config,
                                                                   registry,
                                                                   [this] { return user; },
                                                                   pageFolder,
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   [this] {
                                                                       return trainable;
                                                                   }});
        return *window;
    }
};

std::string text(const QLabel* label) {
    return fromQString(label->text());
}

bool shownRed(const QLabel* label) {
    return label->palette().color(QPalette::WindowText).red() == 0xFF &&
           label->palette().color(QPalette::WindowText) != QColor(0xE8, 0xB5, 0x3A);
}

void choose(tXRadioGroup* group, int index) {
    group->setSelected(index);
    group->OnClick(group);
}

TEST(VocOptionenTest, ControlsWriteTheSettings) {
    struct Case {
        const char* name;
        std::function<void(TVocOptionen&)> change;
        std::function<void(const TVocOptionen&, const TVocEinstellungen&)> check;
    };
    const std::vector<Case> cases = {
        {"order", [](TVocOptionen& w) { choose(w.cModus, 1); },
         [](const TVocOptionen&, const TVocEinstellungen& s) {
             EXPECT_EQ(s.Modus, 1);
         }},
        {"direction", [](TVocOptionen& w) { choose(w.cRichtung, 0); },
         [](const TVocOptionen& w, const TVocEinstellungen& s) {
             EXPECT_EQ(s.Richtung, 0);
             EXPECT_EQ(text(w.lMeldung), "4 davon aktiv");
         }},
        {"multiple choice", [](TVocOptionen& w) { w.TrackMultiple->setValue(30); },
         [](const TVocOptionen& w, const TVocEinstellungen& s) {
             EXPECT_EQ(s.MultipleChoice, 30);
             EXPECT_EQ(text(w.lMultiple), "Multiple Choice 30%");
             EXPECT_EQ(text(w.lEintippen), "70% Eintippen");
         }},
        {"difficulty", [](TVocOptionen& w) { w.Schwer[2]->setChecked(false); },
         [](const TVocOptionen&, const TVocEinstellungen& s) {
             EXPECT_EQ(s.NichtZuSchwer, (std::array<bool, 5>{true, true, false, true, true}));
         }},
        {"phrases and context",
         [](TVocOptionen& w) {
             w.cRedewendungen->setChecked(true);
             w.cKontext->setChecked(true);
         },
         [](const TVocOptionen&, const TVocEinstellungen& s) {
             EXPECT_TRUE(s.Redewendungen);
             EXPECT_TRUE(s.Kontext);
         }},
        {"score limit", [](TVocOptionen& w) { w.TrackScore->setValue(-20); },
         [](const TVocOptionen& w, const TVocEinstellungen& s) {
             EXPECT_EQ(s.MaxScore, -20);
             EXPECT_EQ(text(w.lMaxScore), "-20%");
             EXPECT_EQ(text(w.lScoreExpl), "Es werden nur Vokabeln abgefragt, die schon mehr "
                                           "oder weniger oft falsch gemacht wurden, aber keine "
                                           "neuen Vokabeln.");
         }},
        {"range",
         [](TVocOptionen& w) {
             w.cVon->setCurrentIndex(2);
             w.cBis->setCurrentIndex(5);
         },
         [](const TVocOptionen& w, const TVocEinstellungen& s) {
             EXPECT_EQ(s.Von, 2);
             EXPECT_EQ(s.Bis, 5);
             EXPECT_EQ(fromQString(w.cVon->currentText()), "3   w3");
             EXPECT_EQ(text(w.lMeldung), "4 davon aktiv");
         }},
        {"range given end before start",
         [](TVocOptionen& w) {
             w.cBis->setCurrentIndex(2);
             w.cVon->setCurrentIndex(6);
         },
         [](const TVocOptionen& w, const TVocEinstellungen& s) {
             EXPECT_EQ(s.Von, 2);
             EXPECT_EQ(s.Bis, 6);
             EXPECT_EQ(w.cVon->currentIndex(), 2);
             EXPECT_EQ(w.cBis->currentIndex(), 6);
         }},
        {"round size in random order",
         [](TVocOptionen& w) {
             choose(w.cModus, 2);
             w.TrackProRunde->setValue(7);
         },
         [](const TVocOptionen& w, const TVocEinstellungen& s) {
             EXPECT_EQ(s.ProRunde, 7);
             EXPECT_EQ(text(w.LProRunde), "7");
             EXPECT_FALSE(w.cVon->isEnabled());
             EXPECT_EQ(w.TrackProRunde->maximum(), 8);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OptionsWindow fixture(4, 4);
        fixture.settings.Modus = 0;
        TVocOptionen& window = fixture.open();
        EXPECT_EQ(text(window.lMeldung), "8 davon aktiv");
        c.change(window);
        c.check(window, fixture.settings);
    }
}

TEST(VocOptionenTest, StatusLineSaysWhetherTheSettingsCanTrain) {
    struct Case {
        const char* name;
        int german, spanish, modus, roundSize;
        const char* message;
        bool usable;
    };
    const std::vector<Case> cases = {
        {"empty library", 0, 0, 0, 5, "0 davon aktiv", false},
        {"no entry of the direction", 0, 6, 0, 5, "0 davon aktiv", false},
        {"in order", 8, 4, 0, 10, "8 davon aktiv", true},
        {"round larger than the active entries", 8, 4, 2, 10, "8 davon aktiv", false},
        {"round of all active entries", 8, 4, 2, 8, "8 davon aktiv", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OptionsWindow fixture(c.german, c.spanish);
        fixture.settings.Richtung = 0;
        fixture.settings.Modus = static_cast<std::uint8_t>(c.modus);
        fixture.settings.ProRunde = c.roundSize;
        TVocOptionen& window = fixture.open();
        EXPECT_EQ(text(window.lMeldung), c.message);
        EXPECT_EQ(shownRed(window.lMeldung), !c.usable);
        EXPECT_EQ(fromQString(window.iStatus->toolTip()),
                  c.usable ? "Einstellungen sind OK!" : "Einstellungen sind NICHT OK!");
    }
}

TEST(VocOptionenTest, ListsTheEntriesWithTheirScoresForAUser) {
    struct Case {
        int german, spanish;
        bool user;
        const char* count;
        std::vector<std::string> items;
        bool rangesEnabled;
    };
    const std::string g(1, OnMarker);
    const std::vector<Case> cases = {
        {1, 2, false, "3 Vokabeln", {g + "w1", "$w2", "$w3"}, true},
        {1,
         2,
         true,
         "3 Vokabeln - Durchschnittliche Performance: 20%",
         {g + "w1&10%", "$w2&20%", "$w3&30%"},
         true},
        {0, 0, true, "0 Vokabeln", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        OptionsWindow fixture(c.german, c.spanish, c.user);
        fixture.settings.Modus = 0;
        TVocOptionen& window = fixture.open();
        EXPECT_EQ(text(window.lAnzahl), c.count);
        EXPECT_EQ(window.lbVokabeln->Items(), c.items);
        EXPECT_EQ(window.cVon->isEnabled(), c.rangesEnabled);
        EXPECT_EQ(window.cBis->count(), static_cast<int>(c.items.size()));
    }
}

TEST(VocOptionenTest, LoadsAddsAndSavesLibrariesThroughTheDialogs) {
    test::TempDir dir;
    const std::string path =
        dir.file("kurs/Familie.asc", WriteLibraryText({entry("casa", false), entry("Haus", true)}));
    OptionsWindow fixture(0, 0);
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    dialogs.answer(path);
    dialogs.answer(path);
    TVocOptionen& window = fixture.open();
    window.bLaden->click();
    window.bDazuladen->click();
    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[0].filter, "QEB Bibliotheken (*.asc)");
    EXPECT_EQ(dialogs.asked()[1].directory, dir.path() + "kurs/");
    EXPECT_EQ(fixture.config.VocabularyFileDir, dir.path() + "kurs/");
    EXPECT_EQ(fixture.registry.readString(RegistryKey::Directories, "Vokabel-Dateien"),
              dir.path() + "kurs/");
    EXPECT_EQ(text(window.lAnzahl), "4 Vokabeln");
    EXPECT_EQ(fromQString(window.cBis->currentText()), "4   Haus");
    const QList<QAction*> actions = window.mDatei->actions();
    EXPECT_TRUE(std::any_of(actions.begin(), actions.end(), [&](const QAction* action) {
        return fromQString(action->text()) == "&1 " + path;
    }));

    window.bNeu->click();
    EXPECT_EQ(text(window.lAnzahl), "0 Vokabeln");
    fixture.library.setVokabel(0, "perro");
    fixture.library.setBedeutung(0, 0, "Hund");
    const std::string saved = dir.path() + "neu.asc";
    dialogs.answer(saved);
    window.bSpeichern->click();
    EXPECT_EQ(dialogs.asked().back().filter, "Vokabel-Bibliotheken (*.asc)");
    EXPECT_EQ(ReadLibraryText(readFile(saved).value_or("")).entries.size(), 1u);
    EXPECT_EQ(fixture.library.Recent(0), saved);
    EXPECT_TRUE(messages.shown().empty());
}

TEST(VocOptionenTest, UserFiltersNeedALoginAndHomeWritesTheSettings) {
    ScriptedMessages messages;
    test::TempDir pages;
    pages.file("voc_opt1.htx", deflateZlib("<TITLE>Grenzwert</TITLE>Text"));
    for (const bool user : {false, true}) {
        SCOPED_TRACE(user);
        OptionsWindow fixture(2, 2, user);
        fixture.pageFolder = pages.path();
        TVocOptionen& window = fixture.open();
        int homes = 0;
        window.OnHome = [&] {
            ++homes;
        };
        messages.clear();
        window.bBenutzer->click();
        EXPECT_EQ(window.Seiten->currentIndex(), user ? 1 : 0);
        EXPECT_EQ(messages.texts(),
                  user ? std::vector<std::string>{}
                       : std::vector<std::string>{
                             "Die Erfolgsanalyse erfordert eine Anmeldung als Benutzer!"});
        choose(window.cModus, 1);
        // "abfragen" stays while no training can start, and leaves for one.
        window.bAbfragen->click();
        EXPECT_EQ(homes, 0);
        fixture.trainable = true;
        window.bAbfragen->click();
        EXPECT_EQ(homes, 1);
        EXPECT_EQ(window.PendingCommand(), "vabfrage");
        EXPECT_EQ(fixture.registry.readString(TVocEinstellungen::Key, "Modus"), "zurück"_cp);
    }
}

// The "Austausch" menu exports and imports through the file dialogs and is
// gone once the switch in "Extras" is off.
TEST(VocOptionenTest, ExchangesLibrariesWhileTheExtraIsOn) {
    test::TempDir dir;
    OptionsWindow fixture(1, 2);
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    TVocOptionen& window = fixture.open();
    const auto find = [](QMenu* menu, const QString& text) -> QAction* {
        for (QAction* action : menu->findChildren<QAction*>())
            if (action->text() == text)
                return action;
        return nullptr;
    };
    QAction* exchange = find(window.mDatei, QStringLiteral("Aus&tausch"));
    ASSERT_NE(exchange, nullptr);
    emit window.mDatei->aboutToShow();
    EXPECT_TRUE(exchange->isVisible());

    dialogs.answer(dir.path() + "export");
    find(exchange->menu(), QStringLiteral("Als &KVTML exportieren..."))->trigger();
    ASSERT_TRUE(fileExists(dir.path() + "export.kvtml"));
    fixture.library.Clear(true);
    dialogs.answer(dir.path() + "export.kvtml");
    find(exchange->menu(), QStringLiteral("CSV/KVTML &importieren..."))->trigger();
    EXPECT_EQ(dialogs.asked().back().filter, "CSV- und KVTML-Dateien (*.csv *.kvtml)");
    EXPECT_EQ(text(window.lAnzahl), "3 Vokabeln");
    EXPECT_EQ(text(window.lDatei), "Unbenannt");
    EXPECT_TRUE(messages.shown().empty());

    QAction* extra = nullptr;
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
        if (!extra)
            extra = find(menu, QStringLiteral("Bibliotheken mit CSV und KVTML austauschen"));
    ASSERT_NE(extra, nullptr);
    extra->trigger();
    EXPECT_FALSE(fixture.config.Extras.Exchange);
    emit window.mDatei->aboutToShow();
    EXPECT_FALSE(exchange->isVisible());
}

} // namespace
} // namespace qor
