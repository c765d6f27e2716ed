#pragma once
// Before the open library is replaced: asks whether its changes are to be
// saved, and saves them under a name the user chooses.

#include "core/Configuration.h"
#include "vocabulary/Bibliothek.h"

namespace qor {

// False when the user cancelled: what was to replace the library must not
// happen. "No", and a cancelled save dialog, go on without saving.
bool AskToSaveChanges(TBibliothek& library, Configuration& config);

} // namespace qor
