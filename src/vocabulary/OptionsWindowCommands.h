#pragma once
// The page commands that open the full windows of vocabulary work in place
// of the main window: "editor" (the vocabulary editor) and "vocein" (the
// training settings window).

#include "core/CommandTable.h"

namespace qor {

class OptionsWindowHost {
public:
    virtual ~OptionsWindowHost() = default;
    // Opens the vocabulary editor in place of the main window.
    virtual void goEditor() = 0;
    // Opens the training settings window in place of the main window.
    virtual void goVocEin() = 0;
};

CommandBlock optionsWindowCommands(OptionsWindowHost& host);

} // namespace qor
