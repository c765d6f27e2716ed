#pragma once
// The exchange text files of the dictionary: per direction an "a" file of
// class, TAB and headword and a "b" file of meanings, one line per entry,
// Windows-1252 with CR LF. Base name B gives B1a.txt, B1b.txt (Spanish-German)
// and B2a.txt, B2b.txt (German-Spanish).

#include "dictionary/DictionaryFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The base of a chosen export name: up to the first "." of its file name,
// the whole path when the file name has none.
std::string exportBaseName(std::string_view path);
// The base of a chosen import file: its file name without the two
// characters before its first "." and what follows ("wb_1a.txt" -> "wb_").
// The whole path when fewer than two characters stand before the ".".
std::string importBaseName(std::string_view path);

// The "a" file (class TAB headword) or "b" file (meanings) of entries.
std::string exchangeFileText(const std::vector<DictionaryEntry>& entries, bool headwords);

// Reads an "a" and a "b" file line by line in parallel until either ends.
// False at the first "a" line whose second character is no TAB (the lines
// before it have been added) or beyond MaxDictionaryEntries lines.
bool readExchangeFiles(std::string_view aFile, std::string_view bFile,
                       const DictionaryRecordSink& sink);

} // namespace qor
