#pragma once
// Delimited text as library entries: each line split at the separator into
// cells that fill the columns the header names ("Vokabel", "Bedeutung",
// "Wortart", "Schwierigkeit", "Deutsch", "Kontext"; others are ignored).

#include "vocabulary/Vokabel.h"

#include <string_view>
#include <vector>

namespace qor {

// Lines without a word or a first meaning give no entry. In the meanings ","
// and "/" become "; ".
std::vector<TVokabel> ImportDelimitedText(std::string_view text, std::string_view header,
                                          char separator);

} // namespace qor
