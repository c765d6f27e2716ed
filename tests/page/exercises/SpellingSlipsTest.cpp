#include "page/exercises/SpellingSlips.h"

#include "platform/Text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

// What a learner typed, the solution, and what the wrong-answer page says
// and marks; an empty description means "just wrong".
TEST(SpellingSlipsTest, SlipsAreNamedAndMarkedOnlyWhenTheWordIsRight) {
    struct Case {
        std::string typed;
        std::string solution;
        std::string description;
        std::string marks;
    };
    const Case cases[] = {
        {"cancion", "canción"_cp, "Nur der Akzent stimmt nicht.", "0000010"},
        {"canción"_cp, "cancion", "Nur der Akzent stimmt nicht.", "0000010"},
        {"cancíon"_cp, "canción"_cp, "Nur die Akzente stimmen nicht.", "0000110"},
        {"àrbol"_cp, "árbol"_cp, "Nur der Akzent stimmt nicht.", "10000"},
        {"manana", "mañana"_cp, "Nur die Tilde (ñ) stimmt nicht."_cp, "001000"},
        {"pinguino", "pingüino"_cp, "Nur die Pünktchen (ü) stimmen nicht."_cp, "00001000"},
        {"Hauser", "Häuser"_cp, "Nur die Pünktchen (ä) stimmen nicht."_cp, "010000"},
        {"haus", "Haus", "Nur die Groß- und Kleinschreibung stimmt nicht."_cp, "1000"},
        {"ESPAÑA"_cp, "España"_cp, "Nur die Groß- und Kleinschreibung stimmt nicht."_cp, "011111"},
        {"arbol", "Árbol"_cp, "Nur der Akzent und die Groß- und Kleinschreibung stimmen nicht."_cp,
         "10000"},
        {"el nino pequeno", "el niño pequeño"_cp, "Nur die Tilde (ñ) stimmt nicht."_cp,
         "000001000000010"},
        {"Camion pinguino", "camión pingüino"_cp,
         "Nur der Akzent, die Pünktchen (ü) und die Groß- und Kleinschreibung "
         "stimmen nicht."_cp,
         "100010000001000"},
        // Anything else is a plain mistake.
        {"casa", "casa", "", ""},
        {"caza", "casa", "", ""},
        {"cas", "casa", "", ""},
        {"canciones", "canción"_cp, "", ""},
        {"", "casa", "", ""},
        {"mañana"_cp, "manzana", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + " / " + c.solution);
        const auto slips = FindSpellingSlips(c.typed, c.solution);
        ASSERT_EQ(slips.has_value(), !c.description.empty());
        if (!slips)
            continue;
        EXPECT_EQ(DescribeSlips(*slips), c.description);
        EXPECT_EQ(slips->marks, c.marks);
    }
}

TEST(SpellingSlipsTest, MarkedRunsAreWrappedOnce) {
    EXPECT_EQ(MarkSlips("canción"_cp, "0000110", "<", ">"), "canc<ió>n"_cp);
    EXPECT_EQ(MarkSlips("ab", "11", "<", ">"), "<ab>");
    EXPECT_EQ(MarkSlips("ab", "00", "<", ">"), "ab");
}

} // namespace
} // namespace qor
