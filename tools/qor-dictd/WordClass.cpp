#include "qor-dictd/WordClass.h"

#include "platform/Text.h"

#include <algorithm>
#include <utility>

namespace qor::dictd {

namespace {

struct PartOfSpeech {
    std::string_view name;
    int wordClass;
};

constexpr PartOfSpeech kPartsOfSpeech[] = {
    {"n", kNomen},
    {"noun", kNomen},
    {"pn", kNomen},
    {"letter", kNomen},
    {"v", kVerb},
    {"vt", kVerb},
    {"vi", kVerb},
    {"vr", kVerb},
    {"verb", kVerb},
    {"adj", kAdjektiv},
    {"adjective", kAdjektiv},
    {"adv", kKleinesWort},
    {"adverb", kKleinesWort},
    {"prep", kKleinesWort},
    {"preposition", kKleinesWort},
    {"postposition", kKleinesWort},
    {"conj", kKleinesWort},
    {"conjunction", kKleinesWort},
    {"art", kKleinesWort},
    {"article", kKleinesWort},
    {"interj", kKleinesWort},
    {"interjection", kKleinesWort},
    {"num", kKleinesWort},
    {"numeral", kKleinesWort},
    {"particle", kKleinesWort},
    {"pronominaladverb", kKleinesWort},
    {"det", kKleinesWort},
};

// "-sen" in "lesen" is no verb of its own; "essen" is.
constexpr std::size_t kShortestVerb = 4;

// The punctuation around the words of a phrase ("¿Qué hora es?").
constexpr std::string_view kPunctuation = " !?.,;:\"'\xA1\xBF";

std::vector<std::string> lowerWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(kPunctuation, start)) != std::string_view::npos) {
        const std::size_t end = text.find_first_of(kPunctuation, start);
        words.push_back(lowerCase(text.substr(start, end - start)));
        start = end;
    }
    return words;
}

bool isCapitalised(std::string_view word) {
    const std::size_t first = word.find_first_not_of(kPunctuation);
    return first != std::string_view::npos && upperChar(word[first]) == word[first] &&
           lowerChar(word[first]) != word[first];
}

// "hablar", "comer", "vivir", "reír" and their reflexive forms ("-se").
bool looksLikeSpanishInfinitive(std::string_view lower) {
    if (lower.ends_with("se"))
        lower.remove_suffix(2);
    return lower.size() >= 3 && (lower.ends_with("ar") || lower.ends_with("er") ||
                                 lower.ends_with("ir") || lower.ends_with("\xEDr"));
}

// "bermejo" and "bermeja": the masculine and feminine of an adjective.
bool hasOtherGender(std::string_view word, const std::vector<std::string>& otherForms) {
    if (!word.ends_with('o') && !word.ends_with('a'))
        return false;
    std::string other(word);
    other.back() = word.back() == 'o' ? 'a' : 'o';
    return std::ranges::find(otherForms, other) != otherForms.end();
}

} // namespace

std::optional<int> wordClassOf(const Grammar& grammar) {
    const std::string_view name = grammar.partOfSpeech;
    for (const PartOfSpeech& known : kPartsOfSpeech) {
        if (known.name == name)
            return known.wordClass;
    }
    if (name.ends_with("pronoun"))
        return kKleinesWort;
    // A gender alone, or an abbreviation with one, names a noun.
    if ((name.empty() || name == "abbreviation") && !grammar.genders.empty())
        return kNomen;
    return std::nullopt;
}

bool isAffix(const Term& headword) {
    const std::string& name = headword.grammar.partOfSpeech;
    const std::string_view firstWord =
        std::string_view(headword.text).substr(0, headword.text.find(' '));
    return name == "suffix" || name == "prefix" || name == "affix" || firstWord.starts_with('-') ||
           firstWord.ends_with('-');
}

bool WordClassGuess::isVerb(std::string_view lowerWord) const {
    if (verbs_.contains(std::string(lowerWord)))
        return true;
    // "ponerse" is a form of "poner".
    return spanish_ && lowerWord.ends_with("se") &&
           verbs_.contains(std::string(lowerWord.substr(0, lowerWord.size() - 2)));
}

// A Spanish phrase with a verb starts with it ("escribir a máquina"), a
// German one ends with it, often a compound ("die Hosen herunterlassen").
bool WordClassGuess::hasVerb(const std::vector<std::string>& lowerWords) const {
    if (std::ranges::any_of(lowerWords, [this](const std::string& w) { return isVerb(w); }))
        return true;
    if (lowerWords.empty())
        return false;
    if (spanish_)
        return looksLikeSpanishInfinitive(lowerWords.front());
    const std::string_view last = lowerWords.back();
    for (std::size_t prefix = 1; prefix + kShortestVerb <= last.size(); ++prefix) {
        if (verbs_.contains(std::string(last.substr(prefix))))
            return true;
    }
    return false;
}

int WordClassGuess::operator()(std::string_view word,
                               const std::vector<std::string>& otherForms) const {
    const bool phrase =
        word.find(' ') != std::string_view::npos || word.ends_with('!') || word.ends_with('?');
    if (phrase)
        return hasVerb(lowerWords(word)) ? kRedewendungMitVerb : kRedewendungOhneVerb;
    if (isCapitalised(word))
        return kNomen;
    if (spanish_ && looksLikeSpanishInfinitive(lowerCase(word)))
        return kVerb;
    if (spanish_ && hasOtherGender(word, otherForms))
        return kAdjektiv;
    return kKleinesWort;
}

} // namespace qor::dictd
