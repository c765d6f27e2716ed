#pragma once
// Telling a learner what exactly was wrong with a typed answer that is the
// right word spelt with a missing or wrong accent, the wrong ñ or ü, or in
// the wrong capitals: these slips deserve a better answer than "falsch".
// Texts are Windows-1252.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct SpellingSlips {
    int accents = 0;    // letters whose accent is missing, wrong or extra
    bool tilde = false; // ñ against n
    char dotted = 0;    // the ü, ä or ö (lower case) standing against its plain vowel
    bool capitals = false;
    std::string marks; // one flag per character: '1' where the two differ
};

// The slips that separate typed from solution; nothing when the two are
// the same or differ in anything else (another letter, another length).
std::optional<SpellingSlips> FindSpellingSlips(std::string_view typed, std::string_view solution);

// "Nur der Akzent stimmt nicht." and the like.
std::string DescribeSlips(const SpellingSlips& slips);

// text with every character flagged in marks put between open and close.
std::string MarkSlips(std::string_view text, std::string_view marks, std::string_view open,
                      std::string_view close);

// What a wrong-answer page shows of a slip: the description and both
// spellings in page markup, the differing letters in the style "fehler".
struct SlipReport {
    std::string description;
    std::string typedMarked;
    std::string solutionMarked;
};

// The report for the first solution that typed misses only by slips.
std::optional<SlipReport> ReportSpellingSlips(std::string_view typed,
                                              const std::vector<std::string>& solutions);

} // namespace qor
