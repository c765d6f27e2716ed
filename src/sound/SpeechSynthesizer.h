#pragma once
// Speech the program makes itself for words and sentences that have no
// recording: text in, PCM samples out. The program's synthesizer sits on
// libespeak-ng; tests install a scripted one.

#include "platform/mci/MciDevice.h"

#include <optional>
#include <string_view>

namespace qor {

// Normal, or slow as the language lab's slow recordings.
enum class SpeechRate { Normal, Slow };

class SpeechSynthesizer {
public:
    virtual ~SpeechSynthesizer() = default;
    // text is program text (Windows-1252), spoken with a Spanish voice.
    // Nothing when there is nothing to say or no voice to say it with.
    virtual std::optional<PcmSound> synthesize(std::string_view text, SpeechRate rate) = 0;
};

// The synthesizer in use: the installed one, else the one over libespeak-ng
// (which starts with its first use).
SpeechSynthesizer& speechSynthesizer();

// Puts synthesizer in use (nullptr: the built-in one again); returns the one
// installed before, if any.
SpeechSynthesizer* installSpeechSynthesizer(SpeechSynthesizer* synthesizer);

} // namespace qor
