#pragma once
// The two file formats of a dictionary direction. The packed one (".qor",
// ".rqo") is one zlib stream of zero-terminated Windows-1252 strings:
// headword, class ("1" .. "6") and meanings of every entry in turn. The plain
// one (any other extension, read only) holds the same three strings per entry
// as lines.

#include "dictionary/XDatabase.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Bounds that keep a hostile file from exhausting memory; a real dictionary
// stays far below both.
constexpr std::size_t MaxDictionaryContent = std::size_t{64} << 20;
constexpr std::size_t MaxDictionaryEntries = 1'000'000;

// Where the records of a file go, in file order.
struct DictionaryRecordSink {
    std::function<void(std::size_t records)> reserve;
    std::function<void(std::string_view word, std::string_view wordClass, std::string_view meaning)>
        add;
};

// The lines of a text file one by one, without their CR LF or LF; an empty
// line once the text has ended.
class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    std::string_view next();

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Both readers return false when the file was damaged or too large: the
// records before the damage have been added, a record cut off is dropped.
// Empty packed content gives the one record "_leer" / "0" / "leer".
bool readPackedDictionary(std::string_view fileBytes, const DictionaryRecordSink& sink);
// Lines (CR LF or LF) in groups of three; a group cut off by the end of the
// file gets empty strings for its missing lines.
bool readPlainDictionary(std::string_view fileBytes, const DictionaryRecordSink& sink);

// The packed file of entries, in their order.
std::string packDictionary(const std::vector<DictionaryEntry>& entries);

} // namespace qor
