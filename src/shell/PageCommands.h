#pragma once
// The main window's command handler: pages send comma-separated command
// lists ("gws,s2,go"); each part is tried against the rows of one table from
// the top, and the first row that matches runs. The table is composed of the
// subsystems' blocks (core/CommandTable.h), each acting through its own
// small host interface; the main window implements them all.

#include "core/CommandPage.h"
#include "core/CommandTable.h"
#include "dictionary/DictionaryCommands.h"
#include "lab/LabCommands.h"
#include "shell/AreaTrainingCommands.h"
#include "shell/MainWindowState.h"
#include "shell/ShellCommands.h"
#include "sound/SoundCommands.h"
#include "superlearning/SuperCommands.h"
#include "users/UserCommands.h"
#include "verbs/VerbCommands.h"
#include "vocabulary/OptionsWindowCommands.h"
#include "vocabulary/TrainingCommands.h"

#include <string_view>

namespace qor {

// The hosts the blocks act through.
struct PageCommandHosts {
    CommandPage& page;
    ShellCommandHost& shell;
    AreaTrainingHost& areaTraining;
    SoundCommandHost& sound;
    UserCommandHost& users;
    OptionsWindowHost& optionsWindow;
    TrainingHost& training;
    DictionaryHost& dictionary;
    VerbHost& verbs;
    LabHost& lab;
    SuperlearningHost& superlearning;
};

class TPageCommands {
public:
    TPageCommands(MainWindowState& state, const PageCommandHosts& hosts);

    // Lets the window system catch up, then runs the command list (see
    // CommandTable::run). A cancel in "go" and a number that cannot be read
    // end the list.
    void Run(std::string_view commandList);

    const CommandTable& table() const { return table_; }

private:
    ShellCommandHost& shell_;
    CommandTable table_;
};

} // namespace qor
