#include "shell/XPaths.h"

#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "shell/StartUp.h"
#include "support/Installation.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::Installation;
using test::TempDir;

class NoDesktop : public ShellServices {
public:
    std::string shortcutFolder(int) const override { return {}; }
    bool openUrl(const std::string&) override { return false; }
};

class XPathsTest : public ::testing::Test {
protected:
    XPathsTest() {
        EXPECT_TRUE(
            StartUp(program, {}, {1024, 768, 24}, [] { return std::vector<std::string>(); }));
    }
    std::string iniText() const {
        return readFile(install.programDir() + "qor.ini").value_or("(keine)");
    }

    Installation install;
    MemoryRegistry registry;
    NoDesktop shell;
    ScriptedMessages messages;
    Program program{registry, shell, install.programPath(), install.programDir()};
};

TEST_F(XPathsTest, FieldsShowTheSettings) {
    program.config.UserDir = "/srv/qor/benutzer/";
    program.config.LawRecordingDir = "-";
    TXPaths paths(program);
    EXPECT_EQ(fromQString(paths.eInstall->text()), install.programDir());
    EXPECT_TRUE(paths.eInstall->isReadOnly());
    EXPECT_EQ(paths.eBenutzer->text(), "/srv/qor/benutzer/");
    EXPECT_EQ(paths.eRE->text(), "-");
    EXPECT_EQ(paths.windowTitle(), "*qor spanisch Verzeichnisse");
}

TEST_F(XPathsTest, OkWithoutChangesWritesNothing) {
    const std::string registryBefore = registry.toText();
    const std::string iniBefore = iniText();
    TXPaths paths(program);
    EXPECT_EQ(paths.btnOKClick(), 0u);
    EXPECT_EQ(registry.toText(), registryBefore);
    EXPECT_EQ(iniText(), iniBefore);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(XPathsTest, AnOwnRecordingsFolderNoReferenceUsesIsSavedWithoutAsking) {
    TempDir recordings;
    TXPaths paths(program);
    // Typed without the closing '/'.
    paths.eUser->setText(toQString(recordings.path().substr(0, recordings.path().size() - 1)));
    EXPECT_EQ(paths.btnOKClick(), 0x04u);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(program.config.OwnWaveDir, recordings.path());
    EXPECT_EQ(registry.readString("SOFTWARE\\QOR\\qor spanisch\\Verzeichnisse", "Eigene Waves"),
              recordings.path());
}

TEST_F(XPathsTest, ReferencesIntoTheNewOwnFolderMayBecomeXuReferences) {
    TempDir recordings;
    program.waveBase->AddEntry("casa", recordings.path() + "casa.wav");
    program.waveBase->AddEntry("perro", "XS:perro.wav");
    messages.answer(MessageResult::Ok);
    TXPaths paths(program);
    paths.eUser->setText(toQString(recordings.path()));
    EXPECT_EQ(paths.btnOKClick(), 0x04u);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::OkCancel);
    EXPECT_NE(messages.texts()[0].find(recordings.path() + " durch den Alias \"XU:\"\rersetzt"),
              std::string::npos);
    EXPECT_EQ(messages.texts()[1], "1 Einträge wurden geändert."_cp);
    EXPECT_EQ(program.waveBase->LookUp("casa", true).substr(0, 3), "XU:");
}

TEST_F(XPathsTest, ANewUserFolderWorksFromTheNextStart) {
    TempDir users;
    TXPaths paths(program);
    paths.eBenutzer->setText(toQString(users.path()));
    EXPECT_EQ(paths.btnOKClick(), 0x20u);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0],
              "Achtung: Das neue Benutzer-Verzeichnis ist erst ab dem nächsten Programmstart "
              "aktiv!"_cp);
    EXPECT_NE(iniText().find("Benutzer-Verzeichnis=" + users.path()), std::string::npos);
}

TEST_F(XPathsTest, BrowsingForOwnRecordingsTakesTheFolderOfAWaveFile) {
    TempDir recordings;
    const std::string wave = recordings.file("hola.WAV", "RIFF");
    const std::string text = recordings.file("notiz.txt", "x");
    ScriptedFileDialogs dialogs;
    dialogs.answer(text);
    dialogs.answer(wave);
    TXPaths paths(program);
    paths.eUser->setText("/anderswo/");

    paths.btnUserClick(); // not a recording
    EXPECT_EQ(paths.eUser->text(), "/anderswo/");
    paths.btnUserClick();
    EXPECT_EQ(fromQString(paths.eUser->text()), recordings.path());

    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[0].directory, "/anderswo/");
    EXPECT_EQ(dialogs.asked()[0].fileName, "*.wav");
    EXPECT_EQ(dialogs.asked()[0].filter, "Wav-Dateien (*.wav *.WAV)");
}

TEST_F(XPathsTest, BrowsingForTheMediumNeedsItsMarkerFile) {
    TempDir medium;
    const std::string other = medium.file("leer/datei", "x");
    const std::string marker = medium.file("wave/QOR_S", "");
    ScriptedFileDialogs dialogs;
    dialogs.answer(other);
    dialogs.answer(marker);
    TXPaths paths(program);
    paths.btnWaveClick();
    EXPECT_EQ(paths.eWave->text(), "");
    paths.btnWaveClick();
    EXPECT_EQ(fromQString(paths.eWave->text()), medium.path() + "wave/");
}

} // namespace
} // namespace qor
