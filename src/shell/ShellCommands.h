#pragma once
// The main window's own page commands, in two blocks because other
// subsystems' rows come between them: the web and settings rows ("www",
// "www." + address, "http://" + address, "seekcd", "paths") and "end".

#include "core/CommandPage.h"
#include "core/CommandTable.h"

#include <string>

namespace qor {

class ShellCommandHost {
public:
    virtual ~ShellCommandHost() = default;

    // Lets the window system catch up (a click's repaint) before a list runs.
    virtual void processMessages() = 0;
    // Opens an address in the web browser; openHomePage the publisher's.
    virtual void openUrl(const std::string& url) = 0;
    virtual void openHomePage() = 0;
    // Looks for the program medium; true when a sound directory is now known.
    virtual bool searchMedium() = 0;
    // The directory settings window, modal.
    virtual void showPaths() = 0;
    // The orderly end of the program.
    virtual void endProgram() = 0;
};

CommandBlock webAndSettingsCommands(CommandPage& page, ShellCommandHost& host);
CommandBlock endCommands(ShellCommandHost& host);

} // namespace qor
