#include "editor/model/ImportSettings.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace qor {

const std::vector<std::string>& SeparatorChoices() {
    static const std::vector<std::string> choices{
        "Tabulator [TAB]", "Doppelpunkt [:]", "Bindestrich [-]",
        "Semikolon [;]",   "Komma [,]",       "Schrägstrich [/]"_cp,
    };
    return choices;
}

const std::vector<std::string>& StructureChoices() {
    static const std::vector<std::string> choices{
        "Vokabel, Bedeutung",
        "Vokabel, Bedeutung, Bedeutung",
        "Vokabel, Bedeutung, Bedeutung, Bedeutung",
        "Vokabel, Bedeutung, Wortart",
        "Vokabel, Bedeutung, Bedeutung, Kontext, Kontext",
        "Vokabel, Bedeutung, Schwierigkeit",
        "Vokabel, Bedeutung, Sonstwas, Kontext",
    };
    return choices;
}

ImportSettings ReadImportSettings(const Registry& registry) {
    ImportSettings settings;
    settings.Separator = registry.readString(ImportKey::Import, ImportKey::Separator)
                             .value_or(SeparatorChoices().front());
    settings.Structure = registry.readString(ImportKey::Import, ImportKey::Structure)
                             .value_or(StructureChoices().front());
    settings.Directory = registry.readString(ImportKey::Import, ImportKey::Directory).value_or("");
    return settings;
}

bool WriteImportSettings(Registry& registry, const ImportSettings& settings) {
    const bool separator =
        registry.writeString(ImportKey::Import, ImportKey::Separator, settings.Separator);
    const bool structure =
        registry.writeString(ImportKey::Import, ImportKey::Structure, settings.Structure);
    const bool directory =
        registry.writeString(ImportKey::Import, ImportKey::Directory, settings.Directory);
    return separator && structure && directory;
}

std::string ImportStartDirectory(const Registry& registry, const std::string& vocabularyFileDir) {
    const std::string remembered = ReadImportSettings(registry).Directory;
    if (!remembered.empty() && directoryExists(remembered))
        return includeTrailingSeparator(remembered);
    return vocabularyFileDir;
}

char ImportSeparator(std::string_view text) {
    const auto open = text.find('[');
    if (open != std::string_view::npos && text.size() > open + 1 && text.back() == ']')
        text = text.substr(open + 1, text.size() - open - 2);
    if (text.size() != 1)
        text = TrimBlanks(text); // " ; " typed with blanks around it
    if (equalsIgnoreCase(text, "TAB"))
        return '\t';
    return text.size() == 1 ? text.front() : '\0';
}

} // namespace qor
