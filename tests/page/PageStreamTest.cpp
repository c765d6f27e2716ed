#include "page/model/PageStream.h"

#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;
using namespace std::string_literals;

TEST(PageStream, TerminatesWithOneCrAndNul) {
    const struct {
        std::string text;
        std::string terminated;
    } cases[] = {
        {"", "\r\0"s},
        {"<b>a</b>", "<b>a</b>\r\0"s},
        {"Zeile\r", "Zeile\r\0"s},
        {"Zeile\r\n", "Zeile\r\n\r\0"s},
        {"a\0b"s, "a\0b\r\0"s},
    };
    for (const auto& c : cases) {
        THTMLStream stream;
        stream.append(c.text);
        stream.terminate();
        EXPECT_EQ(stream.bytes(), c.terminated);
    }
}

TEST(PageStream, ExtensionDecidesPackingExactly) {
    const struct {
        const char* name;
        PageFileKind kind;
    } cases[] = {
        {"hqor/main.htx", PageFileKind::Packed},  {"a.hqor", PageFileKind::Packed},
        {"a.rqol", PageFileKind::Packed},         {"a.rqo", PageFileKind::Packed},
        {"aufgaben.qor", PageFileKind::Exercise}, {"a.HTX", PageFileKind::Plain},
        {"a.Qor", PageFileKind::Plain},           {"a.html", PageFileKind::Plain},
        {"a.htx.bak", PageFileKind::Plain},       {"ordner.htx/seite", PageFileKind::Plain},
        {"ohne_endung", PageFileKind::Plain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pageFileKind(c.name), c.kind) << c.name;
}

TEST(PageStream, ReadsPackedAndPlainPages) {
    test::TempDir dir;
    const std::string text = "<title>Menü</title>\r\nHallo"_cp;
    const std::string packed = deflateZlib(text);
    ScriptedMessages messages;
    const struct {
        std::string file;
        std::string content;
        std::string expected;
    } cases[] = {
        {"main.htx", packed, text + "\r"},
        {"seite.hqor", packed, text + "\r"},
        {"seite.rqol", packed, text + "\r"},
        {"seite.rqo", packed, text + "\r"},
        {"plain.html", text + "\r", text + "\r"},
        // Upper case is not a packed extension: the bytes come as they are.
        {"gross.HTX", packed, packed + "\r"},
        {"leer.htx", deflateZlib(""), "\r"},
        {"leer.html", "", "\r"},
    };
    for (const auto& c : cases) {
        THTMLStream stream;
        ASSERT_TRUE(ReadPage(dir.file(c.file, c.content), stream)) << c.file;
        EXPECT_EQ(stream.bytes(), c.expected + '\0') << c.file;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST(PageStream, LargePackedPageSpansManyChunks) {
    test::TempDir dir;
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "<font size=" + std::to_string(i % 7) + ">Wort " + std::to_string(i) + "<br>";
    THTMLStream stream;
    ASSERT_TRUE(ReadPage(dir.file("gross.htx", deflateZlib(text)), stream));
    EXPECT_EQ(stream.bytes(), text + "\r\0"s);
}

TEST(PageStream, FailureShowsWhyAndKeepsTheStream) {
    test::TempDir dir;
    const std::string packed = deflateZlib(std::string(10000, 'x'));
    std::string damaged = packed;
    std::string folder = dir.dir("ordner.htx");
    folder.pop_back();
    damaged[damaged.size() / 2] ^= 0x5A;
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {dir.path() + "fehlt.htx", "nicht gefunden"},
        {folder, "Verzeichnis"},
        {dir.file("kaputt.htx", damaged), "entpackt"},
        {dir.file("halb.htx", packed.substr(0, packed.size() / 2)), "entpackt"},
        {dir.file("roh.htx", "<b>nicht gepackt</b>"), "entpackt"},
        // A few kilobytes that would unpack to 8 MiB, and a plain file as big.
        {dir.file("bombe.htx", deflateZlib(std::string(2 * MaxPageText, ' '))), "zu gro\xDF"},
        {dir.file("riesig.html", std::string(MaxPageText + 1, ' ')), "zu gro\xDF"},
    };
    for (const auto& c : cases) {
        ScriptedMessages messages;
        THTMLStream stream;
        stream.append("alte Seite");
        EXPECT_FALSE(ReadPage(c.path, stream)) << c.path;
        EXPECT_EQ(stream.bytes(), "alte Seite") << c.path;
        ASSERT_EQ(messages.shown().size(), 1u) << c.path;
        EXPECT_EQ(messages.shown()[0].caption, "*qor");
        EXPECT_EQ(messages.shown()[0].style, MessageStyle::Stop);
        const std::string& text = messages.shown()[0].text;
        EXPECT_NE(text.find(c.path), std::string::npos) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    }
}

} // namespace
} // namespace qor
