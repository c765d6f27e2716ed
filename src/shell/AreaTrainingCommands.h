#pragma once
// The area training commands of the menu pages: the difficulty ("s1".."s4"),
// the area ("gws", "reise", ... "bereich_egal"), the training mode
// ("klassisch", "abgedreht", "abfrage", "sm" + number) and "go", which
// starts the training with them. They keep their choices in the main
// window's state.

#include "core/CommandPage.h"
#include "core/CommandTable.h"
#include "shell/MainWindowState.h"

namespace qor {

class AreaTrainingHost {
public:
    virtual ~AreaTrainingHost() = default;
    // Starts area training with the state's area, level and mode. False when
    // the user cancelled, which abandons the rest of the command list.
    virtual bool startAreaTraining() = 0;
};

CommandBlock areaTrainingCommands(MainWindowState& state, CommandPage& page,
                                  AreaTrainingHost& host);

} // namespace qor
