#pragma once
// What the training settings window writes into its lists and labels, worked
// out from the library and the settings alone (program text, Windows-1252).

#include "vocabulary/Bibliothek.h"
#include "vocabulary/VocEinstellungen.h"

#include <string>
#include <vector>

namespace qor {

// The explanation under the score limit, for limit -100 ... 100.
std::string ScoreLimitExplanation(int maxScore);

// One line per non-empty entry: "§" for a German word, "$" for a Spanish
// one, the word and, with a user, "&" and the score in percent.
std::vector<std::string> EntryListItems(const TBibliothek& library, bool userLoggedIn);

// One line per non-empty entry for the range lists: "12   perro".
std::vector<std::string> RangeItems(const TBibliothek& library);

// "12 Vokabeln", with a user and entries also the average performance.
std::string EntryCountText(const TBibliothek& library, bool userLoggedIn);

// The settings can train: some entries are active, and in random order
// enough of them to fill a round.
bool SettingsUsable(int activeCount, const TVocEinstellungen& settings);

} // namespace qor
