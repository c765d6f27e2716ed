#pragma once
// Saying words the sound database has no recording of: the synthesizer's
// sound played from memory on an MCI alias, the way a recording is.

#include "platform/mci/MciDevice.h"
#include "sound/SpeechSynthesizer.h"

#include <string>
#include <string_view>

namespace qor {

// Closes alias, opens the sound on it and plays it from the start, quietly.
// False when the device could not open or play it.
bool PlayMemoryQuiet(const std::string& alias, PcmSound sound);

// Synthesises text and plays it on alias. False when nothing was said:
// nothing to say, no voice, or the device failed.
bool SpeakQuiet(std::string_view text, SpeechRate rate, const std::string& alias = "welle");

} // namespace qor
