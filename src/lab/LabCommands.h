#pragma once
// The language lab's page commands: the three switches ("+diktat",
// "-deutsch", ...), the sentence ("lab", "labnext"), its speech where it
// has no recording ("labsprich", "labsprichlangsam"), the answer of the
// dictation ("lab" ... "+", "lab-"), the topic list ("lablist") and the
// choice of a topic ("thema" + two characters: "thema 3", "thema03").

#include "core/CommandPage.h"
#include "core/CommandTable.h"

namespace qor {

class TThemenListe;

class LabHost {
public:
    virtual ~LabHost() = default;
    // Null before start-up made it and after the end freed it.
    virtual TThemenListe* themenListe() = 0;
};

CommandBlock labCommands(LabHost& host, CommandPage& page);

} // namespace qor
