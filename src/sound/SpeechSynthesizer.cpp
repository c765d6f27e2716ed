#include "sound/SpeechSynthesizer.h"

#include "sound/EspeakSynthesizer.h"

namespace qor {

namespace {

SpeechSynthesizer* installed = nullptr;

} // namespace

SpeechSynthesizer& speechSynthesizer() {
    // espeak-ng keeps one state per process: one synthesizer over it.
    static EspeakSynthesizer builtIn;
    return installed ? *installed : builtIn;
}

SpeechSynthesizer* installSpeechSynthesizer(SpeechSynthesizer* synthesizer) {
    SpeechSynthesizer* previous = installed;
    installed = synthesizer;
    return previous;
}

} // namespace qor
