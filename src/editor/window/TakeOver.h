#pragma once
// Taking an entry over from the dictionary: which side of the dictionary
// entry becomes the word, and how its meanings are spread over the two
// meaning fields. Taking the same entry over again switches between two
// splits: the first meaning alone, then the first two together.

#include <string>
#include <string_view>

namespace qor {

struct TakeOverSource {
    std::string word;
    std::string meanings;
};

// The dictionary's headword is the word when the dictionary's direction is
// the entry's (German-Spanish for a German word); otherwise its meanings
// are, and the headword is the meaning.
TakeOverSource TakeOverFrom(bool dictionaryGermanSpanish, bool entryDeutsch,
                            const std::string& headword, const std::string& meanings);

struct MeaningFields {
    std::string first;
    std::string further;
    bool operator==(const MeaningFields&) const = default;
};

// The meaning fields after a take-over of source (pieces separated by "; "),
// given what they hold now.
MeaningFields DistributeMeanings(const MeaningFields& now, std::string_view source);

} // namespace qor
