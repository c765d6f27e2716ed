// The common characters of an answer and a solution, and the greedy walk
// behind them; every expected value worked out by hand from the rules.

#include "page/exercises/CommonCharacters.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct Pair {
    const char* x;
    const char* y;
    const char* expected;
};

TEST(GreedyMatchTest, CollectsWhatItFindsAmongTheNextFourCharacters) {
    for (const Pair& c : {
             // Offset 1 only (3 div 2): "c" is found last in y and ends the walk.
             Pair{"cab", "abc", "c"},
             // Four characters allow offset 2, which skips the "c" and finds "ab".
             Pair{"cab", "abxc", "ab"},
             // A find at the fifth place does not count, at the fourth it does.
             Pair{"e", "abcde", ""},
             Pair{"d", "abcde", "d"},
             // Equal lengths: the first offset's collection stays.
             Pair{"ba", "abxx", "b"},
             // y shorter than two characters: no offset at all.
             Pair{"a", "a", ""},
             Pair{"", "abc", ""},
             Pair{"zabc", "abc", "abc"},
         })
        EXPECT_EQ(GreedyMatch(c.x, c.y), c.expected) << c.x << " / " << c.y;
}

TEST(CommonCharactersTest, HandWorkedAnswersAndSolutions) {
    for (const Pair& c : {
             // The beginning stops two characters before the solution's end;
             // the ending (judged from "s") takes the rest.
             Pair{"casa", "casa", "casa"},
             // "la c" begins both, "sa" ends both; "o" against "a" is left.
             Pair{"la cosa", "la casa", "la csa"},
             // No common beginning, "sa" as ending, "a" from the greedy walk.
             Pair{"la cosa", "casa", "asa"},
             Pair{"", "casa", ""},
             Pair{"casa", "", ""},
             // One character each: the ending needs two, the walk finds nothing.
             Pair{"a", "b", ""},
             // The last characters are never compared by the ending; the walk finds "a".
             Pair{"xa", "ya", "a"},
             Pair{"hablo", "hablar", "habl"},
             // The beginning leaves "os" of "gatos"; the walk finds "o".
             Pair{"gato", "gatos", "gato"},
             // Beginning "pe", ending "ro" judged from the "r".
             Pair{"perro", "pero", "pero"},
             // Beginning "c", walk "sa" over "saa" and "asa".
             Pair{"csaa", "casa", "csa"},
             // Two characters: no beginning at all, all of it as ending.
             Pair{"ab", "ab", "ab"},
             Pair{"b", "ab", "b"},
             // The ending takes the solution's last character even when the
             // answer's differs.
             Pair{"casx", "casa", "casa"},
             // The walk through the answer beats the one through the solution.
             Pair{"cab", "abc", "ab"},
             // The backward walk of answer over solution is longest ("bca" reversed).
             Pair{"ccacb", "abcbc", "acb"},
             // Case counts.
             Pair{"Casa", "casa", "asa"},
         })
        EXPECT_EQ(CommonCharacters(c.x, c.y), c.expected) << c.x << " / " << c.y;
}

TEST(CommonCharactersTest, AnyBytesAreSafe) {
    const std::string bytes("\0\xFF\x80 a\0", 6);
    EXPECT_EQ(CommonCharacters(bytes, bytes), bytes);
    EXPECT_NO_THROW(CommonCharacters(std::string(300, 'a'), std::string(2, 'a')));
    EXPECT_EQ(CommonCharacters(std::string(300, 'a'), std::string(300, 'a')),
              std::string(300, 'a'));
}

} // namespace
} // namespace qor
