#include "Mastering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor::music {

namespace {

float loudest(const StereoSignal& signal) {
    float peak = 0;
    for (const auto* channel : {&signal.left, &signal.right})
        for (const float sample : *channel)
            peak = std::max(peak, std::abs(sample));
    return peak;
}

void scale(StereoSignal& signal, std::size_t frame, float gain) {
    signal.left[frame] *= gain;
    signal.right[frame] *= gain;
}

} // namespace

void master(StereoSignal& signal, float peak, double fadeInSeconds, double fadeOutSeconds) {
    const float level = loudest(signal);
    if (level > 0)
        for (std::size_t frame = 0; frame < signal.frames(); ++frame)
            scale(signal, frame, peak / level);

    const auto fadeIn =
        std::min(signal.frames(), static_cast<std::size_t>(fadeInSeconds * sampleRate));
    const auto fadeOut =
        std::min(signal.frames(), static_cast<std::size_t>(fadeOutSeconds * sampleRate));
    const auto curve = [](std::size_t done, std::size_t length) {
        return static_cast<float>(0.5 -
                                  0.5 * std::cos(std::numbers::pi * static_cast<double>(done) /
                                                 static_cast<double>(length)));
    };
    for (std::size_t frame = 0; frame < fadeIn; ++frame)
        scale(signal, frame, curve(frame, fadeIn));
    for (std::size_t frame = 0; frame < fadeOut; ++frame)
        scale(signal, signal.frames() - 1 - frame, curve(frame, fadeOut));
}

} // namespace qor::music
