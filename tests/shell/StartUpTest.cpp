#include "shell/StartUp.h"

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/Installation.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::Installation;
using test::TempDir;

// A desktop with a desktop folder and a programs folder, nothing else.
class FakeShell : public ShellServices {
public:
    std::string shortcutFolder(int kind) const override {
        if (kind == ShortcutFolder::Desktop)
            return desktop.path();
        if (kind == ShortcutFolder::Programs)
            return programs.path();
        return {};
    }
    bool openUrl(const std::string&) override { return true; }

    TempDir desktop, programs;
};

const ScreenInfo goodScreen{1024, 768, 24};

class StartUpTest : public ::testing::Test {
protected:
    bool start(std::vector<std::string> arguments = {}, ScreenInfo screen = goodScreen) {
        return StartUp(program, arguments, screen, [] { return std::vector<std::string>(); });
    }
    bool shortcutOn(const TempDir& folder) {
        return fileExists(folder.path() + "qor spanisch.desktop");
    }

    Installation install;
    MemoryRegistry registry;
    FakeShell shell;
    ScriptedMessages messages;
    Program program{registry, shell, install.programPath(), install.programDir()};
};

TEST_F(StartUpTest, CompleteInstallationStartsSilently) {
    EXPECT_TRUE(start());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_FALSE(program.config.EditorMode);
    EXPECT_FALSE(program.config.RegisterMode);
}

TEST_F(StartUpTest, DisplayChecksAcceptExactly800x600AndHighColor) {
    EXPECT_TRUE(start({}, {800, 600, 16}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(StartUpTest, TooFewColoursAreReportedBeforeTheSize) {
    EXPECT_FALSE(start({}, {640, 480, 8}));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Stop);
    EXPECT_TRUE(messages.texts()[0].starts_with("Nicht genug Farben!\r\r"));
    EXPECT_TRUE(messages.texts()[0].ends_with(
        "Systemsteuerung unter \"Anzeige\" auf Seite \"Einstellungen\"."));
}

TEST_F(StartUpTest, ASmallScreenIsReported) {
    for (ScreenInfo screen : {ScreenInfo{799, 600, 32}, ScreenInfo{800, 599, 32}}) {
        messages.clear();
        EXPECT_FALSE(start({}, screen));
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.texts()[0].starts_with(
            "Zu geringe Auflösung!\r\r*qor spanisch benötigt eine Auflösung von 800 x 600 Pixel"_cp));
    }
}

TEST_F(StartUpTest, EditorModeIgnoresCaseButRegisterModeDoesNot) {
    EXPECT_TRUE(IsEditorArgument({"EDITOR"}));
    EXPECT_TRUE(IsEditorArgument({"Editor", "x"}));
    EXPECT_FALSE(IsEditorArgument({"editors"}));
    EXPECT_FALSE(IsEditorArgument({}));

    EXPECT_TRUE(start({"REGISTER"}));
    EXPECT_FALSE(program.config.RegisterMode);
    EXPECT_TRUE(messages.shown().empty()) << "no shortcut question";
}

TEST_F(StartUpTest, RegisterModeOffersTheDesktopShortcutAndAlwaysAddsTheMenuEntry) {
    messages.answer(MessageResult::No);
    EXPECT_TRUE(start({"register"}));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.texts()[0],
              "Soll eine Verknüpfung mit qor spanisch auf dem Desktop erzeugt werden?"_cp);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::YesNo);
    EXPECT_FALSE(shortcutOn(shell.desktop));
    EXPECT_TRUE(shortcutOn(shell.programs));

    messages.answer(MessageResult::Yes);
    EXPECT_TRUE(start({"register"}));
    EXPECT_TRUE(shortcutOn(shell.desktop));
}

TEST_F(StartUpTest, IncompleteInstallationIsReported) {
    removeFile(install.programDir() + "hqor/main.htx");
    EXPECT_FALSE(start());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.texts()[0],
              "*qor spanisch kann nicht gestartet werden!\nDie Installation ist unvollständig."_cp);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Stop);
}

TEST_F(StartUpTest, MissingDataFileEndsTheStartWithoutMessage) {
    for (const char* file : {"s_d.qor", "d_s.qor", "s_w.qor"}) {
        Installation other;
        removeFile(other.programDir() + file);
        Program run(registry, shell, other.programPath(), other.programDir());
        EXPECT_FALSE(StartUp(run, {}, goodScreen, [] { return std::vector<std::string>(); }))
            << file;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(StartUpTest, RecentFilesSurviveARunAndAFailedStart) {
    registry.writeString(RegistryKey::Files, "0", "/v/Familie.asc");
    registry.writeString(RegistryKey::Files, "1", "/v/Essen.asc");
    ASSERT_TRUE(start());
    EXPECT_EQ(program.library->Recent(0), "/v/Familie.asc");
    EXPECT_EQ(program.library->Recent(1), "/v/Essen.asc");
    program.library->AddRecent("/v/Reisen.asc");
    ShutDown(program);
    EXPECT_EQ(registry.readString(RegistryKey::Files, "0"), "/v/Reisen.asc");
    EXPECT_EQ(registry.readString(RegistryKey::Files, "2"), "/v/Essen.asc");

    // A start that fails before the list was read must not blank it.
    {
        Program failing(registry, shell, install.programPath(), install.programDir());
        EXPECT_FALSE(
            StartUp(failing, {}, {640, 480, 32}, [] { return std::vector<std::string>(); }));
    }
    EXPECT_EQ(registry.readString(RegistryKey::Files, "0"), "/v/Reisen.asc");
}

TEST_F(StartUpTest, TheSoundDatabaseIsLoadedAtStartAndSavedAtTheEnd) {
    const std::string shipped = install.programDir() + "s_w.qor";
    ASSERT_TRUE(writeFileAtomic(shipped, deflateZlib(std::string("perro\0XS:\\perro.wav\0", 20))));
    ASSERT_TRUE(start());
    ASSERT_TRUE(program.waveBase);
    EXPECT_EQ(program.waveBase->LoadedFileName(), shipped);
    EXPECT_EQ(program.waveBase->LookUp("perro", true), "XS:\\perro.wav");

    program.waveBase->AddEntry("gato", "XS:\\gato.wav");
    messages.answer(MessageResult::Yes);
    ShutDown(program);
    EXPECT_FALSE(program.waveBase);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.texts()[1],
              "Die Datenbank für die Sprachaufnahmen wurde erfolgreich gespeichert."_cp);
    EXPECT_EQ(registry.readString(RegistryKey::Directories, "Datenbank3"), shipped);
    TXWaveBase saved(program.config);
    saved.Load(shipped);
    EXPECT_EQ(saved.LookUp("gato", true), "XS:\\gato.wav");
}

TEST_F(StartUpTest, AWriteProtectedInstallationNeverSavesTheSoundDatabase) {
    install.dir.file("qor.ini", "[*qor]\r\nSchreibschutz=1\r\n");
    ASSERT_TRUE(start());
    program.waveBase->AddEntry("gato", "XS:\\gato.wav");
    ShutDown(program);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(readFile(install.programDir() + "s_w.qor"), "");
    EXPECT_FALSE(registry.readString(RegistryKey::Directories, "Datenbank3"));
}

TEST_F(StartUpTest, ShutDownStoresTheGeneralSettings) {
    ASSERT_TRUE(start());
    program.config.OnlineHelp = false;
    ShutDown(program);
    EXPECT_EQ(registry.readString(RegistryKey::Program, "Online-Hilfe"), "AUS");
}

} // namespace
} // namespace qor
