#include "vocabulary/LibraryFile.h"

#include "platform/Text.h"
#include "platform/Zlib.h"
#include "vocabulary/ReserveList.h"

#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {
using namespace literals;

std::string lines(std::initializer_list<const char*> text) {
    std::string joined;
    for (const char* line : text)
        joined += std::string(line) + "\r\n";
    return joined;
}

TEST(LibraryFileTest, ReadsEveryQuirkOfTheFormat) {
    struct Case {
        const char* what;
        std::string text;
        TVokabel expected;
    };
    TVokabel plain;
    plain.Vokabel = "casa (f)";
    plain.Bedeutung[0] = "(das) Haus";
    plain.Kontext[0] = "Mi (casa) es tu casa.";
    plain.KtxDazu[0] = true;
    plain.Schwierigkeit = 1;
    const Case cases[] = {
        {"plain, trimmed",
         lines({"  casa (f) ", "(das) Haus ", "", "Mi (casa) es tu casa.", "-1", "", "0", "0", "0",
                "1"}),
         plain},
        {"a .wav line before the meaning is skipped",
         lines({"casa (f)", ".wav casa.wav", "(das) Haus", "", "Mi (casa) es tu casa.", "-1", "",
                "0", "0", "0", "1"}),
         plain},
        {"a sentence on the flag line is the context",
         lines({"casa (f)", "(das) Haus", "", "", "Mi (casa) es tu casa.", "-1", "", "0", "0", "0",
                "1"}),
         plain},
        {"the first character of the difficulty counts",
         lines(
             {"casa (f)", "(das) Haus", "", "Mi (casa) es tu casa.", "x", "", "0", "0", "0", "12"}),
         plain},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LibraryText read = ReadLibraryText(c.text);
        EXPECT_TRUE(read.complete);
        ASSERT_EQ(read.entries.size(), 1u);
        EXPECT_EQ(read.entries[0], c.expected);
    }

    const LibraryText flags = ReadLibraryText(
        lines({"Haus", "casa (f)", "", "", "0", "Zu (Hause).", "ja", "4", "-1", "9"}) +
        lines({"b", "B", "", "", "0", "", "0", "255", "1", "-"}) + "\r\n\r\n");
    ASSERT_TRUE(flags.complete);
    ASSERT_EQ(flags.entries.size(), 2u);
    EXPECT_TRUE(flags.entries[0].Deutsch);
    EXPECT_TRUE(flags.entries[0].KtxDazu[1]);
    EXPECT_EQ(flags.entries[0].Schwierigkeit, 4); // clamped
    EXPECT_FALSE(flags.entries[1].Deutsch);       // only "-1" is German
    EXPECT_EQ(flags.entries[1].Wortart, 255);
    EXPECT_EQ(flags.entries[1].Schwierigkeit, 0);
}

TEST(LibraryFileTest, ABrokenEntryKeepsTheOnesBefore) {
    const std::string good = lines({"uno", "eins", "", "", "0", "", "0", "3", "0", "0"});
    const std::pair<const char*, std::string> broken[] = {
        {"ends after eight lines", lines({"dos", "zwei", "", "", "0", "", "0", "3"})},
        {"a class that is no number",
         lines({"dos", "zwei", "", "", "0", "", "0", "drei", "0", "0"})},
        {"a class beyond a byte", lines({"dos", "zwei", "", "", "0", "", "0", "300", "0", "0"})},
        {"an empty tenth line", lines({"dos", "zwei", "", "", "0", "", "0", "3", "0", ""}) + good},
        {"binary garbage", std::string("\x01\x02\0\xFF", 4)},
    };
    for (const auto& [what, tail] : broken) {
        SCOPED_TRACE(what);
        const LibraryText read = ReadLibraryText(good + tail);
        EXPECT_FALSE(read.complete);
        ASSERT_EQ(read.entries.size(), 1u);
        EXPECT_EQ(read.entries[0].Vokabel, "uno");
    }
    EXPECT_TRUE(ReadLibraryText("").complete);
    // Line ends of other systems read the same.
    EXPECT_EQ(ReadLibraryText("uno\neins\n\n\n0\n\n0\n3\n0\n0\n").entries.size(), 1u);
}

TEST(LibraryFileTest, WritesWhatItReadsAndLeavesTheTrailingEmptyEntryOut) {
    const std::string text =
        lines({"año (m)"_cp.c_str(), "(das) Jahr", "", "Este (año) viajo.", "-1", "", "0", "0", "0",
               "2"}) +
        lines({"", "", "", "", "0", "", "0", "0", "0", "0"}) + // an empty entry in the middle stays
        lines({"Hund", "perro (m)", "can (m)", "", "0", "Der (Hund) bellt.", "-1", "0", "-1", "4"});
    LibraryText read = ReadLibraryText(text);
    ASSERT_TRUE(read.complete);
    EXPECT_EQ(WriteLibraryText(read.entries), text);
    read.entries.push_back({});
    EXPECT_EQ(WriteLibraryText(read.entries), text);
}

TEST(ReserveListTest, TakesTheFirst600EntriesAsTheyStand) {
    std::string text;
    for (int i = 0; i < 601; ++i)
        text +=
            lines({("w" + std::to_string(i)).c_str(), "m", "", "", "x", "", "0", "4", "-1", "3"});
    const TRes list(deflateZlib(text));
    ASSERT_EQ(list.Count(), 600);
    EXPECT_EQ(list.Entries()[599].Vokabel, "w599");
    EXPECT_TRUE(list.Entries()[0].KtxDazu[0]); // anything but "0"
    EXPECT_TRUE(list.Entries()[0].Deutsch);
    EXPECT_EQ(list.Entries()[0].Wortart, 4);

    // The program's own list is full, in both directions and every class.
    const TRes program;
    ASSERT_EQ(program.Count(), 600);
    std::set<std::pair<int, bool>> kinds;
    for (const TVokabel& entry : program.Entries()) {
        EXPECT_FALSE(entry.IsEmpty());
        kinds.insert({entry.Wortart, entry.Deutsch});
    }
    EXPECT_EQ(kinds.size(), 12u);
}

} // namespace
} // namespace qor
