#include "platform/Shell.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace qor {
namespace {

using namespace qor::literals;

class FakeShell : public ShellServices {
public:
    std::map<int, std::string> folders;
    std::string shortcutFolder(int kind) const override {
        const auto it = folders.find(kind);
        return it == folders.end() ? std::string() : it->second;
    }
    bool openUrl(const std::string&) override { return false; }
};

bool isExecutable(const std::string& path) {
    using std::filesystem::perms;
    return (std::filesystem::status(toNativePath(path)).permissions() & perms::owner_exec) !=
           perms::none;
}

TEST(CreateShortcut, WritesAnExecutableLauncherUnderTheTitle) {
    test::TempDir temp;
    FakeShell shell;
    shell.folders[ShortcutFolder::Programs] = temp.dir("Programme");

    ASSERT_TRUE(CreateShortcut(shell, "/opt/qor spanisch/qor.exe", "qor spanisch",
                               ShortcutFolder::Programs));
    const std::string file = temp.path() + "Programme/qor spanisch.desktop";
    EXPECT_EQ(readFile(file), "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=qor spanisch\n"
                              "Exec=\"/opt/qor spanisch/qor.exe\"\n"
                              "Terminal=false\n");
    EXPECT_TRUE(isExecutable(file));
    EXPECT_EQ(listDirectory(temp.path() + "Programme").size(), 1u); // qor.desktop is gone
}

TEST(CreateShortcut, ReplacesAShortcutOfTheSameTitle) {
    test::TempDir temp;
    FakeShell shell;
    shell.folders[ShortcutFolder::Desktop] = temp.dir("Desktop");
    const std::string old = temp.file("Desktop/qor spanisch.desktop", "alt");

    ASSERT_TRUE(CreateShortcut(shell, "/opt/qor/qor", "qor spanisch", ShortcutFolder::Desktop));
    EXPECT_NE(readFile(old)->find("Exec=\"/opt/qor/qor\""), std::string::npos);
    EXPECT_EQ(listDirectory(temp.path() + "Desktop").size(), 1u);
}

TEST(CreateShortcut, QuotesTheProgramAndWritesUtf8) {
    test::TempDir temp;
    FakeShell shell;
    shell.folders[ShortcutFolder::Desktop] = temp.dir("Desktop");
    ASSERT_TRUE(
        CreateShortcut(shell, "/opt/Größe 100%/a\"b$c\\d"_cp, "Übung"_cp, ShortcutFolder::Desktop));
    const auto text = readFile(temp.path() + "Desktop/" + "Übung.desktop"_cp);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("Name=Übung\n"), std::string::npos);
    EXPECT_NE(text->find("Exec=\"/opt/Größe 100%%/a\\\\\"b\\\\$c\\\\\\\\d\"\n"), std::string::npos);
}

TEST(CreateShortcut, KindWithoutFolderDoesNothing) {
    test::TempDir temp;
    FakeShell shell;
    shell.folders[ShortcutFolder::Desktop] = temp.dir("Desktop");
    EXPECT_TRUE(CreateShortcut(shell, "/opt/qor/qor", "qor", ShortcutFolder::QuickLaunch));
    EXPECT_TRUE(listDirectory(temp.path() + "Desktop").empty());
}

TEST(CreateShortcut, MissingFolderFails) {
    test::TempDir temp;
    FakeShell shell;
    shell.folders[ShortcutFolder::Desktop] = temp.path() + "fehlt/";
    EXPECT_FALSE(CreateShortcut(shell, "/opt/qor/qor", "qor", ShortcutFolder::Desktop));
}

} // namespace
} // namespace qor
