#include "Envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor::music {

namespace {

// 0 at 0, 1 at 1, flat at both ends.
double rise(double fraction) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * fraction);
}

} // namespace

double Envelope::gain(double time, double length) const {
    if (time <= 0 || time >= span(length))
        return 0;
    const double held = std::min(time, length);
    double level = held < attack ? rise(held / attack) : 1.0;
    if (decay > 0 && held > attack)
        level *= std::exp((attack - held) / decay);
    if (time > length)
        level *= 1 - rise((time - length) / release);
    return level;
}

} // namespace qor::music
