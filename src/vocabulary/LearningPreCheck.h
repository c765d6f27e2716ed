#pragma once
// Before superlearning presents the library: there must be entries, and the
// range is put right - a start outside the library begins at the first
// entry, an end outside it stops at the last.

namespace qor {

class TBibliothek;
class TVocEinstellungen;

// False, after saying so, when the library has no entries.
bool LearningPreCheck(const TBibliothek& library, TVocEinstellungen& settings);

} // namespace qor
