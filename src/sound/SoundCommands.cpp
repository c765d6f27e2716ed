#include "sound/SoundCommands.h"

namespace qor {

CommandBlock soundCommands(SoundCommandHost& host) {
    // One row per line, so the formatter leaves the table alone.
    // clang-format off
    return {
        {"recsetup", CommandMatch::Exact, [&host](auto&, auto) { host.showRecordingSetup(); }},
        {"wavebase", CommandMatch::Exact, [&host](auto&, auto) { host.showWaveBase(); }},
        {"sprich ", CommandMatch::Prefix, [&host](auto&, auto text) { host.speak(std::string(text)); }},
    };
    // clang-format on
}

std::string SpeechLinkTarget(std::string_view text) {
    std::string target = "\xA7sprich ";
    for (char c : text)
        target += c == ',' || c == '"' || c == '<' || c == '>' ? ' ' : c;
    return target;
}

} // namespace qor
