#pragma once
// One direction of the shipped dictionary: FreeDict's articles converted,
// entries of the same headword and class joined, our own hand-written
// entries (which the sample libraries rely on) in place of FreeDict's where
// both have a headword in the same class, and everything in the order the
// program's look-up walks the list.

#include "qor-dictd/EntryConversion.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qor::dictd {

struct BuildCounts {
    ConversionCounts conversion;
    std::size_t joined = 0;         // FreeDict entries joined with one before them
    std::size_t ours = 0;           // our own entries
    std::size_t replacedByOurs = 0; // FreeDict entries that gave way to ours
    std::size_t written = 0;
};

// articles: the UTF-8 dictd articles. ours: the strings of our own source,
// three per entry (headword, class, meanings), Windows-1252. The result has
// the same form, sorted by headword as compareGerman orders them (then by
// the exact headword and the class, so that equal headwords stand together).
// Throws PackError when an entry of ours has no class 1 ... 6.
std::vector<std::string> buildDictionary(const std::vector<std::string>& articles,
                                         Headwords headwords, const std::vector<std::string>& ours,
                                         BuildCounts& counts);

} // namespace qor::dictd
