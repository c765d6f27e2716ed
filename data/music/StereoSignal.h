#pragma once
// Music while it is being made: two channels of samples at the rate the
// presentation's MP3 files have.

#include <cstddef>
#include <vector>

namespace qor::music {

constexpr int sampleRate = 44100;

struct StereoSignal {
    std::vector<float> left, right;

    explicit StereoSignal(std::size_t frames) : left(frames), right(frames) {}
    std::size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / sampleRate; }
};

} // namespace qor::music
