#include "page/model/ZipResource.h"

#include "platform/Text.h"
#include "platform/Zlib.h"
#include "resources/ProgramResources.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;
using namespace std::string_literals;
using Strings = std::vector<std::string>;

Strings readAll(TZIPResource& reader) {
    Strings lines;
    while (!reader.Eof())
        lines.push_back(reader.ReadLine());
    return lines;
}

TEST(ZipResource, SplitsLinesAtControlCharacters) {
    const struct {
        std::string text;
        Strings lines;
    } cases[] = {
        {"eins\r\nzwei\r\n", {"eins", "zwei"}},
        {"eins\nzwei", {"eins", "zwei"}},
        {"eins\rzwei\r", {"eins", "zwei"}},
        // A tab ends a line; so does any other control character.
        {"hablar\tsprechen\r\n", {"hablar", "sprechen"}},
        {"a\0b\x1f"s
         "c",
         {"a", "b", "c"}},
        // Only CR LF counts as one line end; LF CR and CR CR are two.
        {"a\n\rb\r\r\nc", {"a", "", "b", "", "c"}},
        {"\r\n\r\n", {"", ""}},
        // Bytes above 127 are text.
        {"Gr\xf6\xdf"
         "e \x80\x81\xff",
         {"Gr\xf6\xdf"
          "e \x80\x81\xff"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        TZIPResource reader = TZIPResource::fromPacked(deflateZlib(c.text));
        ASSERT_TRUE(reader.hasStream());
        EXPECT_EQ(readAll(reader), c.lines) << c.text;
        EXPECT_EQ(reader.ReadLine(), "");
    }
}

TEST(ZipResource, DamagedResourceHasNoLines) {
    const std::string packed = deflateZlib("eins\r\nzwei\r\n");
    std::string damaged = packed;
    damaged[damaged.size() - 1] ^= 0x01;
    for (const std::string& bytes : {std::string(), damaged, packed.substr(0, packed.size() - 3),
                                     std::string("eins\r\nzwei\r\n")}) {
        TZIPResource reader = TZIPResource::fromPacked(bytes);
        EXPECT_FALSE(reader.hasStream());
        EXPECT_TRUE(reader.Eof());
        EXPECT_EQ(reader.ReadLine(), "");
    }
}

TEST(ZipResource, ProgramResourcesByNumber) {
    // Resource 900 is the build's own: UTF-8 text packed as Windows-1252 with CR LF.
    TZIPResource lines(900);
    ASSERT_TRUE(lines.hasStream());
    EXPECT_EQ(readAll(lines), (Strings{"Erste Zeile", "Grüße aus Köln – schön!"_cp, "Spalte eins",
                                       "Spalte zwei", "", "nach der Leerzeile"}));

    for (const int missing : {0, 4, 899, 901, -1}) {
        EXPECT_TRUE(programResource(missing).empty()) << missing;
        TZIPResource none(missing);
        EXPECT_FALSE(none.hasStream());
        EXPECT_TRUE(none.Eof());
    }
}

} // namespace
} // namespace qor
