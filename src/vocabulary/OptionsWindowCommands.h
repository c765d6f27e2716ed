#pragma once
// The page command that opens the training settings window: "vocein".

#include "core/CommandTable.h"

namespace qor {

class OptionsWindowHost {
public:
    virtual ~OptionsWindowHost() = default;
    // Opens the training settings window in place of the main window.
    virtual void goVocEin() = 0;
};

CommandBlock optionsWindowCommands(OptionsWindowHost& host);

} // namespace qor
