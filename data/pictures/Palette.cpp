#include "Palette.h"

#include <array>
#include <cmath>

namespace qor::pictures {

namespace {

QColor hsv(double hue, double saturation, double value) {
    return QColor::fromHsvF(static_cast<float>(std::fmod(hue + 360, 360) / 360),
                            static_cast<float>(saturation), static_cast<float>(value));
}

} // namespace

Palette harmoniousPalette(SeededRandom& random) {
    // Hue steps of the schemes: neighbours, split complement, triad.
    constexpr std::array<std::array<double, 3>, 3> schemes = {
        {{0, 30, -30}, {0, 150, 210}, {0, 120, 240}}};
    const double hue = random.between(0, 360);
    const auto& scheme = schemes[static_cast<std::size_t>(random.below(3))];

    Palette palette;
    palette.deep = hsv(hue, random.between(0.55, 0.8), random.between(0.15, 0.25));
    palette.light = hsv(hue + scheme[1] / 3, random.between(0.45, 0.7), random.between(0.4, 0.55));
    for (const double step : scheme)
        palette.accents.push_back(
            hsv(hue + step, random.between(0.3, 0.6), random.between(0.75, 0.95)));
    return palette;
}

} // namespace qor::pictures
