#include "platform/Registry.h"

#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;

const std::string kDirs = "SOFTWARE\\QOR\\qor spanisch\\Verzeichnisse";

TEST(Registry, ValuesKeepTheirType) {
    MemoryRegistry registry;
    EXPECT_TRUE(registry.writeString(kDirs, "Programm", "/opt/qor"));
    EXPECT_TRUE(registry.writeInteger(kDirs, "Hintergrund", -42));
    EXPECT_TRUE(registry.writeBool(kDirs, "An", true));

    EXPECT_EQ(registry.readString(kDirs, "Programm"), "/opt/qor");
    EXPECT_EQ(registry.readInteger(kDirs, "Hintergrund"), -42);
    EXPECT_EQ(registry.readBool(kDirs, "An"), true);
    EXPECT_EQ(registry.readInteger(kDirs, "An"), 1);
    // Another type reads as nothing.
    EXPECT_EQ(registry.readInteger(kDirs, "Programm"), std::nullopt);
    EXPECT_EQ(registry.readBool(kDirs, "Programm"), std::nullopt);
    EXPECT_EQ(registry.readString(kDirs, "Hintergrund"), std::nullopt);
    EXPECT_EQ(registry.readString(kDirs, "Fehlt"), std::nullopt);

    EXPECT_TRUE(registry.writeInteger(kDirs, "Programm", 7)); // a value may change its type
    EXPECT_EQ(registry.readInteger(kDirs, "Programm"), 7);
    EXPECT_TRUE(registry.deleteValue(kDirs, "Programm"));
    EXPECT_FALSE(registry.deleteValue(kDirs, "Programm"));
    EXPECT_FALSE(registry.valueExists(kDirs, "Programm"));
}

TEST(Registry, NamesCompareWithoutCase) {
    MemoryRegistry registry;
    registry.writeString(kDirs, "Eigene Waves", "a");
    registry.writeString("software\\qor\\QOR SPANISCH\\verzeichnisse", "EIGENE waves", "b");
    EXPECT_EQ(registry.readString(kDirs, "eigene WAVES"), "b");
    registry.writeString(kDirs, "Übung"_cp, "c");
    EXPECT_EQ(registry.readString(kDirs, "üBUNG"_cp), "c");
    // The spelling first written stays.
    EXPECT_NE(registry.toText().find("\"Eigene Waves\"=\"b\""), std::string::npos);
    EXPECT_NE(registry.toText().find("[SOFTWARE\\QOR\\qor spanisch\\Verzeichnisse]"),
              std::string::npos);
}

TEST(Registry, ReadingDoesNotCreateKeys) {
    MemoryRegistry registry;
    EXPECT_EQ(registry.readString(kDirs, "Programm"), std::nullopt);
    EXPECT_FALSE(registry.keyExists(kDirs));
    EXPECT_TRUE(registry.createKey(kDirs));
    EXPECT_TRUE(registry.keyExists(kDirs));
    EXPECT_TRUE(registry.keyExists("software\\qor")); // a parent key exists with its children
    EXPECT_FALSE(registry.keyExists("SOFTWARE\\QO"));
    EXPECT_FALSE(registry.keyExists("SOFTWARE\\QOR\\qor spanisch\\Dateien"));
}

TEST(FileRegistry, SurvivesARestartWithAllTypesAndAwkwardTexts) {
    test::TempDir temp;
    const std::string path = temp.path() + "config/registry.ini"; // directory made on writing
    const std::string awkward = "C:\\Pfad \"mit\" Anführung\r\nzweite Zeile"_cp;
    {
        FileRegistry registry(path);
        EXPECT_FALSE(fileExists(path)); // reading does not create the file
        EXPECT_TRUE(registry.writeString(kDirs, "Datenbank1", awkward));
        EXPECT_TRUE(registry.writeInteger("SOFTWARE\\QOR\\qor spanisch", "Hintergrund", 8421504));
        EXPECT_TRUE(registry.writeInteger("SOFTWARE\\QOR\\qor spanisch", "Negativ", -1));
        EXPECT_TRUE(registry.writeBool("Software\\qor\\Aufnahme", "Stereo", false));
    }
    FileRegistry registry(path);
    EXPECT_EQ(registry.readString(kDirs, "Datenbank1"), awkward);
    EXPECT_EQ(registry.readInteger("SOFTWARE\\QOR\\qor spanisch", "Hintergrund"), 8421504);
    EXPECT_EQ(registry.readInteger("SOFTWARE\\QOR\\qor spanisch", "Negativ"), -1);
    EXPECT_EQ(registry.readBool("SOFTWARE\\qor\\aufnahme", "stereo"), false);

    const std::string text = *readFile(path);
    EXPECT_NE(text.find("\"Hintergrund\"=dword:00808080\n"), std::string::npos);
    EXPECT_NE(text.find("Anführung"), std::string::npos); // UTF-8 in the file
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(toNativePath(path)).permissions(),
              perms::owner_read | perms::owner_write); // personal settings
}

TEST(FileRegistry, DamagedFileReadsAsFarAsItIsReadableAndIsKeptBeforeItIsReplaced) {
    test::TempDir temp;
    ScriptedMessages messages;
    const std::string damaged = "\"vor\"=\"jedem Schlüssel\"\n"
                                "[A]\r\n"
                                "\"gut\"=\"ja\"\r\n"
                                "\"offen\"=\"kein Ende\n"
                                "\"zahl\"=dword:123456789\n"
                                "\"hex\"=dword:zz\n"
                                "\"Rest\"=\"x\" y\n"
                                "Unsinn\n"
                                "\n"
                                "  \"Bool\" = dword:2  \n"
                                "[B\n"
                                "\"ende\"=\"\xFF\xFE\"";
    const std::string path = temp.file("registry.ini", damaged);
    FileRegistry registry(path);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("7 Zeilen werden übergangen"_cp), std::string::npos);
    EXPECT_NE(messages.texts()[0].find(path + ".bak"), std::string::npos);
    EXPECT_EQ(registry.readString("A", "gut"), "ja");
    EXPECT_FALSE(registry.valueExists("A", "offen"));
    EXPECT_FALSE(registry.valueExists("A", "zahl"));
    EXPECT_FALSE(registry.valueExists("A", "hex"));
    EXPECT_FALSE(registry.valueExists("A", "Rest"));
    EXPECT_FALSE(registry.valueExists("A", "vor"));
    EXPECT_EQ(registry.readBool("A", "Bool"), true);   // blanks around '=' are forgiven
    EXPECT_EQ(registry.readString("A", "ende"), "??"); // bytes that are no UTF-8

    EXPECT_TRUE(registry.writeString("A", "neu", "1"));
    EXPECT_TRUE(registry.writeString("A", "neu", "2"));
    EXPECT_EQ(readFile(path + ".bak"), damaged); // the first replacement kept it
    EXPECT_EQ(FileRegistry(path).readString("A", "neu"), "2");
    EXPECT_EQ(messages.texts().size(), 1u); // a clean file says nothing
}

TEST(FileRegistry, FailedWriteTellsTheUserOnceAndKeepsTheStoreUnchanged) {
    test::TempDir temp;
    ScriptedMessages messages;
    temp.file("blocker", "a file where the directory should be");
    FileRegistry registry(temp.path() + "blocker/registry.ini");
    EXPECT_FALSE(registry.writeString(kDirs, "Programm", "x"));
    EXPECT_FALSE(registry.valueExists(kDirs, "Programm"));
    EXPECT_FALSE(registry.createKey(kDirs));
    EXPECT_FALSE(registry.keyExists(kDirs));
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("konnten nicht in " + temp.path() + "blocker/registry.ini"),
              std::string::npos);
}

TEST(FileRegistry, AFileThatCannotBeReadIsReportedAndNeverReplaced) {
    test::TempDir temp;
    ScriptedMessages messages;
    const std::string path = temp.unreadableFile("registry.ini");
    FileRegistry registry(path);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find(path), std::string::npos);
    EXPECT_FALSE(registry.writeInteger("SOFTWARE\\QOR\\qor spanisch", "Hintergrund", 0));
    EXPECT_TRUE(std::filesystem::is_symlink(toNativePath(path)));
}

TEST(FileRegistry, DefaultDirectoryFollowsTheEnvironment) {
    const auto restore = [](const char* name, const char* old) {
        old ? setenv(name, old, 1) : unsetenv(name);
    };
    const char* oldQor = getenv("QOR_CONFIG_DIR");
    const char* oldXdg = getenv("XDG_CONFIG_HOME");
    const std::string savedQor = oldQor ? oldQor : "", savedXdg = oldXdg ? oldXdg : "";

    setenv("QOR_CONFIG_DIR", "/tmp/qor-konfig", 1);
    setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(FileRegistry::defaultDirectory(), "/tmp/qor-konfig/");
    unsetenv("QOR_CONFIG_DIR");
    EXPECT_EQ(FileRegistry::defaultDirectory(), "/tmp/xdg/qor/");
    unsetenv("XDG_CONFIG_HOME");
    const std::string home = getenv("HOME") ? getenv("HOME") : "";
    EXPECT_EQ(FileRegistry::defaultDirectory(), includeTrailingSeparator(home) + ".config/qor/");

    restore("QOR_CONFIG_DIR", oldQor ? savedQor.c_str() : nullptr);
    restore("XDG_CONFIG_HOME", oldXdg ? savedXdg.c_str() : nullptr);
}

} // namespace
} // namespace qor
