#pragma once
// The file dialogs of the library commands that the training settings window
// and the vocabulary editor share: which library to open, and saving under
// the library's own name or a new one. A folder the user moves to becomes
// the vocabulary file folder and is stored.

#include "core/Configuration.h"
#include "vocabulary/Bibliothek.h"

#include <optional>
#include <string>

namespace qor {

// An ".asc" file chosen in the open dialog, starting in the vocabulary file
// folder; nothing when cancelled.
std::optional<std::string> AskLibraryToOpen(Configuration& config);

// "Speichern": into the library's own file; a library without one asks for
// a name first. False when cancelled or when saving failed (the library then
// stays changed).
bool SaveLibrary(TBibliothek& library, Configuration& config);

// "Speichern unter": asks for a name, proposing the library's own. False
// when cancelled or when saving failed.
bool SaveLibraryAs(TBibliothek& library, Configuration& config);

} // namespace qor
