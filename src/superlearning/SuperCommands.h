#pragma once
// Superlearning's page commands, in three blocks because other rows stand
// between them: "stop" ends a presentation running in the main window;
// "vegas" plays the bingo game;
// "super" starts the presentation chosen by the training mode with the
// loaded library, "superopts" opens the settings dialog.

#include "core/CommandTable.h"

namespace qor {

class SuperlearningHost {
public:
    virtual ~SuperlearningHost() = default;
    virtual void goSuper() = 0;
    // Ends the presentation running in the main window, if one does.
    virtual void stopPresentation() = 0;
    virtual void showSuperlearningSettings() = 0;
    // The bingo game in the main window, until it is over.
    virtual void playBingo() = 0;
};

CommandBlock presentationStopCommands(SuperlearningHost& host);
CommandBlock bingoCommands(SuperlearningHost& host);
CommandBlock superlearningCommands(SuperlearningHost& host);

} // namespace qor
