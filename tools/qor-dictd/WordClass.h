#pragma once
// The program's word classes for FreeDict entries: 1 Nomen, 2 Verb,
// 3 Adjektiv, 4 Kleines Wort (adverbs, prepositions, conjunctions, pronouns,
// articles, interjections, numerals), 5 Rw. mit Verb, 6 Rw. ohne Verb.

#include "qor-dictd/Article.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qor::dictd {

inline constexpr int kNomen = 1;
inline constexpr int kVerb = 2;
inline constexpr int kAdjektiv = 3;
inline constexpr int kKleinesWort = 4;
inline constexpr int kRedewendungMitVerb = 5;
inline constexpr int kRedewendungOhneVerb = 6;

// The class the grammar names; nothing when it names none (or one unknown).
std::optional<int> wordClassOf(const Grammar& grammar);

// A prefix or suffix ("<suffix>", "hispano-", "peli- (+ Adjektiv)"): a piece
// of words, no word.
bool isAffix(const Term& headword);

// The class of a headword whose grammar names none, from its form.
class WordClassGuess {
public:
    // verbs: the verbs of the language in lower case (Windows-1252), which
    // tell a phrase with a verb from one without.
    WordClassGuess(bool spanish, std::set<std::string> verbs)
        : spanish_(spanish), verbs_(std::move(verbs)) {}

    // word is Windows-1252; otherForms are the other headwords of its
    // article ("bermejo" beside "bermeja" makes both adjectives).
    int operator()(std::string_view word, const std::vector<std::string>& otherForms) const;

private:
    bool isVerb(std::string_view lowerWord) const;
    bool hasVerb(const std::vector<std::string>& lowerWords) const;

    bool spanish_;
    std::set<std::string> verbs_;
};

} // namespace qor::dictd
