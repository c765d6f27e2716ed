#pragma once
// What the import of a delimited text file remembers between runs, under
// "Software\qor\Import" in the settings store: the separator and structure
// texts as the user gave them and the folder of the last imported file; and
// the choices the import dialog offers.

#include "platform/Registry.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

namespace ImportKey {
inline constexpr const char* Import = "Software\\qor\\Import";
inline constexpr const char* Separator = "Trennzeichen";
inline constexpr const char* Structure = "Struktur";
inline constexpr const char* Directory = "Verzeichnis";
} // namespace ImportKey

struct ImportSettings {
    std::string Separator; // as entered, e.g. "Semikolon [;]" or "|"
    std::string Structure; // e.g. "Vokabel, Bedeutung"
    std::string Directory; // the last import folder, ending in '/'; may be empty
};

// The separators and structures offered (program text), first ones first.
const std::vector<std::string>& SeparatorChoices();
const std::vector<std::string>& StructureChoices();

// The stored texts; missing ones are the first choices and no folder.
ImportSettings ReadImportSettings(const Registry& registry);
// Stores all three values; false when the store could not be written.
bool WriteImportSettings(Registry& registry, const ImportSettings& settings);
// The folder the import's file dialog opens in: the remembered one when it
// exists, else the vocabulary file directory.
std::string ImportStartDirectory(const Registry& registry, const std::string& vocabularyFileDir);

// The separator character a separator text stands for: for a text with "["
// that ends in "]", the text between the first "[" and the final "]"; "TAB"
// stands for the tab character. '\0' when that is not exactly one character.
char ImportSeparator(std::string_view text);

} // namespace qor
