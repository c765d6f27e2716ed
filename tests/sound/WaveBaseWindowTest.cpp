#include "FakeMci.h"
#include "ScriptedSpeech.h"
#include "core/Configuration.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"
#include "sound/WaveDB.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;

struct SentCommand {
    std::string command;
    bool quiet;
    bool operator==(const SentCommand&) const = default;
};

class WaveBaseWindowTest : public ::testing::Test {
protected:
    WaveBaseWindowTest() {
        // The window as it always was; speech has a test of its own.
        config.Extras.Speech = false;
        config.WaveDir = dir.dir("wave");
        dir.file("wave/perro.wav", "RIFF");
        base.AddEntry("agua", "XS:\\agua.wav");
        base.AddEntry("perro", "XS:\\perro.wav");
        window =
            std::make_unique<TWaveDB>(base, config, nullptr, [this](const std::string& c, bool q) {
                sent.push_back({c, q});
                return answers.empty() ? std::string() : answers.front();
            });
    }
    std::string shownText() const { return fromQString(window->eText->text()); }
    std::string shownFile() const { return fromQString(window->eDatei->text()); }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    TXWaveBase base{config};
    std::vector<SentCommand> sent;
    std::vector<std::string> answers;
    std::unique_ptr<TWaveDB> window;
};

TEST_F(WaveBaseWindowTest, ShowsTheCurrentEntryAndOffersPlayingOnlyExistingRecordings) {
    EXPECT_EQ(window->windowTitle(), "Verwaltung der Sprachaufnahmen");
    EXPECT_EQ(shownText(), "agua");
    EXPECT_EQ(shownFile(), "XS:\\agua.wav");
    EXPECT_EQ(window->lCount->text(), QString::fromUtf8("2 Einträge"));
    EXPECT_TRUE(window->btnPlay->isHidden());
    EXPECT_EQ(window->btnSort->toolTip(), "Alphabetisch sortieren");

    window->btnNext->click();
    EXPECT_EQ(shownText(), "perro");
    EXPECT_FALSE(window->btnPlay->isHidden());
}

TEST_F(WaveBaseWindowTest, TypingEditsTheEntryAndSearching) {
    QTest::keyClicks(window->eText, "s");
    EXPECT_EQ(base.GetText(), "aguas");
    QTest::keyClicks(window->eText, "e");
    QTest::keyClick(window->eText, Qt::Key_F1); // accent cycling reaches the entry too
    EXPECT_EQ(base.GetText(), "aguasé"_cp);
    window->eDatei->setFocus();
    QTest::keyClicks(window->eDatei, "x");
    EXPECT_EQ(base.GetDatei(), "XS:\\agua.wavx");
    EXPECT_TRUE(base.Modified());

    QTest::keyClicks(window->Suchen, "PE");
    EXPECT_EQ(base.Current(), 1);
    EXPECT_EQ(shownText(), "perro");
}

TEST_F(WaveBaseWindowTest, AnIncompleteEntryKeepsItsPlace) {
    window->btnNew->click();
    EXPECT_EQ(base.Count(), 3);
    EXPECT_EQ(shownText(), "");
    EXPECT_EQ(shownFile(), ".wav");
    EXPECT_EQ(window->lCount->text(), QString::fromUtf8("3 Einträge"));

    for (QToolButton* button : {window->btnNext, window->btnLast, window->btnFirst,
                                window->btnPrevious, window->btnNew}) {
        messages.clear();
        button->click();
        EXPECT_EQ(messages.texts(),
                  std::vector<std::string>{"Der aktuelle Eintrag ist nicht vollständig!"_cp});
        EXPECT_EQ(base.Count(), 3);
        EXPECT_EQ(base.Current(), 0);
    }
    QTest::keyClicks(window->eText, "gato");
    window->btnNext->click();
    EXPECT_EQ(shownText(), "agua");
}

TEST_F(WaveBaseWindowTest, DeletingAsksFirst) {
    messages.answer(MessageResult::No);
    window->btnDelete->click();
    EXPECT_EQ(base.Count(), 2);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Diesen Eintrag wirklich löschen?"_cp});
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::YesNo);

    messages.answer(MessageResult::Yes);
    window->btnDelete->click();
    EXPECT_EQ(base.Count(), 1);
    EXPECT_EQ(shownText(), "perro");
}

TEST_F(WaveBaseWindowTest, SortingReordersAndShowsTheSameEntry) {
    base.AddEntry("Casa", "XS:\\casa.wav");
    base.Last();
    window->btnSort->click();
    EXPECT_EQ(base.Entries()[1].Text, "Casa");
    EXPECT_EQ(shownText(), "Casa");
}

TEST_F(WaveBaseWindowTest, PlayingOpensTheRecordingAndPlaysItWhenTheOpenWorked) {
    base.Last();
    window->btnPlay->click();
    const std::string path = config.WaveDir + "perro.wav";
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"close satz", true},
                                              {"open \"" + path + "\" alias satz", false},
                                              {"play satz from 0", false}}));
    sent.clear();
    answers = {"Error 275"};
    window->btnPlay->click();
    EXPECT_EQ(sent.size(), 2u) << "no play after a failed open";
}

TEST_F(WaveBaseWindowTest, PlayingAMissingRecordingExplains) {
    base.Last();
    removeFile(config.WaveDir + "perro.wav");
    window->btnPlay->click();
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"XS:\\perro.wav konnte nicht gefunden werden. Stellen "
                                       "Sie\nsicher, daß die CD-ROM eingelegt ist und der "
                                       "korrekte Pfad eingestellt ist."_cp});
}

TEST_F(WaveBaseWindowTest, BrowsingOffersTheFolderForOwnRecordingsAndShortensThePath) {
    const std::string recording = dir.file("eigene/sub/hola.wav", "RIFF");
    dialogs.answer(dir.path() + "eigene/fehlt.wav"); // ignored: no such file
    window->btnBrowse->click();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(dialogs.asked()[0].filter, "Wave (*.wav)");
    EXPECT_EQ(dialogs.asked()[0].fileName, "*.wav");

    messages.answer(MessageResult::Cancel);
    dialogs.answer(recording);
    window->btnBrowse->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.texts()[0],
              "Soll das Verzeichnis " + dir.path() +
                  "eigene/sub/ als Verzeichnis für eigene Sprachaufnahmen\rdefiniert werden "
                  "(empfohlen)? Bei einer späteren Änderung des Verzeichnisses muß\rdann nicht "
                  "jede einzelne Verknüpfung von Hand angepaßt werden."_cp);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::OkCancel);
    EXPECT_EQ(base.GetDatei(), recording) << "kept as a path without an own folder";

    messages.answer(MessageResult::Ok);
    dialogs.answer(recording);
    window->btnBrowse->click();
    EXPECT_EQ(config.OwnWaveDir, dir.path() + "eigene/sub/");
    EXPECT_EQ(registry.readString(RegistryKey::Directories, "Eigene Waves"), config.OwnWaveDir);
    EXPECT_EQ(base.GetDatei(), "XU:/hola.wav");
    EXPECT_EQ(shownFile(), "XU:/hola.wav");
    EXPECT_FALSE(window->btnPlay->isHidden());

    // With the folder set, no more questions.
    messages.clear();
    dialogs.answer(recording);
    window->btnBrowse->click();
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WaveBaseWindowTest, AnEntryWithoutItsRecordingIsMarkedAndSpokenWithSpeechOn) {
    test::InstalledFakeMci mci;
    test::ScriptedSpeech speech;
    config.Extras.Speech = true;
    window->Refresh();
    EXPECT_EQ(shownText(), "agua");
    EXPECT_FALSE(window->lSynthetisch->isHidden());
    ASSERT_FALSE(window->btnPlay->isHidden());
    sent.clear();
    window->btnPlay->click();
    EXPECT_EQ(speech.said, std::vector<std::string>{"agua"});
    EXPECT_EQ(mci.backend.log, (std::vector<std::string>{"open memory 22050/2205",
                                                         "play memory 22050/2205 from 0"}));
    EXPECT_TRUE(messages.shown().empty());

    window->btnNext->click(); // perro has its recording
    EXPECT_TRUE(window->lSynthetisch->isHidden());
    config.Extras.Speech = false;
    window->btnPrevious->click();
    EXPECT_TRUE(window->lSynthetisch->isHidden());
    EXPECT_TRUE(window->btnPlay->isHidden());
}

TEST_F(WaveBaseWindowTest, ClosingDetachesAndClosesThePlayer) {
    window.reset();
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"close satz", true}}));
    base.Next(); // no window to tell any more
    EXPECT_FALSE(base.OnChange);
}

} // namespace
} // namespace qor
