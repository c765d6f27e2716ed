// Searching the dictionary for a text inside headwords or meanings.
#include "dictionary/XDatabase.h"

#include <array>
#include <functional>

namespace qor {

namespace {

// The characters that end a word for a whole-word search.
constexpr std::array<bool, 256> separatorTable() {
    std::array<bool, 256> table{};
    for (unsigned char c : std::string_view(" !(),-./;?[]"))
        table[c] = true;
    table[0xBF] = true; // '¿'
    return table;
}
constexpr std::array<bool, 256> Separators = separatorTable();

bool isSeparator(char c) {
    return Separators[static_cast<unsigned char>(c)];
}

class TextMatcher {
public:
    TextMatcher(std::string_view text, bool wholeWord)
        : text_(text), searcher_(text.begin(), text.end()), wholeWord_(wholeWord) {
        for (std::size_t pos = text.find(' '); pos != std::string_view::npos;
             pos = text.find(' ', pos + 1))
            blanks_.push_back(pos);
    }

    // Whether text occurs in field (whose ends count as separators).
    bool inField(std::string_view field) const {
        for (auto found = searcher_(field.begin(), field.end()).first; found != field.end();
             found = searcher_(found + 1, field.end()).first) {
            const std::size_t pos = static_cast<std::size_t>(found - field.begin());
            const std::size_t after = pos + text_.size();
            if (!wholeWord_ || ((pos == 0 || isSeparator(field[pos - 1])) &&
                                (after == field.size() || isSeparator(field[after]))))
                return true;
        }
        return false;
    }

    // Whether text occurs in word + " " + meaning, without building it.
    bool inJoined(std::string_view word, std::string_view meaning) const {
        if (inField(word) || inField(meaning))
            return true;
        // An occurrence across the joining blank puts one of text's blanks on it.
        for (std::size_t blank : blanks_) {
            const std::string_view head = text_.substr(0, blank);
            const std::string_view tail = text_.substr(blank + 1);
            if (!word.ends_with(head) || !meaning.starts_with(tail))
                continue;
            const std::size_t before = word.size() - head.size();
            if (!wholeWord_ ||
                ((before == 0 || isSeparator(word[before - 1])) &&
                 (tail.size() == meaning.size() || isSeparator(meaning[tail.size()]))))
                return true;
        }
        return false;
    }

private:
    std::string_view text_;
    // Skips through the fields by the text's last characters: far fewer steps
    // than trying every place where its first character occurs.
    std::boyer_moore_horspool_searcher<std::string_view::const_iterator> searcher_;
    bool wholeWord_;
    std::vector<std::size_t> blanks_;
};

} // namespace

void TXDatabase::Search(std::string_view text, SearchOptions options) {
    results_.clear();
    currentResult_ = 0;
    if (text.empty())
        return;
    const TextMatcher matcher(text, options.WholeWord);
    if (options.BothDirections) {
        for (int direction : {SpanishGerman, GermanSpanish}) {
            const std::vector<DictionaryEntry>& entries = lists_[direction];
            for (int index = 0; index < static_cast<int>(entries.size()); ++index) {
                if (matcher.inJoined(entries[index].Vokabel, entries[index].Bedeutung))
                    results_.push_back({direction, index});
                if (ResultCount() == MaxResultsBothDirections)
                    return;
            }
        }
        return;
    }
    const bool inHeadwords = options.German == IsGermanSpanish();
    const std::vector<DictionaryEntry>& entries = list();
    for (int index = 0; index < Count(); ++index)
        if (matcher.inField(inHeadwords ? entries[index].Vokabel : entries[index].Bedeutung))
            results_.push_back({direction_, index});
}

} // namespace qor
