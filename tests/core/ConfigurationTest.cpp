#include "core/Configuration.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/Installation.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::Installation;
using test::TempDir;

const char* const Dirs = RegistryKey::Directories;

class ConfigurationTest : public ::testing::Test {
protected:
    Configuration config() {
        return Configuration(registry, install.programPath(), install.programDir());
    }
    MediaVolumeList volumes(std::vector<std::string> roots = {}) {
        return [roots] {
            return roots;
        };
    }
    void writeIni(const std::string& text) { install.dir.file("qor.ini", text); }
    std::string iniValue(const char* section, const char* key) {
        return IniFile(install.programDir() + "qor.ini").readString(section, key, "<absent>");
    }

    Installation install;
    MemoryRegistry registry;
    ScriptedMessages messages;
};

TEST_F(ConfigurationTest, ResolvesTheInstallationBesideTheProgram) {
    Configuration c = config();
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.PageRoot, install.programDir());
    EXPECT_EQ(c.VocabularyRoot, install.programDir() + "Vokabeln (S)/");
    EXPECT_EQ(c.VocabularyFileDir, c.VocabularyRoot);
    EXPECT_EQ(c.DictionaryFileSD, install.programDir() + "s_d.qor");
    EXPECT_EQ(c.DictionaryFileDS, install.programDir() + "d_s.qor");
    EXPECT_EQ(c.WaveBaseFile, install.programDir() + "s_w.qor");
    EXPECT_EQ(c.BackdropColor, 8421504);
    EXPECT_TRUE(c.OnlineHelp);
    EXPECT_EQ(c.EditorSchema, "default");
    EXPECT_TRUE(messages.shown().empty());
    // A program path that differs from the recorded one is recorded.
    EXPECT_EQ(registry.readString(Dirs, "Programm"), install.programPath());
}

TEST_F(ConfigurationTest, UserFilesLiveWhereTheyAreConfiguredOrFoundElseWithThePerson) {
    TempDir personal;
    ::setenv("XDG_DATA_HOME", toNativePath(personal.path()).c_str(), 1);
    Configuration c = config();
    EXPECT_EQ(c.UsersDirectory(), personal.path() + "qor/Benutzer/");
    install.dir.dir("Benutzer");
    EXPECT_EQ(c.UsersDirectory(), install.programDir() + "Benutzer/");
    c.UserDir = personal.path();
    EXPECT_EQ(c.UsersDirectory(), personal.path());
    ::unsetenv("XDG_DATA_HOME");
}

TEST_F(ConfigurationTest, PageRootFallsBackToTheProgramDirectoryOrNothing) {
    TempDir elsewhere;
    registry.writeString(Dirs, "HQOR", elsewhere.path());
    Configuration c = config();
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.PageRoot, install.programDir());

    TempDir pages;
    pages.file("hqor/main.htx", "x");
    registry.writeString(Dirs, "HQOR", pages.path());
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.PageRoot, pages.path());

    removeFile(install.programDir() + "hqor/main.htx");
    registry.writeString(Dirs, "HQOR", elsewhere.path());
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.PageRoot, "");
}

TEST_F(ConfigurationTest, WithoutBasicVocabularyTheVocabularyRootIsEmpty) {
    TempDir bare;
    bare.file("hqor/main.htx", "x");
    bare.dir("Vokabeln (S)");
    Configuration c(registry, bare.path() + "qor-spanisch", bare.path());
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.VocabularyRoot, "");
    EXPECT_EQ(c.DictionaryFileSD, "") << "resolution stops at the missing vocabulary root";
}

TEST_F(ConfigurationTest, RegistryValuesOverrideTheDefaults) {
    registry.writeString(Dirs, "Vokabel-Dateien", "/home/anna/Vokabeln/Familie.asc");
    registry.writeString(Dirs, "Eigene Waves", "/home/anna/Aufnahmen/");
    registry.writeString(Dirs, "Datenbank1", "/data/sd.qor");
    registry.writeString(Dirs, "Datenbank2", "");
    registry.writeInteger(RegistryKey::Program, "Hintergrund", 255);
    registry.writeString(RegistryKey::Program, "Online-Hilfe", "AUS");
    Configuration c = config();
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.VocabularyFileDir, "/home/anna/Vokabeln/");
    EXPECT_EQ(c.OwnWaveDir, "/home/anna/Aufnahmen/");
    EXPECT_EQ(c.DictionaryFileSD, "/data/sd.qor");
    EXPECT_EQ(c.DictionaryFileDS, install.programDir() + "d_s.qor") << "an empty value is missing";
    EXPECT_EQ(c.BackdropColor, 255);
    EXPECT_FALSE(c.OnlineHelp);
}

TEST_F(ConfigurationTest, MistypedRegistryValuesReadAsDefaults) {
    registry.writeString(RegistryKey::Program, "Hintergrund", "blau");
    registry.writeInteger(RegistryKey::Program, "Online-Hilfe", 0);
    Configuration c = config();
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.BackdropColor, DefaultBackdropColor);
    EXPECT_TRUE(c.OnlineHelp);
}

TEST_F(ConfigurationTest, EditorSchemeWithoutItsFileReadsAsDefault) {
    install.dir.file("editor/Meer.ed", "");
    registry.writeString(Dirs, "Editor-Schema", "Meer");
    Configuration c = config();
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.EditorSchema, "Meer");

    registry.writeString(Dirs, "Editor-Schema", "Wüste"_cp);
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.EditorSchema, "default");
}

// Counts the writes that reach the store.
class CountingRegistry : public MemoryRegistry {
public:
    int commits = 0;

protected:
    bool commit() override {
        ++commits;
        return true;
    }
};

TEST_F(ConfigurationTest, ResolvingWritesNothingWhenTheProgramPathIsUnchanged) {
    CountingRegistry counting;
    counting.writeString(Dirs, "Programm", install.programPath());
    counting.commits = 0;
    Configuration c(counting, install.programPath(), install.programDir());
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.RegisteredProgram, install.programPath());
    EXPECT_EQ(counting.commits, 0);
}

// --- the program medium ---

class MediumTest : public ConfigurationTest {
protected:
    std::string medium(TempDir& volume, bool withVocabulary = true) {
        volume.file("wave/QOR_S", "");
        if (withVocabulary)
            volume.dir("Vokabeln (S)/Grundwortschatz");
        return volume.path();
    }
    TempDir first, second, markerOnly;
};

TEST_F(MediumTest, TheFirstVolumeCarryingTheMediumWins) {
    const std::string a = medium(first), b = medium(second);
    const std::string lower = std::min(a, b), higher = std::max(a, b);
    Configuration c = config();
    EXPECT_EQ(c.SearchMediaDrive(volumes({lower, higher})), lower);
    EXPECT_EQ(c.WaveDir, lower + "wave/");
    EXPECT_EQ(iniValue("qor spanisch", "Wave-Verzeichnis"), lower + "wave/");
}

TEST_F(MediumTest, AMarkerWithoutTheBasicVocabularyIsNoMedium) {
    const std::string bad = medium(markerOnly, false), good = medium(first);
    Configuration c = config();
    EXPECT_EQ(c.SearchMediaDrive(volumes({bad, good})), good);
    EXPECT_EQ(c.SearchMediaDrive(volumes({bad})), "") << "a known medium is not searched again";
    c.WaveDir.clear();
    EXPECT_EQ(c.SearchMediaDrive(volumes({bad})), "");
    EXPECT_EQ(c.WaveDir, "");
}

TEST_F(MediumTest, WaveDirectoryComesFromIniThenRegistryThenDriveThenSearch) {
    const std::string onVolume = medium(first);
    TempDir registered;
    registered.file("QOR_S", "");
    registry.writeString(Dirs, "Wave-Dateien", registered.path());
    Configuration c = config();
    c.ResolveDirectories(volumes({onVolume}));
    EXPECT_EQ(c.WaveDir, registered.path());
    EXPECT_EQ(iniValue("qor spanisch", "Wave-Verzeichnis"), registered.path());

    registry.writeString(Dirs, "Wave-Dateien", "/nirgends/");
    registry.writeString(Dirs, "CD-Laufwerk", onVolume);
    c.WaveDir.clear();
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.WaveDir, onVolume + "wave/");

    registry.writeString(Dirs, "CD-Laufwerk", "/nirgends/");
    c.WaveDir.clear();
    c.ResolveDirectories(volumes({onVolume}));
    EXPECT_EQ(c.WaveDir, onVolume + "wave/") << "found by the search";
}

// --- qor.ini ---

TEST_F(ConfigurationTest, IniIsNeverCreatedByReading) {
    Configuration c = config();
    c.ReadIniSettings();
    EXPECT_FALSE(fileExists(install.programDir() + "qor.ini"));
    EXPECT_FALSE(c.WriteProtected);
}

TEST_F(ConfigurationTest, MissingConfiguredDirectoriesAreReportedAndDropped) {
    writeIni("[*qor]\r\nBenutzer-Verzeichnis=/weg/benutzer\r\n[qor spanisch]\r\n"
             "Wave-Verzeichnis=/weg/wave/\r\nAufnahmen Recht=/weg/recht/\r\n"
             "Aufnahmen Wirtschaft=/weg/wirtschaft/\r\n");
    Configuration c = config();
    c.ReadIniSettings();
    EXPECT_EQ(c.UserDir, "");
    EXPECT_EQ(c.WaveDir, "");
    EXPECT_EQ(c.LawRecordingDir, "-");
    EXPECT_EQ(c.BusinessRecordingDir, "-");
    ASSERT_EQ(messages.shown().size(), 4u);
    EXPECT_EQ(messages.texts()[0],
              "Das Benutzer-Verzeichnis /weg/benutzer/ wurde nicht gefunden!\r"
              "Für die Benutzerverwaltung wird auf das lokale Verzeichnis zurückgegriffen."_cp);
    EXPECT_EQ(messages.texts()[1], "Das Wave-Verzeichnis /weg/wave/ wurde nicht gefunden!");
    EXPECT_EQ(messages.texts()[2],
              "Das Verzeichnis für die RECHT-Sprachaufnahmen /weg/recht/ wurde nicht gefunden!"_cp);
    EXPECT_EQ(messages.texts()[3], "Das Verzeichnis für die WIRTSCHAFT-Sprachaufnahmen "
                                   "/weg/wirtschaft/ wurde nicht gefunden!"_cp);
    EXPECT_EQ(messages.shown()[0].caption, "*qor spanisch");
    EXPECT_EQ(messages.shown()[0].style, 0);

    // A dropped recording directory is cleared in the ini file by the next save.
    c.UserDir = install.programDir();
    c.SaveDirectorySettings(SaveBits::UserDir);
    EXPECT_EQ(iniValue("qor spanisch", "Aufnahmen Recht"), "");
    EXPECT_EQ(iniValue("qor spanisch", "Aufnahmen Wirtschaft"), "");
    EXPECT_EQ(iniValue("*qor", "Benutzer-Verzeichnis"), install.programDir());
}

TEST_F(ConfigurationTest, WriteProtectionIsReadOrWrittenAsZero) {
    writeIni("[*qor]\r\n");
    Configuration c = config();
    c.ReadIniSettings();
    EXPECT_FALSE(c.WriteProtected);
    EXPECT_EQ(iniValue("*qor", "Schreibschutz"), "0");

    writeIni("[*qor]\r\nSchreibschutz=1\r\n");
    c.ReadIniSettings();
    EXPECT_TRUE(c.WriteProtected);

    writeIni("[*qor]\r\nSchreibschutz=ja\r\n");
    c.ReadIniSettings();
    EXPECT_FALSE(c.WriteProtected) << "a value that is no number is not 1";
}

TEST_F(ConfigurationTest, RegisterRequestInIniIsConsumedOnce) {
    writeIni("[qor spanisch]\r\nRegister=1\r\n");
    Configuration c = config();
    c.ReadIniSettings();
    EXPECT_TRUE(c.RegisterMode);
    EXPECT_EQ(iniValue("qor spanisch", "Register"), "0");
}

TEST_F(ConfigurationTest, DamagedIniFileFallsBackToDefaults) {
    writeIni(std::string("\x00\xff[*qor\r\n=\r\n[[]]\r\nBenutzer-Verzeichnis\r\n", 40));
    Configuration c = config();
    c.ReadIniSettings();
    c.ResolveDirectories(volumes());
    EXPECT_EQ(c.UserDir, "");
    EXPECT_EQ(c.PageRoot, install.programDir());
}

// --- saving ---

TEST_F(ConfigurationTest, SavingWritesOnlyTheSelectedParts) {
    Configuration c = config();
    c.VocabularyFileDir = "/home/anna/Vokabeln/";
    c.OwnWaveDir = "/home/anna/Aufnahmen/";
    c.EditorSchema = "Meer";
    c.WaveDir = "/media/cd/wave/";

    c.SaveDirectorySettings(SaveBits::WaveDir);
    EXPECT_FALSE(registry.keyExists(Dirs)) << "the ini bits never touch the settings store";
    EXPECT_EQ(iniValue("qor spanisch", "Wave-Verzeichnis"), "/media/cd/wave/");
    EXPECT_EQ(iniValue("*qor", "Benutzer-Verzeichnis"), "") << "written along, even empty";
    EXPECT_EQ(iniValue("qor spanisch", "Aufnahmen Recht"), "<absent>");

    c.SaveDirectorySettings(SaveBits::VocabularyFileDir | SaveBits::EditorSchema);
    EXPECT_EQ(registry.readString(Dirs, "Vokabel-Dateien"), "/home/anna/Vokabeln/");
    EXPECT_EQ(registry.readString(Dirs, "Editor-Schema"), "Meer");
    EXPECT_FALSE(registry.valueExists(Dirs, "Eigene Waves"));
    EXPECT_FALSE(registry.valueExists(Dirs, "Programm"));

    c.LawRecordingDir = "/recht/";
    c.SaveDirectorySettings(SaveBits::LawRecordingDir);
    EXPECT_EQ(iniValue("qor spanisch", "Aufnahmen Recht"), "/recht/");
    EXPECT_EQ(iniValue("qor spanisch", "Aufnahmen Wirtschaft"), "<absent>");
}

TEST_F(ConfigurationTest, AnEmptyIniSettingDoesNotCreateTheIniFile) {
    Configuration c = config();
    c.SaveDirectorySettings(SaveBits::UserDir | SaveBits::WaveDir);
    EXPECT_FALSE(fileExists(install.programDir() + "qor.ini"));
}

TEST_F(ConfigurationTest, GeneralSettingsStoreHelpAndBackdropColor) {
    Configuration c = config();
    c.OnlineHelp = false;
    c.SaveGeneralSettings();
    EXPECT_EQ(registry.readString(RegistryKey::Program, "Online-Hilfe"), "AUS");
    EXPECT_FALSE(registry.valueExists(RegistryKey::Program, "Hintergrund"));
    const Color white = 0xFFFFFF;
    c.SaveGeneralSettings(&white);
    EXPECT_EQ(registry.readInteger(RegistryKey::Program, "Hintergrund"), 0xFFFFFF);
}

} // namespace
} // namespace qor
