#include "Room.h"

#include <array>

namespace qor::music {

namespace {

class Comb {
public:
    explicit Comb(std::size_t delay) : buffer_(delay) {}

    float process(float input) {
        const float output = buffer_[position_];
        // The low-pass in the loop lets high tones die away first, as in a hall.
        filtered_ = output * (1 - damping) + filtered_ * damping;
        buffer_[position_] = input + filtered_ * feedback;
        position_ = (position_ + 1) % buffer_.size();
        return output;
    }

private:
    static constexpr float feedback = 0.88f;
    static constexpr float damping = 0.3f;
    std::vector<float> buffer_;
    std::size_t position_ = 0;
    float filtered_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t delay) : buffer_(delay) {}

    float process(float input) {
        const float buffered = buffer_[position_];
        buffer_[position_] = input + buffered * 0.5f;
        position_ = (position_ + 1) % buffer_.size();
        return buffered - input;
    }

private:
    std::vector<float> buffer_;
    std::size_t position_ = 0;
};

// Delays of the filters in samples, mutually prime so that their echoes do
// not pile up into a ringing tone; the right channel's are a little longer.
class Reverb {
public:
    explicit Reverb(std::size_t spread)
        : combs_{Comb(1116 + spread), Comb(1277 + spread), Comb(1422 + spread),
                 Comb(1557 + spread)},
          allPasses_{AllPass(556 + spread), AllPass(341 + spread)} {}

    float process(float input) {
        float sum = 0;
        for (Comb& comb : combs_)
            sum += comb.process(input);
        for (AllPass& allPass : allPasses_)
            sum = allPass.process(sum);
        return sum;
    }

private:
    std::array<Comb, 4> combs_;
    std::array<AllPass, 2> allPasses_;
};

} // namespace

void addRoom(StereoSignal& signal, float wet) {
    // Brings the sum of the four resonant combs back to about the dry level.
    constexpr float inputGain = 0.05f;
    Reverb left(0);
    Reverb right(23);
    for (std::size_t frame = 0; frame < signal.frames(); ++frame) {
        const float input = (signal.left[frame] + signal.right[frame]) * inputGain;
        signal.left[frame] += wet * left.process(input);
        signal.right[frame] += wet * right.process(input);
    }
}

} // namespace qor::music
