// The library's files: loading, saving, importing, random mixes and scores.

#include "core/SharedRoutines.h"
#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/LibraryFile.h"
#include "vocabulary/LibraryImport.h"

#include <cmath>

namespace qor {
using namespace literals;

namespace {

// A mix takes at most this many libraries, and stops once it holds more
// than this many entries.
constexpr std::size_t MixedLibraries = 5;
constexpr int MixedEntries = 500;

// The file's text, or nothing after telling the user why it cannot be read.
std::optional<std::string> readLibraryFile(const std::string& path) {
    std::optional<std::string> text = readFile(path);
    if (!text)
        AppMessage(isUnreadableFile(path) || directoryExists(path)
                       ? "Fehler beim Öffnen!"_cp
                       : "Datei konnte nicht gefunden werden!",
                   MessageStyle::Stop);
    return text;
}

} // namespace

bool TBibliothek::Load(const std::string& path, bool replace) {
    if (replace)
        Clear(false);
    dropTrailingEmpty();
    const std::optional<std::string> text = readLibraryFile(path);
    if (!text) {
        ensureTrailingEmpty();
        return false;
    }
    LibraryText read = ReadLibraryText(*text);
    eintraege_.insert(eintraege_.end(), std::make_move_iterator(read.entries.begin()),
                      std::make_move_iterator(read.entries.end()));
    return finishReading(path, read.complete);
}

bool TBibliothek::finishReading(const std::string& path, bool complete) {
    if (!complete)
        AppMessage("Die Datei hat ein falsches Format oder ist beschädigt!"_cp, MessageStyle::Stop);
    dateiname_ = path;
    if (einstellungen_)
        einstellungen_->Bis = -1;
    LoadScores();
    ensureTrailingEmpty();
    geaendert_ = false;
    if (OnChange)
        OnChange();
    return complete;
}

bool TBibliothek::Save(const std::string& path) {
    const std::string target = path.empty() ? dateiname_ : path;
    if (!writeFileAtomic(target, WriteLibraryText(eintraege_))) {
        AppMessage("Fehler beim Speichern der Bibliothek - \rMedium ist voll oder "
                   "schreibgeschützt!?!"_cp,
                   MessageStyle::Stop);
        return false;
    }
    dateiname_ = target;
    geaendert_ = false;
    return true;
}

bool TBibliothek::Import(const std::string& path, std::string_view header, char separator) {
    Clear(false);
    const std::optional<std::string> text = readLibraryFile(path);
    if (!text) {
        ensureTrailingEmpty();
        return false;
    }
    eintraege_ = ImportDelimitedText(*text, header, separator);
    return finishReading(path, true);
}

void TBibliothek::Adopt(std::vector<TVokabel> entries, bool replace) {
    if (replace) {
        eintraege_.clear();
        dateiname_.clear();
    }
    dropTrailingEmpty();
    eintraege_.insert(eintraege_.end(), std::make_move_iterator(entries.begin()),
                      std::make_move_iterator(entries.end()));
    if (einstellungen_)
        einstellungen_->Bis = -1;
    LoadScores();
    ensureTrailingEmpty();
    changed();
}

void TBibliothek::LoadRandomMix(const std::string& dir) {
    const std::string folder = dir.empty() ? zufallsordner_ : dir;
    Clear(true);
    std::vector<std::string> files;
    if (!folder.empty())
        CountFilesWithExtension(folder, ".asc", {}, &files);
    while (files.size() > MixedLibraries)
        files.erase(files.begin() + randomBelow(random_, static_cast<int>(files.size())));
    while (!files.empty() && Count(false) <= MixedEntries) {
        const auto pick = files.begin() + randomBelow(random_, static_cast<int>(files.size()));
        Load(*pick, false);
        files.erase(pick);
    }
    zufallsordner_ = folder;
    geaendert_ = false;
}

void TBibliothek::LoadScores() {
    durchschnitt_ = 0;
    if (!scores_)
        return;
    long sum = 0;
    int counted = 0;
    for (TVokabel& entry : eintraege_) {
        if (entry.IsEmpty())
            continue;
        entry.Score = scores_(entry.Vokabel, entry.Deutsch, entry.Wortart).value_or(0);
        sum += entry.Score;
        ++counted;
    }
    if (counted > 0)
        durchschnitt_ = static_cast<int>(std::lround(static_cast<double>(sum) / counted));
}

} // namespace qor
