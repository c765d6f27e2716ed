#pragma once
// Which entries of the library take part in training under the settings:
// not empty, a phrase only when phrases are on, of the chosen direction and
// difficulty, and - while a user is logged in - not above the score limit.

#include "vocabulary/Bibliothek.h"
#include "vocabulary/VocEinstellungen.h"

namespace qor {

bool IsActive(const TVokabel& entry, const TVocEinstellungen& settings, bool userLoggedIn);

// The active entries of the range Von ... Bis; -1 for Von or Bis is first
// written back as the first or the last non-empty entry. 0 for a range
// outside the library.
int ActiveCount(const TBibliothek& library, TVocEinstellungen& settings, bool userLoggedIn);

} // namespace qor
