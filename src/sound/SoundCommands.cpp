#include "sound/SoundCommands.h"

namespace qor {

CommandBlock soundCommands(SoundCommandHost& host) {
    // One row per line, so the formatter leaves the table alone.
    // clang-format off
    return {
        {"recsetup", CommandMatch::Exact, [&host](auto&, auto) { host.showRecordingSetup(); }},
        {"wavebase", CommandMatch::Exact, [&host](auto&, auto) { host.showWaveBase(); }},
    };
    // clang-format on
}

} // namespace qor
