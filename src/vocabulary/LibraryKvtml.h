#pragma once
// Libraries as KVTML 2.0, the XML files of KDE's Parley and KWordQuiz.
// Identifier 0 is Spanish ("es"), 1 German ("de"); each entry has both
// translations, the Spanish text always in the "es" one. Where Parley has a
// place for a field it goes there, so Parley shows and keeps it:
//
//   word, first meaning        <text> of the two translations
//   context 1, context 2       <example> of the word's translation (Parley
//                              shows the first)
//   meaning 2                  <paraphrase> of the meaning's translation
//   word class                 <wordtypes>: one container per class, named as
//                              the program names it, with Parley's special
//                              type noun, verb, adjective or adverb (small words)
//   direction                  <lessons>: "Spanisch-Deutsch", "Deutsch-Spanisch"
//   tip flags, difficulty      attributes qor:tipp1, qor:tipp2, qor:schwierigkeit
//                              of the entry (Parley drops them when it saves)
//
// Files of other programs: the translations are found by their locale
// ("es", "es_ES", ...); an entry is German->Spanish only in the lesson
// "Deutsch-Spanisch"; a class comes from the container's name, else its
// special type (nested containers take their parent's), an unknown type is
// a small word and no type a noun.

#include "vocabulary/ExchangeText.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// UTF-8 XML of every complete entry; title is program text.
std::string WriteLibraryKvtml(const std::vector<TVokabel>& entries, std::string_view title);

ExchangeRead ReadLibraryKvtml(std::string_view bytes);

} // namespace qor
