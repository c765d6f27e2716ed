#pragma once
// A scripted synthesizer for tests: it notes what it was asked to say and
// answers a tenth of a second of a constant tone, or nothing when silent.

#include "sound/SpeechSynthesizer.h"

#include <string>
#include <vector>

namespace qor::test {

class ScriptedSpeech : public SpeechSynthesizer {
public:
    ScriptedSpeech() : previous_(installSpeechSynthesizer(this)) {}
    ~ScriptedSpeech() override { installSpeechSynthesizer(previous_); }
    ScriptedSpeech(const ScriptedSpeech&) = delete;
    ScriptedSpeech& operator=(const ScriptedSpeech&) = delete;

    std::optional<PcmSound> synthesize(std::string_view text, SpeechRate rate) override {
        said.push_back((rate == SpeechRate::Slow ? "slow " : "") + std::string(text));
        if (silent)
            return std::nullopt;
        PcmSound sound;
        sound.format = {16, 1, 22050};
        sound.samples.assign(4410, 0x40);
        return sound;
    }

    std::vector<std::string> said;
    bool silent = false; // as without espeak-ng's data

private:
    SpeechSynthesizer* previous_;
};

} // namespace qor::test
