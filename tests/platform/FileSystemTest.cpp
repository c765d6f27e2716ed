#include "platform/FileSystem.h"

#include "platform/Text.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qor {
namespace {

using namespace qor::literals;

TEST(PathPieces, SplitOnEitherSeparator) {
    struct Case {
        std::string path, dir, name, ext;
    };
    const Case cases[] = {
        {"/a/b/c.txt", "/a/b/", "c.txt", ".txt"},
        {"hqor\\main.htx", "hqor\\", "main.htx", ".htx"},
        {"Vokabeln (S)/Grund.wortschatz/liste", "Vokabeln (S)/Grund.wortschatz/", "liste", ""},
        {"datei.tar.gz", "", "datei.tar.gz", ".gz"},
        {"dir/", "dir/", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extractFileDir(c.path), c.dir) << c.path;
        EXPECT_EQ(extractFileName(c.path), c.name) << c.path;
        EXPECT_EQ(extractFileExt(c.path), c.ext) << c.path;
    }
}

TEST(PathPieces, ChangeExtensionAndTrailingSeparator) {
    EXPECT_EQ(changeFileExt("a/qor.exe", ".desktop"), "a/qor.desktop");
    EXPECT_EQ(changeFileExt("a.b/qor", ".desktop"), "a.b/qor.desktop");
    EXPECT_EQ(changeFileExt("a/qor.exe", ""), "a/qor");
    EXPECT_EQ(includeTrailingSeparator("a"), "a/");
    EXPECT_EQ(includeTrailingSeparator("a/"), "a/");
    EXPECT_EQ(includeTrailingSeparator("a\\"), "a\\");
    EXPECT_EQ(includeTrailingSeparator(""), "");
    EXPECT_EQ(normalizeSeparators("a\\b/c\\"), "a/b/c/");
    EXPECT_TRUE(isAbsolutePath("/usr"));
    EXPECT_FALSE(isAbsolutePath("hqor/main.htx"));
    EXPECT_FALSE(isAbsolutePath("\\seite.htx"));
}

TEST(FileSystem, NamesAreConvertedAtTheFileSystem) {
    test::TempDir temp;
    const std::string dir = temp.path() + "Übungen\\"_cp;
    ASSERT_TRUE(createDirectories(dir));
    ASSERT_TRUE(writeFileAtomic(dir + "Straße.txt"_cp, "x"));
    EXPECT_TRUE(std::filesystem::exists(toNativePath(temp.path()) + "Übungen/Straße.txt"));
    EXPECT_TRUE(fileExists(dir + "Straße.txt"_cp));
    EXPECT_FALSE(fileExists(dir));
    EXPECT_TRUE(directoryExists(dir));
    EXPECT_EQ(readFile(dir + "Straße.txt"_cp), "x");
}

TEST(FileSystem, ListingIsSortedAndSkipsUnrepresentableNames) {
    test::TempDir temp;
    temp.file("b.txt", "");
    temp.file("a.txt", "");
    temp.dir("c");
    const std::string native = toNativePath(temp.path());
    std::ofstream(native + "ä.txt").put('x');
    std::ofstream(native + "Ω.txt").put('x');
    std::ofstream(native + "bad\xFF.txt").put('x');

    const auto entries = listDirectory(temp.path());
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, "a.txt");
    EXPECT_EQ(entries[1].name, "b.txt");
    EXPECT_EQ(entries[2].name, "c");
    EXPECT_TRUE(entries[2].isDirectory);
    EXPECT_FALSE(entries[0].isDirectory);
    EXPECT_EQ(entries[3].name, "ä.txt"_cp);
    EXPECT_TRUE(listDirectory(temp.path() + "missing/").empty());
}

TEST(FileSystem, ReadFileFailsOnMissingFilesAndDirectories) {
    test::TempDir temp;
    EXPECT_EQ(readFile(temp.path() + "missing"), std::nullopt);
    EXPECT_EQ(readFile(temp.path()), std::nullopt);
    const std::string binary("a\0\r\n\xFF", 5);
    EXPECT_EQ(readFile(temp.file("bin", binary)), binary);
}

TEST(WriteFileAtomic, NeverReplacesAFileThatCouldNotBeRead) {
    test::TempDir temp;
    const std::string unreadable = temp.unreadableFile("s_w.qor");
    ASSERT_EQ(readFile(unreadable), std::nullopt);
    EXPECT_TRUE(isUnreadableFile(unreadable));
    EXPECT_FALSE(writeFileAtomic(unreadable, "empty"));
    EXPECT_FALSE(writeFileAtomic(temp.path() + "./s_w.qor", "empty"));
    EXPECT_TRUE(std::filesystem::is_symlink(toNativePath(unreadable)));

    // Missing files may be written, also one that was unreadable before.
    const std::string missing = temp.path() + "missing.qor";
    EXPECT_EQ(readFile(missing), std::nullopt);
    EXPECT_TRUE(writeFileAtomic(missing, "new"));
    std::filesystem::remove(toNativePath(unreadable));
    EXPECT_EQ(readFile(unreadable), std::nullopt);
    EXPECT_TRUE(writeFileAtomic(unreadable, "new"));
}

TEST(WriteFileAtomic, ReplacesTheFileAndLeavesNoTemporary) {
    test::TempDir temp;
    const std::string path = temp.file("data.qor", "old");
    ASSERT_TRUE(writeFileAtomic(path, "new content"));
    EXPECT_EQ(readFile(path), "new content");
    EXPECT_EQ(listDirectory(temp.path()).size(), 1u);
}

TEST(WriteFileAtomic, KeepsThePermissionsOfTheReplacedFile) {
    test::TempDir temp;
    const std::string path = temp.file("run", "old");
    ::chmod(toNativePath(path).c_str(), 0750);
    ASSERT_TRUE(writeFileAtomic(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(toNativePath(path).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0750u);
}

TEST(WriteFileAtomic, PersonalFilesAreCreatedForTheirOwnerOnly) {
    test::TempDir temp;
    const auto mode = [](const std::string& path) {
        struct stat info {};
        EXPECT_EQ(::stat(toNativePath(path).c_str(), &info), 0);
        return info.st_mode & 0777;
    };
    const std::string user = temp.path() + "Ana_S.qob";
    const std::string log = temp.path() + "Ana_S_LOG.txt";
    ASSERT_TRUE(writeFileAtomic(user, "data", NewFileAccess::OwnerOnly));
    ASSERT_TRUE(appendToFile(log, "line 1\r\n", NewFileAccess::OwnerOnly));
    ASSERT_TRUE(appendToFile(log, "line 2\r\n", NewFileAccess::OwnerOnly));
    EXPECT_EQ(mode(user), 0600u);
    EXPECT_EQ(mode(log), 0600u);
    EXPECT_EQ(readFile(log), "line 1\r\nline 2\r\n");
    EXPECT_FALSE(appendToFile(temp.path() + "missing/log.txt", "x"));
}

TEST(WriteFileAtomic, FailureLeavesEverythingAsItWas) {
    test::TempDir temp;
    // The target is a directory that holds a file: the rename cannot happen,
    // not even for root.
    const std::string target = temp.path() + "data.qor";
    temp.file("data.qor/inside", "old");
    EXPECT_FALSE(writeFileAtomic(target, "new"));
    EXPECT_EQ(readFile(target + "/inside"), "old");
    EXPECT_EQ(listDirectory(temp.path()).size(), 1u); // no temporary left behind

    // A missing directory is not created.
    EXPECT_FALSE(writeFileAtomic(temp.path() + "missing/data.qor", "new"));
    EXPECT_FALSE(directoryExists(temp.path() + "missing/"));
    EXPECT_FALSE(writeFileAtomic(temp.path() + "dir/", "new"));
}

// A process id that no process has now: that of a child that has ended.
pid_t endedProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST(WriteFileAtomic, TemporariesOfKilledSavesAreRemovedOthersStay) {
    test::TempDir temp;
    const std::string dead = std::to_string(endedProcess());
    const std::string alive = std::to_string(getpid());
    const std::vector<std::string> stale = {".qor-" + dead + "-17-0.tmp",
                                            ".qor-" + dead + "-4294967295-12.tmp"};
    const std::vector<std::string> kept = {".qor-" + alive +
                                               "-17-0.tmp", // a save that is still going on
                                           ".qor-" + dead + "-17.tmp",
                                           ".qor-" + dead + "-x-0.tmp",
                                           ".qor-" + dead + "-1-2-3.tmp",
                                           "qor-" + dead + "-1-2.tmp",
                                           "registry.ini"};
    for (const std::string& name : stale)
        temp.file(name, "halb");
    for (const std::string& name : kept)
        temp.file(name, "bleibt");
    temp.dir(".qor-" + dead + "-1-1.tmp.d");

    EXPECT_EQ(removeStaleTemporaries(temp.path()), 2);
    for (const std::string& name : stale)
        EXPECT_FALSE(fileExists(temp.path() + name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(fileExists(temp.path() + name)) << name;
    EXPECT_EQ(removeStaleTemporaries(temp.path() + "fehlt/"), 0);
}

TEST(FileSystem, RenameNeverReplacesAnExistingFile) {
    test::TempDir temp;
    const std::string a = temp.file("a", "A");
    const std::string b = temp.file("b", "B");
    EXPECT_FALSE(renameFile(a, b));
    EXPECT_EQ(readFile(b), "B");
    EXPECT_TRUE(removeFile(b));
    EXPECT_FALSE(removeFile(b));
    EXPECT_TRUE(renameFile(a, b));
    EXPECT_EQ(readFile(b), "A");
    EXPECT_FALSE(fileExists(a));
    EXPECT_FALSE(removeFile(temp.dir("sub")));
    EXPECT_TRUE(directoryExists(temp.path() + "sub"));
}

} // namespace
} // namespace qor
