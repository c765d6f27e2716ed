#pragma once
// Colours that go together for one picture: a dark and a lighter background
// tone of a base hue, and accents whose hues follow a classic scheme
// (neighbouring hues, split complement or triad). The backgrounds stay dark
// enough for the white words the presentation writes over the pictures.

#include "SeededRandom.h"

#include <QColor>
#include <vector>

namespace qor::pictures {

struct Palette {
    QColor deep, light;
    std::vector<QColor> accents;
};

Palette harmoniousPalette(SeededRandom& random);

} // namespace qor::pictures
