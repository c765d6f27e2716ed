#include "vocabulary/Solutions.h"

#include "platform/Text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

TEST(SolutionsTest, MeaningsExpandIntoTheAnswersTheFieldAccepts) {
    struct Case {
        std::string meanings;
        SolutionList expected;
    };
    const Case cases[] = {
        {"casa (f)", {"casa", "la casa"}},
        {"ir (a) casa", {"ir casa", "ir a casa"}},
        {"(el) agua (f)", {"el agua f", "agua f", "el agua", "agua"}},
        {"calle [Straße] (f)"_cp, {"calle", "la calle"}},
        {"(el/la) artista", {"el artista", "la artista", "artista"}},
        {"gafas (fpl); la luz (f)", {"gafas", "las gafas", "la luz"}},
        {"(der) Fuß [Körperteil]"_cp, {"Fuß"_cp, "Fuss", "der Fuß"_cp, "der Fuss"}},
        {"(m) primo", {"primo", "el primo"}}, // the tag first: the blank after it goes
        {"a (b) c (d/e) f", {"a b c d f", "a b c e f", "a c d f", "a c e f", "a b c f", "a c f"}},
        {"Haus; Haus", {"Haus"}}, // one answer once
        {"a;b", {"a"}},           // the character after ";" is lost
        {"", {}},
        {"x; ; y", {"x", "y"}}, // no empty answer
        {"  viel   Glück  "_cp, {"viel Glück"_cp}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meanings);
        SolutionList solutions;
        ExpandMeanings(c.meanings, solutions);
        EXPECT_EQ(solutions, c.expected);
    }
}

TEST(SolutionsTest, AClickedChoiceIsFoundIgnoringCase) {
    std::array<TVokabel, 6> choices;
    choices[0].Bedeutung[0] = "(das) Haus";
    choices[3].Bedeutung[0] = "(die) Straße"_cp;
    EXPECT_EQ(MatchChoice("(DIE) STRASSE", choices), -1);
    EXPECT_EQ(MatchChoice("(DIE) STRAßE"_cp, choices), 3);
    EXPECT_EQ(MatchChoice("(das) haus", choices), 0);
    EXPECT_EQ(MatchChoice("", choices), 1); // an empty choice matches an empty click
}

} // namespace
} // namespace qor
