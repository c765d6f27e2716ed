#pragma once
// One article of a FreeDict dictionary, read from its dictd text (UTF-8):
//
//   [coloq.] abatido, abatida /ˌaβatˈiðo/ /ˌaβatˈiða/ <adj>
//   1. niedergeschlagen
//   2. entmutigt [fig.]
//
// The first line names the headwords with labels in square brackets,
// pronunciations between slashes and the grammar in angle brackets; every
// further line is a sense (numbered when there are several). Some
// dictionaries follow a sense with a line explaining it in the headword's
// language; only a leading label of that line ("Medizin: ...") is kept.

#include <string>
#include <string_view>
#include <vector>

namespace qor::dictd {

// The contents of "<n, f, pl>": the part of speech ("n", "v", "adj", ...,
// lower case) and the genders and number ("m", "f", "n", "pl").
struct Grammar {
    std::string partOfSpeech;
    std::vector<std::string> genders;

    bool empty() const { return partOfSpeech.empty() && genders.empty(); }
};

// A headword or one meaning of a sense, with its labels ("coloq.", "Sport").
struct Term {
    std::string text;
    std::vector<std::string> labels;
    Grammar grammar;
};

struct Sense {
    std::vector<Term> meanings;      // the alternatives the sense lists
    std::vector<std::string> labels; // from the explaining line
};

struct Article {
    std::vector<Term> headwords;
    std::vector<Sense> senses;
    // The headwords are the forms of one person noun, each given in
    // parentheses ("(pastor <n, m>), (pastora <n, f>)"), and the senses
    // translate them one by one.
    bool sensesPerHeadword = false;
};

Article parseArticle(std::string_view utf8);

} // namespace qor::dictd
