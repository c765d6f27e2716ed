#include "Timbre.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor::music {

namespace {

constexpr std::size_t periodLength = 4096;

} // namespace

Timbre::Timbre(const std::vector<double>& partials) : period_(periodLength + 1) {
    for (std::size_t i = 0; i < periodLength; ++i) {
        const double angle = 2 * std::numbers::pi * static_cast<double>(i) / periodLength;
        double sum = 0;
        for (std::size_t n = 0; n < partials.size(); ++n)
            sum += partials[n] * std::sin(static_cast<double>(n + 1) * angle);
        period_[i] = static_cast<float>(sum);
    }
    const float peak = std::max(std::abs(*std::max_element(period_.begin(), period_.end())),
                                std::abs(*std::min_element(period_.begin(), period_.end())));
    for (float& sample : period_)
        sample /= peak;
    // The guard sample lets at() interpolate past the last point without a wrap.
    period_[periodLength] = period_[0];
}

float Timbre::at(double phase) const {
    const double position = phase * periodLength;
    const auto index = static_cast<std::size_t>(position);
    const auto fraction = static_cast<float>(position - static_cast<double>(index));
    return period_[index] + fraction * (period_[index + 1] - period_[index]);
}

} // namespace qor::music
