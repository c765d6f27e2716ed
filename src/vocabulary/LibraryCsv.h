#pragma once
// Libraries as CSV for spreadsheets and other trainers: UTF-8, a header
// line of German column names, fields quoted as RFC 4180 says (a field with
// the separator, a quote or a line break in quotes, quotes doubled):
//
//   Wort,Bedeutung 1,Bedeutung 2,Kontext 1,Tipp 1,Kontext 2,Tipp 2,Wortart,Richtung,Schwierigkeit
//   familia (f),(die) Familie,,Mi (familia) vive en Sevilla.,ja,,nein,Nomen,spanisch,Baby
//
// "Tipp" says whether the meaning is shown with the context sentence,
// "Richtung" whether the word is "spanisch" or "deutsch".

#include "vocabulary/ExchangeText.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Every complete entry, with CR LF line ends and a comma between fields.
std::string WriteLibraryCsv(const std::vector<TVokabel>& entries);

// The columns in any order, only "Wort" and "Bedeutung 1" required (also
// "Vokabel", "Bedeutung", "Kontext" as the program's text import names
// them); others are ignored. The separator is the comma, or the semicolon
// or tab the header line uses instead. A leading byte order mark and any
// line ends are accepted; empty fields take the defaults of a new entry.
ExchangeRead ReadLibraryCsv(std::string_view bytes);

} // namespace qor
