#include "vocabulary/SaveQuestion.h"

#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace qor {
using namespace literals;

bool AskToSaveChanges(TBibliothek& library, Configuration& config) {
    if (!library.Geaendert())
        return true;
    const int answer = AppMessage("Die aktuelle Bibliothek wurde verändert.\rSollen die "
                                  "Veränderungen jetzt gespeichert werden?\r\r[Die Veränderungen "
                                  "sonst verloren]"_cp,
                                  MessageStyle::YesNoCancel);
    if (answer == MessageResult::Cancel)
        return false;
    if (answer != MessageResult::Yes)
        return true;
    const std::string name = extractFileName(library.Dateiname());
    const std::optional<std::string> path = askSaveFileName({{},
                                                             config.VocabularyFileDir,
                                                             name.empty() ? "OhneNamen.asc" : name,
                                                             "Vokabel-Bibliotheken (*.asc)"});
    if (!path)
        return true;
    const std::string dir = extractFileDir(*path);
    if (dir != config.VocabularyFileDir) {
        config.VocabularyFileDir = dir;
        config.SaveDirectorySettings(SaveBits::VocabularyFileDir);
    }
    library.Save(*path);
    return true;
}

} // namespace qor
