#pragma once
// The sound windows' page commands: "recsetup" opens the recording set-up,
// "wavebase" the sound database window; "sprich" + text speaks the text (a
// link to a word that has no recording).

#include "core/CommandTable.h"

#include <string>
#include <string_view>

namespace qor {

// What the sound rows need from the window that runs the commands.
class SoundCommandHost {
public:
    virtual ~SoundCommandHost() = default;
    // Both windows are modal.
    virtual void showRecordingSetup() = 0;
    virtual void showWaveBase() = 0;
    // Program text, lower case as every command.
    virtual void speak(const std::string& text) = 0;
};

// The link target that speaks text: commas would split the command list,
// quotes and angle brackets end the link, so they become blanks.
std::string SpeechLinkTarget(std::string_view text);

CommandBlock soundCommands(SoundCommandHost& host);

} // namespace qor
