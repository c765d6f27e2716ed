// Loading a direction from its file and saving both at the end of the run.
#include "dictionary/DictionaryFormat.h"
#include "dictionary/XDatabase.h"
#include "platform/AppMessage.h"
#include "platform/DataFileSave.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace qor {
using namespace literals;

void TXDatabase::Load(const std::string& path) {
    fileName_[direction_] = path;
    const std::optional<std::string> bytes = readFile(path);
    std::vector<DictionaryEntry>& entries = list();
    const DictionaryRecordSink sink{
        [&entries](std::size_t records) { entries.reserve(entries.size() + records); },
        [this](std::string_view word, std::string_view wordClass, std::string_view meaning) {
            AddEntry(word, wordClass, meaning);
        }};
    bool complete = false;
    if (bytes)
        complete = isPackedDataFileName(path) ? readPackedDictionary(*bytes, sink)
                                              : readPlainDictionary(*bytes, sink);
    damagedFile_[direction_] = bytes && !complete ? path : std::string();
    if (!complete)
        AppMessage("Fehler beim Laden des Wörterbuchs!"_cp, MessageStyle::Stop);
    modified_[direction_] = false;
    notify();
}

bool TXDatabase::WriteDirection(int direction, const std::string& path) {
    // A file loaded only in part still holds what was not read: the first
    // save over it keeps it in "<path>.bak".
    const bool damaged = !damagedFile_[direction].empty() && damagedFile_[direction] == path;
    if (!writeKeepingOld(path, packDictionary(lists_[direction]), damaged))
        return false;
    if (damaged)
        damagedFile_[direction].clear();
    return true;
}

void TXDatabase::SaveIfChanged(bool writeProtected) {
    if (writeProtected || (!modified_[SpanishGerman] && !modified_[GermanSpanish]))
        return;
    if (AppMessage("Das Wörterbuch wurde verändert. Sollen diese Veränderungen gespeichert "
                   "werden?"_cp,
                   MessageStyle::YesNo) != MessageResult::Yes)
        return;
    for (int direction : {SpanishGerman, GermanSpanish}) {
        if (!modified_[direction])
            continue;
        savedFileName_[direction].clear();
        const std::string label =
            direction == SpanishGerman ? "Spanisch-Deutsch" : "Deutsch-Spanisch";
        // Saved packed: a plain file gets a name that reads back packed.
        const std::string& loaded = fileName_[direction];
        const std::optional<std::string> saved = saveWithDialogue(
            loaded.empty() ? loaded : packedDataFileName(loaded),
            [this, direction](const std::string& path) { return WriteDirection(direction, path); },
            {.failedQuestion = "Das Wörterbuch "_cp + label +
                               " konnte nicht gespeichert werden. \nSoll es an einem anderen Ort "
                               "gespeichert werden?\n\nAchtung: Bei Nein gehen alle "
                               "Veränderungen verloren."_cp,
             .dialogTitle = "Wörterbuch "_cp + label + " speichern",
             .dialogFilter = "QOR Wörterbücher (*.qor)"_cp,
             .cancelGivesUp = false});
        if (saved) {
            fileName_[direction] = savedFileName_[direction] = *saved;
            AppMessage("Das Wörterbuch "_cp + label + " wurde erfolgreich gespeichert.");
        }
    }
}

} // namespace qor
