#pragma once
// Character entities in page text (&amp;, &uuml;, &nil; ...).

#include <string>
#include <string_view>

namespace qor {

// Replaces the first "&name;" of a word (or "&name" up to the word's end)
// by its character. Unknown names and "nil" give nothing; later entities of
// the same word stay as they are.
std::string DecodeFirstEntity(std::string_view word);

} // namespace qor
