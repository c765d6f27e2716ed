#pragma once
// GoogleTest prints the MCI interpreter's answers, device modes and wave
// formats readably, not as bytes.

#include "platform/mci/MciDevice.h"
#include "platform/mci/MciInterpreter.h"

#include <ostream>

namespace qor {

inline void PrintTo(const MciAnswer& answer, std::ostream* out) {
    if (answer.ok()) {
        *out << "\"" << answer.text << "\"";
    } else {
        *out << "Error" << answer.error;
    }
}

inline void PrintTo(MciMode mode, std::ostream* out) {
    switch (mode) {
    case MciMode::Stopped:
        *out << "Stopped";
        break;
    case MciMode::Playing:
        *out << "Playing";
        break;
    case MciMode::Recording:
        *out << "Recording";
        break;
    }
}

inline void PrintTo(const WaveFormat& format, std::ostream* out) {
    *out << format.bitsPerSample << " bit, " << format.channels << " channel(s), "
         << format.samplesPerSecond << " Hz";
}

} // namespace qor
