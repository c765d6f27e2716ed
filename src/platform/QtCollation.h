#pragma once
// German dictionary order for program text: case and accents weigh less
// than the letters ("árbol" sorts among the a's).

#include <string_view>

namespace qor {

// <0, 0 or >0 as a sorts before, with or after b.
int compareGerman(std::string_view a, std::string_view b);

} // namespace qor
