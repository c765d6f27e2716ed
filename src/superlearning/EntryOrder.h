#pragma once
// Which entry of the library a presentation shows next, and what of it is
// shown and spoken.

#include "platform/Random.h"

#include <deque>
#include <string>

namespace qor {

struct TVokabel;

// The entry shown last (-1: none yet) and, in random order, the ones shown
// recently.
struct EntryCursor {
    int current = -1;
    std::deque<int> recent;
};

// The next entry from first to last (both included) in order 0 forwards, 1
// backwards or 2 random: forwards and backwards wrap round; random draws
// one that was not among the last min(20, last - first) shown.
int NextEntry(EntryCursor& cursor, int first, int last, int order, const RandomSource& random);

struct EntryTexts {
    std::string word;          // the entry's word
    std::string meaning;       // its first meaning
    bool wordIsSpanish = true; // else the meaning is the Spanish side
};

EntryTexts TextsOf(const TVokabel& entry);

} // namespace qor
