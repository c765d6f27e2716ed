#include "page/ExpectedPages.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <algorithm>

namespace qor {

using namespace qor::literals;

const char* const SuperDDFolder = "SuperDD/";

const std::vector<std::string>& expectedPageFiles() {
    static const std::vector<std::string> pages = {
        // main window and its menus
        "main.htx",
        "vokabeln.htx",
        "v_bereich.htx",
        "v_schwer.htx",
        // training rounds and their evaluation
        "va_mch.htx",
        "va_ein.htx",
        "va_kontext.htx",
        "va_richtig.htx",
        "va_falsch1.htx",
        "va_falsch2.htx",
        "v_auswertung.htx",
        "voc_opt1.htx",
        // verb trainer
        "verben.htx",
        "verbtafel.htx",
        "verbliste.htx",
        "verb_mch.htx",
        "verb_ein.htx",
        "verb_richtig.htx",
        // language lab
        "labor.htx",
        "laborliste.htx",
        "laborergebnis.htx",
        // bingo
        "vegas/intro.htx",
        "vegas/start.htx",
        "vegas/again.htx",
        // dictionary search, first-login wizard, the editor's import
        "wörterbuch.htx"_cp,
        "_wizard1.htx",
        "_wizard2.htx",
        "_import.htx",
    };
    return pages;
}

const std::vector<std::string>& runtimeStyles() {
    static const std::vector<std::string> styles = {"NORMAL", "KOMMENTAR", "VOK", "BED",
                                                    "ZEIT",   "IRR",       "REG"};
    return styles;
}

std::vector<std::string> missingPages(std::string_view pageDir) {
    const std::string dir = includeTrailingSeparator(pageDir);
    std::vector<std::string> missing;
    for (const std::string& page : expectedPageFiles()) {
        if (!fileExists(dir + page))
            missing.push_back(page);
    }
    const std::vector<DirectoryEntry> backgrounds = listDirectory(dir + SuperDDFolder);
    const bool hasBackground =
        std::any_of(backgrounds.begin(), backgrounds.end(), [](const DirectoryEntry& entry) {
            return !entry.isDirectory && extractFileExt(entry.name) == ".htx";
        });
    if (!hasBackground)
        missing.push_back(std::string(SuperDDFolder) + "*.htx");
    return missing;
}

bool isPageFileName(std::string_view name) {
    static const std::vector<std::string> extensions = {".htx", ".hqor", ".rqol", ".rqo",
                                                        ".qor", ".html"};
    const std::string ext = extractFileExt(name);
    return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

} // namespace qor
