#include "sound/WordSpeech.h"

#include "platform/mci/Mci.h"
#include "sound/MciSenders.h"

namespace qor {

bool PlayMemoryQuiet(const std::string& alias, PcmSound sound) {
    SendMci("close " + alias, true);
    if (!mciInterpreter().openMemory(alias, std::move(sound)).ok())
        return false;
    return !IsMciError(SendMci("play " + alias + " from 0", true));
}

bool SpeakQuiet(std::string_view text, SpeechRate rate, const std::string& alias) {
    std::optional<PcmSound> sound = speechSynthesizer().synthesize(text, rate);
    return sound && PlayMemoryQuiet(alias, std::move(*sound));
}

} // namespace qor
