#include "qor-pack/PackCommands.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace qor::pack {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using namespace std::string_literals;

// Runs the tool in-process on files of a temporary directory.
class PackCommandsTest : public ::testing::Test {
protected:
    int run(std::vector<std::string> args) {
        out_.str({});
        err_.str({});
        return runPackTool(args, out_, err_);
    }
    // The file-system (UTF-8) name of a file in the directory.
    std::string native(std::string_view relative) const {
        return toNativePath(dir_.path() + utf8ToCp1252(relative));
    }
    std::string read(std::string_view relative) const {
        return readFile(dir_.path() + utf8ToCp1252(relative)).value_or("<missing>");
    }

    test::TempDir dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(PackCommandsTest, TextWritesWindows1252WithCrLf) {
    dir_.file("in.txt", "Grüße\n¡Hola!\n");
    ASSERT_EQ(run({"text", native("in.txt"), native("out.txt")}), kExitOk) << err_.str();
    EXPECT_EQ(read("out.txt"), "Gr\xFC\xDF"
                               "e\r\n\xA1Hola!\r\n");
}

TEST_F(PackCommandsTest, ZlibPacksTheConvertedTextWithLineEndsOrZeros) {
    dir_.file("main.src", "<TITLE>*qor spanisch</TITLE>\nWillkommen!\n");
    ASSERT_EQ(run({"zlib", native("main.src"), native("hqor/main.htx")}), kExitOk) << err_.str();
    const std::string packed = read("hqor/main.htx");
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(packed[0], '\x78'); // zlib header: deflate, 32 KiB window
    const InflateResult page = inflateZlib(packed);
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.data, "<TITLE>*qor spanisch</TITLE>\r\nWillkommen!\r\n");

    // The phrase data ends every line, the empty ones too, in a zero byte.
    dir_.file("phrases.txt", "****Floskeln\n¡Hola!\n\n");
    ASSERT_EQ(run({"lines-zlib", native("phrases.txt"), native("1.z")}), kExitOk) << err_.str();
    EXPECT_EQ(inflateZlib(read("1.z")).data, std::string("****Floskeln\0\xA1Hola!\0\0", 21));
}

TEST_F(PackCommandsTest, RawZlibAndUnpackKeepTheBytes) {
    const std::string bytes("\xFF\x00\n\xC3(", 5); // no valid UTF-8, with NUL and LF
    dir_.file("in.bin", bytes);
    ASSERT_EQ(run({"raw-zlib", native("in.bin"), native("in.z")}), kExitOk) << err_.str();
    ASSERT_EQ(run({"unpack", native("in.z"), native("back.bin")}), kExitOk) << err_.str();
    EXPECT_EQ(read("back.bin"), bytes);
}

TEST_F(PackCommandsTest, DatafileRoundTripsThroughDump) {
    const std::string source = "# Spanisch-Deutsch\n"
                               "el té\n1\n(der) Tee\n\n"
                               "¡Buen provecho!\n6\nGuten Appetit!\n\n"
                               "\\\n1\n\\#leer\n";
    dir_.file("s_d.txt", source);
    ASSERT_EQ(run({"datafile", "--record", "3", native("s_d.txt"), native("s_d.qor")}), kExitOk)
        << err_.str();
    const InflateResult content = inflateZlib(read("s_d.qor"));
    ASSERT_TRUE(content.ok);
    EXPECT_EQ(content.data, "el t\xE9\0"
                            "1\0(der) Tee\0"
                            "\xA1"
                            "Buen provecho!\0"
                            "6\0Guten Appetit!\0"
                            "\0"
                            "1\0#leer\0"s);

    ASSERT_EQ(run({"dump", "--record=3", native("s_d.qor"), native("back.txt")}), kExitOk)
        << err_.str();
    EXPECT_EQ(read("back.txt"), "el té\n1\n(der) Tee\n\n"
                                "¡Buen provecho!\n6\nGuten Appetit!\n\n"
                                "\\\n1\n\\#leer\n");
    ASSERT_EQ(run({"datafile", native("back.txt"), native("again.qor")}), kExitOk) << err_.str();
    EXPECT_EQ(read("again.qor"), read("s_d.qor"));
}

TEST_F(PackCommandsTest, EmptySourceGivesAValidEmptyDataFile) {
    dir_.file("s_w.txt", "# noch keine Aufnahmen\n");
    ASSERT_EQ(run({"datafile", "--record", "2", native("s_w.txt"), native("s_w.qor")}), kExitOk);
    const InflateResult content = inflateZlib(read("s_w.qor"));
    EXPECT_TRUE(content.ok);
    EXPECT_THAT(content.data, IsEmpty());
}

TEST_F(PackCommandsTest, PathsWithBlanksParenthesesAndUmlauts) {
    dir_.file("Vokabeln (S)/Essen und Trinken.src", "el pan\n");
    ASSERT_EQ(run({"text", native("Vokabeln (S)/Essen und Trinken.src"),
                   native("out/Vokabeln (S)/Grundwortschatz/Essen und Trinken.asc")}),
              kExitOk)
        << err_.str();
    EXPECT_EQ(read("out/Vokabeln (S)/Grundwortschatz/Essen und Trinken.asc"), "el pan\r\n");
    ASSERT_EQ(run({"zlib", native("Vokabeln (S)/Essen und Trinken.src"), native("wörterbuch.htx")}),
              kExitOk);
    EXPECT_TRUE(fileExists(dir_.path() + "w\xF6rterbuch.htx"));
}

TEST_F(PackCommandsTest, RefusedTextLeavesTheOldOutputUntouched) {
    dir_.file("in.txt", "gut\nPfeil → nein\n");
    dir_.file("out.txt", "alt");
    EXPECT_EQ(run({"text", native("in.txt"), native("out.txt")}), kExitFailed);
    EXPECT_THAT(err_.str(), HasSubstr("in.txt:2:7"));
    EXPECT_THAT(err_.str(), HasSubstr("cannot be written in Windows-1252"));
    EXPECT_EQ(read("out.txt"), "alt");
}

TEST_F(PackCommandsTest, FailuresAreReportedWithTheFileAndNothingIsWritten) {
    dir_.file("broken.z", "\x78\x9C\x01\x02");
    dir_.file("notes.txt", "a\nb\n");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"text", native("missing.txt"), native("out")}, "missing.txt: cannot read the file"},
        {{"unpack", native("broken.z"), native("out")}, "broken.z: no complete zlib stream"},
        {{"dump", native("notes.txt"), native("out")}, "notes.txt: no complete zlib stream"},
        {{"datafile", "--record", "3", native("notes.txt"), native("out")},
         "notes.txt:1: the group starting here holds 2 strings"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), kExitFailed) << c.args[0];
        EXPECT_THAT(err_.str(), HasSubstr(c.message));
        EXPECT_FALSE(fileExists(dir_.path() + "out")) << c.args[0];
    }
}

TEST_F(PackCommandsTest, WrongUsageExitsWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"pack", "a", "b"},
        {"text", "a"},
        {"text", "a", "b", "c"},
        {"text", "--record", "3", "a", "b"},
        {"datafile", "--record", "0", "a", "b"},
        {"datafile", "--record", "x", "a", "b"},
        {"datafile", "a", "b", "--record"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(run(args), kExitUsage) << ::testing::PrintToString(args);
        EXPECT_THAT(err_.str(), Not(IsEmpty()));
    }
}

TEST_F(PackCommandsTest, HelpDocumentsTheDataFileSource) {
    EXPECT_EQ(run({"--help"}), kExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("a line holding only \"\\\" is the empty string"));
}

} // namespace
} // namespace qor::pack
