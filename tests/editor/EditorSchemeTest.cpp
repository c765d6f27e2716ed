#include "editor/model/EditorScheme.h"

#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>

namespace qor {
namespace {
using test::TempDir;

// The scheme a file is read into: every item differs from what the files set.
EditorScheme before() {
    EditorScheme scheme;
    scheme.FontName = "Vorher";
    scheme.Sizes = {7, 8, 13};
    for (int i = 0; i < 7; ++i)
        scheme.Colors[i] = rgbColor(0, 0, i + 1); // "#000001" ...
    scheme.SchemaGeaendert = true;
    return scheme;
}

bool installed(const std::string& font) {
    return font == "DejaVu Sans";
}

TEST(EditorSchemeTest, ReadsWhatTheFileSaysAndIgnoresTheRest) {
    static constexpr char Junk[] = "FETT=1\nSIZE1=\x01\x02\0\xFF";
    const std::string beforeText = SchemeText(before());
    struct Case {
        const char* name;
        std::optional<std::string> content; // nothing: no file
        bool read;
        std::string expected; // SchemeText afterwards
        bool message;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, false, beforeText, false},
        {"complete",
         "SCHRIFT=DejaVu Sans\r\nFETT=1\r\nSIZE1=6\r\nSIZE2=12\r\nSIZE3=14\r\nFARBE1=#DDE6EE\r\n"
         "FARBE2=#ffffff\r\nFARBE3=#B9CCDD\r\nFARBE4=#000000\r\nFARBE5=#FF8000\r\n"
         "FARBE6=#00FF00\r\nFARBE7=#0000FF\r\n",
         true,
         "SCHRIFT=DejaVu Sans\r\nFETT=1\r\nSIZE1=6\r\nSIZE2=12\r\nSIZE3=14\r\nFARBE1=#DDE6EE\r\n"
         "FARBE2=#FFFFFF\r\nFARBE3=#B9CCDD\r\nFARBE4=#000000\r\nFARBE5=#FF8000\r\n"
         "FARBE6=#00FF00\r\nFARBE7=#0000FF\r\n",
         false},
        {"keys in any case with blanks, sizes out of range, font not installed",
         "size1 = 20\n fett = 1\nSIZE2=abc\nSIZE3=5\nschrift = Verdana\n", true,
         "SCHRIFT=Arial\r\nFETT=1\r\nSIZE1=9\r\nSIZE2=10\r\nSIZE3=14\r\nFARBE1=#000001\r\n"
         "FARBE2=#000002\r\nFARBE3=#000003\r\nFARBE4=#000004\r\nFARBE5=#000005\r\n"
         "FARBE6=#000006\r\nFARBE7=#000007\r\n",
         false},
        {"colours without '#', with bad digits, empty, too long",
         "FARBE1=C0FFEE\nFARBE2=#12345G\nFARBE3=#\nFARBE4=#1234567\nFARBE5 = #abc\n", true,
         "SCHRIFT=Vorher\r\nFETT=0\r\nSIZE1=7\r\nSIZE2=8\r\nSIZE3=13\r\nFARBE1=#C0C0C0\r\n"
         "FARBE2=#0000FF\r\nFARBE3=#0000FF\r\nFARBE4=#0000FF\r\nFARBE5=#000ABC\r\n"
         "FARBE6=#000006\r\nFARBE7=#000007\r\n",
         false},
        {"unknown keys, lines without '=', a value split at the first '=' only",
         "FARBE8=#FFFFFF\nSIZE4=10\nFETT\n\nKommentar ohne Gleichheitszeichen\nSIZE1=8=8\n", true,
         "SCHRIFT=Vorher\r\nFETT=0\r\nSIZE1=9\r\nSIZE2=8\r\nSIZE3=13\r\nFARBE1=#000001\r\n"
         "FARBE2=#000002\r\nFARBE3=#000003\r\nFARBE4=#000004\r\nFARBE5=#000005\r\n"
         "FARBE6=#000006\r\nFARBE7=#000007\r\n",
         false},
        {"a value cut at 255 characters loses the blanks the cut leaves at its end",
         "SCHRIFT=DejaVu Sans" + std::string(300, ' ') + "Mono\n", true,
         "SCHRIFT=DejaVu Sans\r\nFETT=0\r\nSIZE1=7\r\nSIZE2=8\r\nSIZE3=13\r\nFARBE1=#000001\r\n"
         "FARBE2=#000002\r\nFARBE3=#000003\r\nFARBE4=#000004\r\nFARBE5=#000005\r\n"
         "FARBE6=#000006\r\nFARBE7=#000007\r\n",
         false},
        {"binary junk", std::string(Junk, sizeof Junk - 1), false, beforeText, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedMessages messages;
        const std::string path =
            c.content ? dir.file("editor/s.ed", *c.content) : dir.path() + "editor/s.ed";
        EditorScheme scheme = before();
        EXPECT_EQ(ReadScheme(path, scheme, installed), c.read);
        EXPECT_EQ(SchemeText(scheme), c.expected);
        EXPECT_EQ(scheme.SchemaGeaendert, !c.read);
        EXPECT_EQ(messages.shown().size(), c.message ? 1U : 0U);
    }
}

TEST(EditorSchemeTest, AnUnreadableFileKeepsTheSchemeAndSaysSo) {
    TempDir dir;
    ScriptedMessages messages;
    EditorScheme scheme = before();
    EXPECT_FALSE(ReadScheme(dir.unreadableFile("editor/kaputt.ed"), scheme, installed));
    EXPECT_EQ(SchemeText(scheme), SchemeText(before()));
    ASSERT_EQ(messages.shown().size(), 1U);
    EXPECT_NE(messages.shown()[0].text.find("kaputt.ed"), std::string::npos);
}

TEST(EditorSchemeTest, WrittenSchemesReadBackAndAreListedByName) {
    TempDir dir;
    EditorScheme scheme;
    scheme.FontName = "DejaVu Sans";
    scheme.Bold = true;
    scheme.Sizes = {8, 11, 14};
    scheme.Colors = {
        rgbColor(0x12, 0x34, 0x56), ColorValue::White, 0, 0x0000FF, 0xFF0000, 0x00FF00, 0x808080};
    scheme.SchemaGeaendert = true;
    dir.dir("editor");
    for (const char* name : {"default", "Nacht", "Sandstein"})
        ASSERT_TRUE(WriteScheme(SchemeFile(dir.path(), name), scheme));
    dir.file("editor/liesmich.txt", "");
    dir.dir("editor/alt.ed");

    EXPECT_EQ(*readFile(dir.path() + "editor/Nacht.ed"),
              "SCHRIFT=DejaVu Sans\r\nFETT=1\r\nSIZE1=8\r\nSIZE2=11\r\nSIZE3=14\r\n"
              "FARBE1=#123456\r\nFARBE2=#FFFFFF\r\nFARBE3=#000000\r\nFARBE4=#FF0000\r\n"
              "FARBE5=#0000FF\r\nFARBE6=#00FF00\r\nFARBE7=#808080\r\n");
    EditorScheme back;
    ASSERT_TRUE(ReadScheme(SchemeFile(dir.path(), "Nacht"), back, installed));
    EXPECT_EQ(SchemeText(back), SchemeText(scheme));
    EXPECT_FALSE(back.SchemaGeaendert);
    EXPECT_EQ(SchemeNames(dir.path()), (std::vector<std::string>{"Nacht", "Sandstein"}));
    EXPECT_FALSE(WriteScheme(dir.path() + "fehlt/x.ed", scheme));
}

TEST(EditorSchemeTest, WindowHeightsChooseTheFontSize) {
    const EditorScheme scheme;
    for (const auto& [height, size] : {std::pair{300, 14},
                                       {479, 14},
                                       {480, 9},
                                       {533, 9},
                                       {534, 10},
                                       {700, 10},
                                       {701, 14},
                                       {1024, 14}})
        EXPECT_EQ(SchemeFontSize(scheme, height), size) << height;
}

} // namespace
} // namespace qor
