#pragma once
// The sound windows' page commands: "recsetup" opens the recording set-up,
// "wavebase" the sound database window.

#include "core/CommandTable.h"

namespace qor {

// What the sound rows need from the window that runs the commands.
class SoundCommandHost {
public:
    virtual ~SoundCommandHost() = default;
    // Both windows are modal.
    virtual void showRecordingSetup() = 0;
    virtual void showWaveBase() = 0;
};

CommandBlock soundCommands(SoundCommandHost& host);

} // namespace qor
