#include "platform/IniFile.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;

const char* const kSample = "; Einstellungen\r\n"
                            "[*qor]\r\n"
                            "Benutzer-Verzeichnis = /srv/benutzer/ \r\n"
                            "Schreibschutz=1\r\n"
                            "\r\n"
                            "[qor spanisch]\r\n"
                            "Wave-Verzeichnis=\"  /media/cd/wave/ \"\r\n"
                            "Register=ja\r\n";

TEST(IniFile, ReadsWithoutRegardToCase) {
    test::TempDir temp;
    IniFile ini(temp.file("qor.ini", kSample));
    EXPECT_EQ(ini.readString("*QOR", "benutzer-verzeichnis"), "/srv/benutzer/");
    EXPECT_EQ(ini.readString("Qor Spanisch", "WAVE-VERZEICHNIS"), "  /media/cd/wave/ ");
    EXPECT_EQ(ini.readInteger("*qor", "Schreibschutz", 0), 1);
    EXPECT_EQ(ini.readInteger("qor spanisch", "Register", 5), 5); // not a number
    EXPECT_EQ(ini.readString("qor spanisch", "Schreibschutz", "fehlt"), "fehlt");
    EXPECT_FALSE(ini.valueExists("*qor", "; Einstellungen"));
    EXPECT_TRUE(ini.valueExists("*qor", "Schreibschutz"));
}

TEST(IniFile, ReadsLineFeedOnlyFiles) {
    test::TempDir temp;
    IniFile ini(temp.file("qor.ini", "[A]\nx=1\n[B]\nx=2"));
    EXPECT_EQ(ini.readInteger("B", "x", 0), 2);
    EXPECT_EQ(ini.readString("A", "x"), "1");
}

TEST(IniFile, IntegersMustBeWholeDecimalNumbers) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"42", 42}, {"-7", -7},   {"+3", 3},           {"12abc", -1},
                 {"", -1},   {"0x10", -1}, {"99999999999", -1}, {" 8 ", 8}};
    test::TempDir temp;
    IniFile ini(temp.path() + "qor.ini");
    for (const auto& c : cases) {
        ASSERT_TRUE(ini.writeString("S", "n", c.text));
        EXPECT_EQ(ini.readInteger("S", "n", -1), c.expected) << c.text;
    }
}

TEST(IniFile, WritingKeepsEveryOtherLineAndTheKeysSpelling) {
    test::TempDir temp;
    IniFile ini(temp.file("qor.ini", kSample));
    ASSERT_TRUE(ini.writeInteger("*QOR", "SCHREIBSCHUTZ", 0));
    ASSERT_TRUE(ini.writeString("*qor", "Neu", "wert"));
    ASSERT_TRUE(ini.writeString("qor spanisch", "Register", "0"));
    ASSERT_TRUE(ini.writeString("Übungen"_cp, "Größe"_cp, " mit Rand "));
    EXPECT_EQ(readFile(ini.path()), "; Einstellungen\r\n"
                                    "[*qor]\r\n"
                                    "Benutzer-Verzeichnis = /srv/benutzer/ \r\n"
                                    "Schreibschutz=0\r\n"
                                    "Neu=wert\r\n"
                                    "\r\n"
                                    "[qor spanisch]\r\n"
                                    "Wave-Verzeichnis=\"  /media/cd/wave/ \"\r\n"
                                    "Register=0\r\n"
                                    "[Übungen]\r\n"
                                    "Größe=\" mit Rand \"\r\n"_cp);
    EXPECT_EQ(ini.readString("übungen"_cp, "GRÖSSE"), ""); // ß has no capital
    EXPECT_EQ(ini.readString("übungen"_cp, "GRÖßE"_cp), " mit Rand ");
}

TEST(IniFile, WritingConvertsLineFeedsToCrLf) {
    test::TempDir temp;
    IniFile ini(temp.file("qor.ini", "[A]\nx=1\n"));
    ASSERT_TRUE(ini.writeString("A", "y", "2"));
    EXPECT_EQ(readFile(ini.path()), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST(IniFile, ReadingNeverCreatesTheFile) {
    test::TempDir temp;
    IniFile ini(temp.path() + "qor.ini");
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.readString("*qor", "Benutzer-Verzeichnis", "d"), "d");
    EXPECT_FALSE(ini.valueExists("*qor", "Schreibschutz"));
    EXPECT_FALSE(ini.exists());
    EXPECT_TRUE(ini.writeInteger("*qor", "Schreibschutz", 0));
    EXPECT_EQ(readFile(ini.path()), "[*qor]\r\nSchreibschutz=0\r\n");
}

TEST(IniFile, FailedWriteReportsFalse) {
    test::TempDir temp;
    IniFile ini(temp.path() + "fehlt/qor.ini");
    EXPECT_FALSE(ini.writeString("A", "b", "c"));
}

TEST(IniFile, ValuesWithLineBreaksCannotSplitTheFile) {
    std::vector<std::string> lines = IniFile::splitLines("[A]\r\n");
    IniFile::setValue(lines, "A", "x", "1\r\n[B]\r\ny=2");
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(IniFile::findValue(lines, "B", "y"), std::nullopt);
}

} // namespace
} // namespace qor
