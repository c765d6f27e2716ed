#pragma once
// The pieces of an article's lines: bracketed parts, separators outside them,
// and a headword or meaning with its labels, grammar and pronunciations.

#include "qor-dictd/Article.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor::dictd {

// A blank or a tab.
bool isBlank(char c);

// The parts of text between the separator characters that stand outside
// (), [] and <> (a comma inside "<n, f>" separates nothing).
std::vector<std::string_view> splitOutsideBrackets(std::string_view text,
                                                   std::string_view separators);

// Blanks (also no-break spaces and tabs) collapsed to one, none at the ends.
std::string tidyBlanks(std::string_view text);

// "(text)" as a whole.
bool isParenthesized(std::string_view text);

struct ParsedTerm {
    Term term;
    std::size_t pronunciations = 0;
};

// Takes the "[labels]", the "<grammar>" and, with withPronunciations, the
// "/pronunciations/" out of text; what is left, tidied and without the '|'
// some entries carry, is the term's text.
ParsedTerm parseTerm(std::string_view text, bool withPronunciations);

// Moves a note in parentheses that lists things ("billig (Verkäufer,
// Laden)", "(Sahne, Eiweiß) schlagen") out of the text into the labels:
// its commas would read as separators of meanings.
void moveListsToLabels(Term& term);

} // namespace qor::dictd
