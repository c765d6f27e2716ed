#include "dictionary/DictionaryExchange.h"

#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace qor {
using namespace literals;

namespace {

// The file names of the set, in the order direction 0 "a", "b", direction 1 "a", "b".
std::array<std::string, 4> exchangeFileNames(const std::string& base) {
    return {base + "1a.txt", base + "1b.txt", base + "2a.txt", base + "2b.txt"};
}

// A line break inside a field would shift every later line of the file.
void appendLine(std::string& text, std::string_view field) {
    for (char c : field)
        text.push_back(c == '\r' || c == '\n' ? ' ' : c);
    text.append("\r\n");
}

bool writeExchangeFile(const std::string& path, const std::string& text) {
    if (writeFileAtomic(path, text))
        return true;
    AppMessage("Die Datei "_cp + path + " konnte nicht geschrieben werden.");
    return false;
}

} // namespace

std::string exportBaseName(std::string_view path) {
    // Only the file name counts: a folder with a "." in its name is no extension.
    const std::size_t nameStart = extractFileDir(path).size();
    const std::size_t dot = path.find('.', nameStart);
    return std::string(path.substr(0, dot));
}

std::string importBaseName(std::string_view path) {
    const std::size_t nameStart = extractFileDir(path).size();
    const std::size_t dot = path.find('.', nameStart);
    if (dot == std::string_view::npos || dot - nameStart < 2)
        return std::string(path);
    return std::string(path.substr(0, dot - 2));
}

std::string exchangeFileText(const std::vector<DictionaryEntry>& entries, bool headwords) {
    std::string text;
    for (const DictionaryEntry& entry : entries) {
        if (headwords) {
            text += std::to_string(entry.Wortart);
            text += '\t';
        }
        appendLine(text, headwords ? entry.Vokabel : entry.Bedeutung);
    }
    return text;
}

bool readExchangeFiles(std::string_view aFile, std::string_view bFile,
                       const DictionaryRecordSink& sink) {
    sink.reserve(std::min(static_cast<std::size_t>(std::count(aFile.begin(), aFile.end(), '\n')),
                          MaxDictionaryEntries));
    TextLines headwords(aFile);
    TextLines meanings(bFile);
    for (std::size_t added = 0; !headwords.atEnd() && !meanings.atEnd(); ++added) {
        const std::string_view line = headwords.next();
        const std::string_view meaning = meanings.next();
        if (line.size() < 2 || line[1] != '\t' || added == MaxDictionaryEntries)
            return false;
        sink.add(line.substr(2), line.substr(0, 1), meaning);
    }
    return true;
}

void TXDatabase::ExportDictionary() {
    const std::optional<std::string> chosen = askSaveFileName({"", "", "wb_.txt", ""});
    if (!chosen)
        return;
    const std::array<std::string, 4> files = exchangeFileNames(exportBaseName(*chosen));
    for (int direction : {SpanishGerman, GermanSpanish}) {
        SelectDirection(direction == GermanSpanish);
        for (bool headwords : {true, false})
            if (!writeExchangeFile(files[direction * 2 + (headwords ? 0 : 1)],
                                   exchangeFileText(list(), headwords)))
                return;
    }
    AppMessage("Dateien wurden exportiert.");
}

void TXDatabase::ImportDictionary() {
    const std::optional<std::string> chosen = askOpenFileName({"", "", "", "Textdateien (*.txt)"});
    if (!chosen)
        return;
    const std::array<std::string, 4> files = exchangeFileNames(importBaseName(*chosen));
    if (!std::all_of(files.begin(), files.end(),
                     [](const std::string& file) { return fileExists(file); })) {
        AppMessage("Zu importierende Dateien wurden nicht gefunden!");
        return;
    }
    // All four are read before anything is deleted: an unreadable one changes nothing.
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::optional<std::string> text = readFile(files[i]);
        if (!text) {
            AppMessage("Die Datei "_cp + files[i] + " konnte nicht gelesen werden.");
            return;
        }
        texts[i] = std::move(*text);
    }
    if (AppMessage("Importieren des Wörterbuchs löscht das aktuelle!"_cp, 1) != MessageResult::Ok)
        return;
    for (int direction : {SpanishGerman, GermanSpanish}) {
        SelectDirection(direction == GermanSpanish);
        DeleteAll();
        std::vector<DictionaryEntry>& entries = list();
        const DictionaryRecordSink sink{
            [&entries](std::size_t records) { entries.reserve(records); },
            [this](std::string_view word, std::string_view wordClass, std::string_view meaning) {
                AddEntry(word, wordClass, meaning);
            }};
        if (!readExchangeFiles(texts[direction * 2], texts[direction * 2 + 1], sink))
            AppMessage("Fehler beim Import", direction == SpanishGerman
                                                 ? MessageStyle::Default
                                                 : MessageStyle::Exclamation | 1);
    }
    notify();
    AppMessage("Dateien wurden importiert.");
}

} // namespace qor
