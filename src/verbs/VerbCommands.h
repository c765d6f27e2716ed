#pragma once
// The verb trainer's page commands, in three blocks because the vocabulary
// training's rows stand between them: the list, the tables, the selection
// window and the start of a drill ("verblist", "showverb" + n, "vtafel",
// "verbmanuell", "verb"); the answers ("verbweiter", "verb" + outcome); and
// the selection presets ("vt0" ... "vt4").

#include "core/CommandPage.h"
#include "core/CommandTable.h"

#include <string>

namespace qor {

class TVerben;

class VerbHost {
public:
    virtual ~VerbHost() = default;
    // Null until the main window has been created once.
    virtual TVerben* verben() = 0;
    // The selection window in place of the main window.
    virtual void GoVerbEinstellungen() = 0;
    // The page the main window shows when the selection window is left
    // without starting a drill.
    virtual void setReturnPage(const std::string& page) = 0;
};

CommandBlock verbListCommands(VerbHost& host, CommandPage& page);
CommandBlock verbAnswerCommands(VerbHost& host, CommandPage& page);
CommandBlock verbPresetCommands(VerbHost& host);

} // namespace qor
