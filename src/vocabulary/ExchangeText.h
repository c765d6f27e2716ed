#pragma once
// What the exchange files of other trainers (CSV, KVTML) share: the result
// of reading one completely before anything reaches the library, the
// crossing between their UTF-8 and program text, and the names of word
// classes, directions and difficulties in them.

#include "vocabulary/Vokabel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct ExchangeRead {
    std::vector<TVokabel> entries;
    std::string error; // program text; empty when the whole file was read
    int skipped = 0;   // records without a word or a first meaning
    // Characters Windows-1252 cannot hold: each became '?'.
    int replaced = 0;
    bool ok() const { return error.empty(); }
};

// UTF-8 as program text, line breaks as blanks (every field is one line of
// the library file); characters outside Windows-1252 become '?' and are
// counted in replaced.
std::string ExchangeToProgramText(std::string_view utf8, int& replaced);
// Program text as UTF-8, control characters as blanks, which XML forbids.
std::string ExchangeToUtf8(std::string_view text);
// The 1-based line of a byte offset.
int LineAt(std::string_view text, std::size_t offset);

// "Nomen" ... "Rw. ohne Verb"; a class without a name as its number.
std::string ExchangeWordClass(int wordClass);
// The name (any case) or the number 0 ... 255.
std::optional<int> ExchangeWordClassOf(std::string_view text);
// "Baby" ... "Tödlich", or the digit 0 ... 4, any case.
std::optional<int> ExchangeDifficultyOf(std::string_view text);

} // namespace qor
