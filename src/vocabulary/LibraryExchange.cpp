#include "vocabulary/LibraryExchange.h"

#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "vocabulary/LibraryCsv.h"
#include "vocabulary/LibraryKvtml.h"

namespace qor {
using namespace literals;

namespace {

const char* const OpenFilter = "CSV- und KVTML-Dateien (*.csv *.kvtml)";

struct FormatFile {
    const char* extension;
    const char* filter;
};

FormatFile fileOf(ExchangeFormat format) {
    return format == ExchangeFormat::Csv ? FormatFile{".csv", "CSV-Dateien (*.csv)"}
                                         : FormatFile{".kvtml", "KVTML-Dateien (*.kvtml)"};
}

// What the user should know of a file that was read: records left out and
// characters replaced.
std::string remarksOn(const ExchangeRead& read) {
    std::string remarks;
    if (read.skipped == 1)
        remarks += "1 Eintrag ohne Wort oder Bedeutung wurde übergangen.\r"_cp;
    else if (read.skipped > 1)
        remarks += std::to_string(read.skipped) +
                   " Einträge ohne Wort oder Bedeutung wurden übergangen.\r"_cp;
    if (read.replaced > 0)
        remarks += std::to_string(read.replaced) +
                   " Zeichen gibt es in einer Bibliothek nicht; an ihrer Stelle steht \"?\"."_cp;
    return remarks;
}

void rememberFolder(Configuration& config, const std::string& path) {
    const std::string dir = extractFileDir(path);
    if (!dir.empty() && dir != config.VocabularyFileDir) {
        config.VocabularyFileDir = dir;
        config.SaveDirectorySettings(SaveBits::VocabularyFileDir);
    }
}

} // namespace

ExchangeFormat ExchangeFormatOf(std::string_view path, std::string_view bytes) {
    const std::string extension = lowerCase(extractFileExt(path));
    if (extension == ".csv")
        return ExchangeFormat::Csv;
    if (extension == ".kvtml")
        return ExchangeFormat::Kvtml;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::string_view start = TrimBlanks(bytes);
    return start.starts_with('<') ? ExchangeFormat::Kvtml : ExchangeFormat::Csv;
}

ExchangeRead ReadExchangeText(ExchangeFormat format, std::string_view bytes) {
    return format == ExchangeFormat::Csv ? ReadLibraryCsv(bytes) : ReadLibraryKvtml(bytes);
}

std::string WriteExchangeText(ExchangeFormat format, const std::vector<TVokabel>& entries,
                              std::string_view title) {
    return format == ExchangeFormat::Csv ? WriteLibraryCsv(entries)
                                         : WriteLibraryKvtml(entries, title);
}

bool ImportExchangeFile(TBibliothek& library, const std::string& path, bool replace) {
    const std::optional<std::string> bytes = readFile(path);
    if (!bytes) {
        AppMessage(isUnreadableFile(path) || directoryExists(path)
                       ? "Fehler beim Öffnen!"_cp
                       : "Datei konnte nicht gefunden werden!",
                   MessageStyle::Stop);
        return false;
    }
    ExchangeRead read = ReadExchangeText(ExchangeFormatOf(path, *bytes), *bytes);
    if (!read.ok()) {
        AppMessage("\"" + extractFileName(path) + "\" wurde nicht importiert:\r" + read.error,
                   MessageStyle::Stop);
        return false;
    }
    const std::string remarks = remarksOn(read);
    library.Adopt(std::move(read.entries), replace);
    if (!remarks.empty())
        AppMessage(remarks, MessageStyle::Information);
    return true;
}

bool ExportExchangeFile(const TBibliothek& library, const std::string& path,
                        ExchangeFormat format) {
    const std::string title = library.Dateiname().empty()
                                  ? "Unbenannt"
                                  : changeFileExt(extractFileName(library.Dateiname()), "");
    if (!writeFileAtomic(path, WriteExchangeText(format, library.Eintraege(), title))) {
        AppMessage("Fehler beim Exportieren der Bibliothek - \rMedium ist voll oder "
                   "schreibgeschützt!?!"_cp,
                   MessageStyle::Stop);
        return false;
    }
    return true;
}

bool AskAndImportExchangeFile(TBibliothek& library, Configuration& config, bool replace) {
    FileDialogRequest request;
    request.directory = config.VocabularyFileDir;
    request.filter = OpenFilter;
    const std::optional<std::string> path = askOpenFileName(request);
    if (!path)
        return false;
    rememberFolder(config, *path);
    return ImportExchangeFile(library, *path, replace);
}

bool AskAndExportExchangeFile(const TBibliothek& library, Configuration& config,
                              ExchangeFormat format) {
    const FormatFile file = fileOf(format);
    const std::string& current = library.Dateiname();
    FileDialogRequest request;
    request.directory = current.empty() ? config.VocabularyFileDir : extractFileDir(current);
    request.fileName =
        current.empty() ? "" : changeFileExt(extractFileName(current), file.extension);
    request.filter = file.filter;
    std::optional<std::string> path = askSaveFileName(request);
    if (!path)
        return false;
    if (extractFileExt(*path).empty())
        *path += file.extension;
    rememberFolder(config, *path);
    return ExportExchangeFile(library, *path, format);
}

} // namespace qor
