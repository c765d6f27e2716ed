#pragma once
// Small dictionaries for the tests: entries written as {word, class, meaning}.

#include "dictionary/XDatabase.h"

#include <string>
#include <vector>

namespace qor::test {

struct Row {
    std::string word;
    int wordClass = 1;
    std::string meaning{};
};

// Replaces the current direction's entries.
inline void fill(TXDatabase& db, const std::vector<Row>& rows) {
    db.DeleteAll();
    for (const Row& row : rows)
        db.AddEntry(row.word, std::to_string(row.wordClass), row.meaning);
}

inline std::vector<std::string> words(const std::vector<DictionaryEntry>& entries) {
    std::vector<std::string> result;
    for (const DictionaryEntry& entry : entries)
        result.push_back(entry.Vokabel);
    return result;
}

// The packed content of records given as word, class text and meaning in turn.
inline std::string records(const std::vector<std::string>& fields) {
    std::string content;
    for (const std::string& field : fields)
        content.append(field).push_back('\0');
    return content;
}

} // namespace qor::test
