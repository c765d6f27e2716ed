#pragma once
// The texts the flash cards and the word list print besides the entries'
// own words: the word class labels, the cards' title and the read-out of the
// back sides' shift.

#include <string>
#include <string_view>

namespace qor {

// "Nomen", "Verb", "Adjektiv", "kl. Wort", "Rw. m. V.", "Rw. o. V."; empty
// for a class without a name.
std::string CardClassLabel(int wordClass);
// "N.", "V.", "Adj.", "kl. W.", "Rw. m. V.", "Rw. o. V."; empty for a class
// without a name.
std::string ListClassLabel(int wordClass);
// The library's file name without folder and extension, "Ohne Namen" for a
// library without file: the cards' title unless the user types another.
std::string LibraryTitle(std::string_view libraryPath);
// A shift in 0.1 mm as millimetres with a decimal comma: 15 -> "1,5 mm",
// -5 -> "-0,5 mm".
std::string ShiftText(int shift);

} // namespace qor
