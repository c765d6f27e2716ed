#pragma once
// Colour attributes of the page markup.

#include "graphics/Color.h"
#include "platform/Random.h"

#include <string_view>

namespace qor {

class TXAliasList;

// Reads a colour attribute: "#RRGGBB", "random", "?RRGGBB,RRGGBB,..." (one
// chosen at random), "i" + palette index, or a name from the page's colour
// names. Anything unreadable is white.
Color ParseColorValue(std::string_view value, const TXAliasList& colorNames,
                      const RandomSource& random);

} // namespace qor
