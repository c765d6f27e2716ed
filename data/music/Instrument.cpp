#include "Instrument.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor::music {

namespace {

struct Voice {
    double phase = 0;
    double step = 0; // phase advance a sample
    float left = 0, right = 0;

    Voice(double hertz, double pan, double startPhase) : phase(startPhase) {
        step = hertz / sampleRate;
        // Equal-power panning keeps the loudness when a voice moves across.
        const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * std::numbers::pi / 4;
        left = static_cast<float>(std::cos(angle));
        right = static_cast<float>(std::sin(angle));
    }

    float next(const Timbre& timbre) {
        const float sample = timbre.at(phase);
        phase += step;
        if (phase >= 1)
            phase -= 1;
        return sample;
    }
};

} // namespace

double frequency(double pitch) {
    return 440.0 * std::exp2((pitch - 69) / 12);
}

void play(const Instrument& instrument, const Note& note, StereoSignal& signal) {
    const double hertz = frequency(note.pitch);
    const double detune = std::exp2(instrument.detuneCents / 2400);
    Voice low(hertz / detune, note.pan - instrument.voiceSpread, 0);
    Voice high(hertz * detune, note.pan + instrument.voiceSpread, 0.25);

    const auto first = static_cast<std::size_t>(std::max(0.0, note.start) * sampleRate);
    const auto end = std::min(
        signal.frames(), static_cast<std::size_t>(
                             (note.start + instrument.envelope.span(note.length)) * sampleRate));
    for (std::size_t frame = first; frame < end; ++frame) {
        const double time = static_cast<double>(frame) / sampleRate - note.start;
        const auto gain =
            static_cast<float>(note.loudness / 2 * instrument.envelope.gain(time, note.length));
        const float a = low.next(instrument.timbre);
        const float b = high.next(instrument.timbre);
        signal.left[frame] += gain * (a * low.left + b * high.left);
        signal.right[frame] += gain * (a * low.right + b * high.right);
    }
}

} // namespace qor::music
