#pragma once
// Turns FreeDict articles into entries of the program's dictionary: one per
// headword and word class, the senses' alternatives as "; "-separated
// meanings in Windows-1252. Grammar becomes what the program's own entries
// carry: the gender tag of a Spanish noun ("casa (f)"), the article of a
// German one ("(das) Haus"); labels become a comment at the end of a meaning
// ("(der) Kumpel [ugs.]"). Whatever the program could not show or check is
// left out and counted.

#include "qor-dictd/Article.h"
#include "qor-dictd/WordClass.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qor::dictd {

// Which language the headwords are in; the meanings are in the other one.
enum class Headwords { Spanish, German };

struct Entry {
    std::string word; // Windows-1252, as all text below
    int wordClass = kNomen;
    std::vector<std::string> meanings;
};

struct ConversionCounts {
    std::size_t articles = 0;
    std::size_t headwords = 0;
    // Headwords left out:
    std::size_t affixes = 0;                 // prefixes and suffixes
    std::size_t headwordsNotWindows1252 = 0; // a character Windows-1252 has not
    std::size_t headwordsWithoutMeaning = 0; // every meaning was left out
    // Meanings left out, and shortened:
    std::size_t meaningsWithComma = 0;     // a "," outside a comment
    std::size_t meaningsWithSemicolon = 0; // a ";" the meaning separator cannot tell apart
    std::size_t meaningsEmpty = 0;         // nothing left but characters Windows-1252 has not
    std::size_t meaningsShortened = 0;     // such characters dropped, the rest kept
};

class EntryConversion {
public:
    EntryConversion(Headwords headwords, WordClassGuess guess)
        : headwords_(headwords), guess_(std::move(guess)) {}

    // Appends the entries of one article to entries.
    void convert(const Article& article, std::vector<Entry>& entries,
                 ConversionCounts& counts) const;

private:
    std::vector<std::string> meaningsOf(const Term& headword, const std::vector<Sense>& senses,
                                        ConversionCounts& counts) const;
    std::optional<std::string> meaningText(const Term& meaning,
                                           const std::vector<std::string>& labels,
                                           ConversionCounts& counts) const;

    Headwords headwords_;
    WordClassGuess guess_;
};

} // namespace qor::dictd
