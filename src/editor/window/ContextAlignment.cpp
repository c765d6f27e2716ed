#include "editor/window/ContextAlignment.h"

#include "platform/Text.h"

#include <algorithm>
#include <array>

namespace qor {

namespace {

constexpr int Nomen = 0;

// The gender marks a dictionary headword may carry after the word.
constexpr std::array<const char*, 5> GenderMarks = {" (m)", " (f)", " (mf)", " (mpl)", " (fpl)"};

int countOf(const std::string& text, char c) {
    return static_cast<int>(std::ranges::count(text, c));
}

// The second "(" of text becomes ")".
void closeSecondBracket(std::string& text) {
    const auto first = text.find('(');
    const auto second = first == std::string::npos ? first : text.find('(', first + 1);
    if (second != std::string::npos)
        text[second] = ')';
}

bool hasGenderMark(const std::string& word, const std::string& headword) {
    return std::ranges::any_of(GenderMarks,
                               [&](const char* mark) { return headword == word + mark; });
}

// The word takes the dictionary's first letter when only its case differs.
void takeFirstLetter(std::string& word, const std::string& headword) {
    if (word.empty() || headword.empty())
        return;
    if (headword.find(word.substr(1)) == 1 && lowerChar(word[0]) == lowerChar(headword[0]))
        word[0] = headword[0];
}

void alignWithDictionary(AlignedEntry& entry, const LookedUpEntry& dictionary) {
    takeFirstLetter(entry.word, dictionary.word);
    if (entry.word != dictionary.word && hasGenderMark(entry.word, dictionary.word)) {
        entry.word = dictionary.word;
        entry.firstMeaning = dictionary.meanings;
        entry.wordClass = dictionary.wordClass;
    }
    if (entry.word != dictionary.word)
        return;
    if (entry.wordClass == dictionary.wordClass) {
        entry.firstMeaning = dictionary.meanings;
    } else if (entry.wordClass == Nomen && dictionary.previousWord != entry.word &&
               dictionary.nextWord != entry.word) {
        entry.firstMeaning = dictionary.meanings;
        entry.wordClass = dictionary.wordClass;
    }
}

} // namespace

std::string HyphenateEnding(const std::string& word) {
    std::string trimmed(TrimBlanks(word));
    if (!trimmed.ends_with(", e"))
        return word;
    // ", e" becomes ", -e" (an insert here trips a false -Wrestrict of GCC 12).
    trimmed.back() = '-';
    trimmed.push_back('e');
    return trimmed;
}

std::string OrderContextBrackets(const std::string& context) {
    std::string text = context;
    if (countOf(text, ')') == 0 && text.starts_with('(') && countOf(text, '(') == 3) {
        text.erase(0, 1);
        closeSecondBracket(text);
    }
    if (countOf(text, ')') == 0 && countOf(text, '(') == 2)
        closeSecondBracket(text);
    return text;
}

bool ContextInOrder(const std::string& context) {
    return countOf(context, '(') == 1 && countOf(context, ')') == 1 &&
           context.find(')') > context.find('(');
}

bool AlignContexts(AlignedEntry& entry, const LookedUpEntry& dictionary) {
    entry.word = HyphenateEnding(entry.word);
    entry.context1 = OrderContextBrackets(entry.context1);
    bool inOrder = ContextInOrder(entry.context1);
    if (inOrder) {
        entry.context2 = OrderContextBrackets(entry.context2);
        inOrder = ContextInOrder(entry.context2);
    }
    if (!inOrder)
        return false;
    alignWithDictionary(entry, dictionary);
    return entry.word == dictionary.word && entry.wordClass == dictionary.wordClass &&
           entry.firstMeaning == dictionary.meanings;
}

} // namespace qor
