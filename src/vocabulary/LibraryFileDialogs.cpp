#include "vocabulary/LibraryFileDialogs.h"

#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace qor {
using namespace literals;

namespace {

const char* const SaveFilter = "Vokabel-Bibliotheken (*.asc)";

void rememberFolder(Configuration& config, const std::string& path) {
    const std::string dir = extractFileDir(path);
    if (!dir.empty() && dir != config.VocabularyFileDir) {
        config.VocabularyFileDir = dir;
        config.SaveDirectorySettings(SaveBits::VocabularyFileDir);
    }
}

// A name typed without extension gets ".asc", as the dialog's default.
std::optional<std::string> askSaveName(const FileDialogRequest& request) {
    std::optional<std::string> path = askSaveFileName(request);
    if (path && extractFileExt(*path).empty())
        *path += ".asc";
    return path;
}

bool saveTo(TBibliothek& library, Configuration& config, const std::string& path) {
    rememberFolder(config, path);
    const bool saved = library.Save(path);
    library.AddRecent("*");
    return saved;
}

} // namespace

std::optional<std::string> AskLibraryToOpen(Configuration& config) {
    FileDialogRequest request;
    request.directory = config.VocabularyFileDir;
    request.filter = "QEB Bibliotheken (*.asc)";
    std::optional<std::string> path = askOpenFileName(request);
    if (path)
        rememberFolder(config, *path);
    return path;
}

bool SaveLibrary(TBibliothek& library, Configuration& config) {
    if (!library.Dateiname().empty())
        return saveTo(library, config, library.Dateiname());
    FileDialogRequest request;
    request.directory = config.VocabularyFileDir;
    request.filter = SaveFilter;
    const std::optional<std::string> path = askSaveName(request);
    return path && saveTo(library, config, *path);
}

bool SaveLibraryAs(TBibliothek& library, Configuration& config) {
    const std::string& current = library.Dateiname();
    FileDialogRequest request;
    request.directory = current.empty() ? config.VocabularyFileDir : extractFileDir(current);
    request.fileName = extractFileName(current);
    request.filter = SaveFilter;
    const std::optional<std::string> path = askSaveName(request);
    return path && saveTo(library, config, *path);
}

} // namespace qor
