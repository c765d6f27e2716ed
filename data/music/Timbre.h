#pragma once
// The sound colour of an instrument: one period of its waveform, summed from
// harmonic partials once, so that a note costs one table look-up a sample
// however many partials it has.

#include <vector>

namespace qor::music {

class Timbre {
public:
    // Amplitudes of the partials 1, 2, 3 ... (1 is the fundamental); the
    // waveform is scaled to a peak of 1.
    explicit Timbre(const std::vector<double>& partials);

    // The waveform at a phase in [0, 1).
    float at(double phase) const;

private:
    std::vector<float> period_;
};

} // namespace qor::music
