#pragma once
// The page commands of vocabulary training: the answers the question pages
// send ("vokabel" + text), the way on ("vokabelweiter", "vcontinue"), the
// evaluation ("vocaus") and the start of a training ("vabfrage"). They come
// in three blocks because other rows stand between them in the table.

#include "core/CommandTable.h"
#include "vocabulary/VocabularyTraining.h"

namespace qor {

class TrainingHost {
public:
    virtual ~TrainingHost() = default;
    virtual VocabularyTraining& training() = 0;
    // Starts a training, or opens the settings window when none can start.
    virtual void goAbfrage() = 0;
};

CommandBlock trainingEvaluationCommands(TrainingHost& host);
CommandBlock trainingRoundCommands(TrainingHost& host);
CommandBlock trainingStartCommands(TrainingHost& host);

} // namespace qor
