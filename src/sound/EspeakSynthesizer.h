#pragma once
// The synthesizer over libespeak-ng: Spanish voice, 16-bit mono samples
// collected into memory by espeak-ng's synchronous callback.

#include "sound/SpeechSynthesizer.h"

namespace qor {

class EspeakSynthesizer : public SpeechSynthesizer {
public:
    // Words a minute of the two rates.
    static constexpr int NormalRate = 160;
    static constexpr int SlowRate = 110;

    // espeak-ng starts with the first text; without its data (or a Spanish
    // voice) it stays unavailable and every text gives nothing.
    std::optional<PcmSound> synthesize(std::string_view text, SpeechRate rate) override;
    bool available();

private:
    std::optional<bool> started_; // empty: not tried yet
    int sampleRate_ = 0;
};

} // namespace qor
