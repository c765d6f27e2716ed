#pragma once
// The help text "*" of a typing field: the first solution with its letters
// hidden behind underscores, so that F2 shows the learner how the answer is
// built without giving it away.

#include "graphics/Color.h"
#include "platform/Random.h"

#include <string>
#include <string_view>

namespace qor {

// One character gives "_", two give "__". Longer solutions keep their first
// character, blanks and the punctuation ! ' , - . ?, the last character when
// there are more than three, and from the fifth character on each further
// character with a chance of one in five (random(5) == 3); everything else
// becomes "_".
std::string HelpMask(std::string_view solution, const RandomSource& random);

} // namespace qor
