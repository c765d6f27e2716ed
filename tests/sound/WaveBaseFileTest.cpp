#include "core/Configuration.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "sound/WaveBase.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries entriesOf(const TXWaveBase& base) {
    Entries result;
    for (const SoundEntry& entry : base.Entries())
        result.emplace_back(entry.Text, entry.Datei);
    return result;
}

class WaveBaseFileTest : public ::testing::Test {
protected:
    // A fresh database loaded from path, as a new run would.
    Entries loadFresh(const std::string& path) {
        TXWaveBase fresh(config);
        int notified = 0;
        fresh.OnChange = [&notified] {
            ++notified;
        };
        fresh.Load(path);
        EXPECT_EQ(notified, 1);
        EXPECT_FALSE(fresh.Modified());
        EXPECT_EQ(fresh.LoadedFileName(), path);
        return entriesOf(fresh);
    }
    std::string packed(std::string_view content) { return deflateZlib(content); }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    ScriptedMessages messages;
};

TEST_F(WaveBaseFileTest, PackedFileHoldsZeroTerminatedPairs) {
    const std::string path = dir.file("s_w.qor", packed(std::string("perro\0XS:\\p.wav\0", 16)));
    EXPECT_EQ(loadFresh(path), (Entries{{"perro", "XS:\\p.wav"}}));

    TXWaveBase base(config);
    base.AddEntry("año"_cp, "XU:\\año.wav"_cp);
    base.AddEntry("sin grabación"_cp, "");
    config.WriteProtected = false;
    messages.answer(MessageResult::Yes);
    base.Load(path); // appends to what is there and becomes the file to save to
    base.Last();
    base.SetText("perro ");
    base.SaveIfChanged();
    const std::optional<std::string> bytes = readFile(path);
    ASSERT_TRUE(bytes);
    const InflateResult content = inflateZlib(*bytes);
    ASSERT_TRUE(content.ok);
    // Sorted before saving; "año" and the blank are kept byte for byte.
    EXPECT_EQ(content.data, "año\0XU:\\año.wav\0perro \0XS:\\p.wav\0sin grabación\0\0"_cp);
}

TEST_F(WaveBaseFileTest, PackedRoundTripKeepsEveryByte) {
    TXWaveBase base(config);
    std::string allBytes;
    for (int c = 1; c < 256; ++c)
        allBytes.push_back(static_cast<char>(c));
    base.AddEntry("x" + allBytes + "x", allBytes);
    base.AddEntry("y", "");
    messages.answer(MessageResult::Yes);
    base.Load(dir.file("s_w.qor", ""));
    base.Last();
    base.SetDatei("z");
    base.SaveIfChanged();
    EXPECT_EQ(loadFresh(base.SavedFileName()),
              (Entries{{"x" + allBytes + "x", allBytes}, {"y", "z"}}));
}

TEST_F(WaveBaseFileTest, OddAndEmptyPackedContent) {
    struct Case {
        std::string content;
        Entries expected;
    };
    const Case cases[] = {
        {std::string("a\0", 2), {{"a", ""}}},
        {std::string("a\0b\0c\0", 6), {{"a", "b"}, {"c", ""}}},
        {std::string("\0\0", 2), {{"", ""}}},
        {std::string("\0", 1), {}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadFresh(dir.file("s_w.qor", packed(c.content))), c.expected)
            << c.content.size();
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WaveBaseFileTest, AnEmptyFileIsAnEmptyDatabase) {
    EXPECT_TRUE(loadFresh(dir.file("s_w.qor", "")).empty());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WaveBaseFileTest, DamagedPackedFileKeepsItsReadablePartAndSaysSo) {
    std::string content;
    for (int i = 0; i < 3000; ++i)
        content += "palabra " + std::to_string(i) + '\0' + "XS:\\w" + std::to_string(i * 7919) +
                   ".wav" + '\0';
    const std::string whole = packed(content);
    const std::string path = dir.file("s_w.qor", whole.substr(0, whole.size() / 2));

    const Entries entries = loadFresh(path);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.texts()[0], "Fehler beim Laden von " + path + "!");
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Stop);
    ASSERT_FALSE(entries.empty());
    EXPECT_LT(entries.size(), 3000u);
    for (std::size_t i = 0; i + 1 < entries.size(); ++i)
        EXPECT_EQ(entries[i].first, "palabra " + std::to_string(i));
    // The last entry may have lost its reference, never a part of a string.
    const auto& [lastText, lastReference] = entries.back();
    EXPECT_EQ(lastText, "palabra " + std::to_string(entries.size() - 1));
    EXPECT_TRUE(lastReference.empty() ||
                lastReference == "XS:\\w" + std::to_string((entries.size() - 1) * 7919) + ".wav");
}

// A file that would unpack to more than 64 MB cannot fill the memory.
TEST_F(WaveBaseFileTest, AnOversizedPackedFileIsDamaged) {
    const std::string path = dir.file("s_w.qor", packed(std::string((64 << 20) + 1, 'a')));
    EXPECT_TRUE(loadFresh(path).empty());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Fehler beim Laden von " + path + "!"});
}

TEST_F(WaveBaseFileTest, UnreadableFilesAreReported) {
    for (const std::string& path : {dir.file("garbage.qor", "not a zlib stream at all"),
                                    dir.path() + "missing.qor", dir.path() + "missing.txt"}) {
        messages.clear();
        EXPECT_TRUE(loadFresh(path).empty()) << path;
        EXPECT_EQ(messages.texts(),
                  std::vector<std::string>{"Fehler beim Laden von " + path + "!"});
    }
}

TEST_F(WaveBaseFileTest, PlainFileHoldsTwoLinesPerEntry) {
    struct Case {
        std::string text;
        Entries expected;
    };
    const Case cases[] = {
        {"el perro\r\nXS:\\perro.wav\r\n  la casa \r\nXS:\\casa.wav\r\n",
         {{"el perro", "XS:\\perro.wav"}, {"la casa", "XS:\\casa.wav"}}},
        {"a\nXS:\\a.wav\nb", {{"a", "XS:\\a.wav"}, {"b", ""}}},
        {"a\r\nXS:\\a.wav", {{"a", "XS:\\a.wav"}}},
        {std::string("pe\0rro\r\nXS:\\perro.wav\0", 22), {{"perro", "XS:\\perro.wav"}}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadFresh(dir.file("s_w.txt", c.text)), c.expected) << c.text;
    // Only ".qor" and ".rqo" are packed; the extension is compared exactly.
    EXPECT_EQ(loadFresh(dir.file("s_w.QOR", "a\r\nb\r\n")), (Entries{{"a", "b"}}));
    EXPECT_EQ(loadFresh(dir.file("s_w.rqo", packed(std::string("a\0b\0", 4)))),
              (Entries{{"a", "b"}}));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace qor
