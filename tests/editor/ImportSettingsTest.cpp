#include "editor/model/ImportSettings.h"

#include "platform/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

TEST(ImportSettingsTest, SeparatorTextsStandForOneCharacter) {
    const std::pair<std::string, char> cases[] = {
        {"Tabulator [TAB]", '\t'},
        {"Doppelpunkt [:]", ':'},
        {"Bindestrich [-]", '-'},
        {"Semikolon [;]", ';'},
        {"Komma [,]", ','},
        {"Schrägstrich [/]"_cp, '/'},
        {"|", '|'},
        {"TAB", '\t'},
        {" ; ", ';'},
        {"eckige Klammer []]", ']'},
        {"[ ]", ' '},
        {"[]", '\0'},
        {"Semikolon [;] oder so", '\0'},
        {"ab", '\0'},
        {"", '\0'},
    };
    for (const auto& [text, separator] : cases)
        EXPECT_EQ(ImportSeparator(text), separator) << text;
    for (const auto& choice : SeparatorChoices())
        EXPECT_NE(ImportSeparator(choice), '\0') << choice;
}

TEST(ImportSettingsTest, TheLastImportIsRememberedInTheSettingsStore) {
    test::TempDir dir;
    MemoryRegistry registry;
    const ImportSettings fresh = ReadImportSettings(registry);
    EXPECT_EQ(fresh.Separator, "Tabulator [TAB]");
    EXPECT_EQ(fresh.Structure, "Vokabel, Bedeutung");
    EXPECT_EQ(fresh.Directory, "");
    EXPECT_EQ(ImportStartDirectory(registry, "/vokabeln/"), "/vokabeln/");

    const std::string folder = dir.dir("Texte");
    ASSERT_TRUE(WriteImportSettings(registry, {"|", "Vokabel, Bedeutung, Wortart", folder}));
    EXPECT_EQ(registry.readString("Software\\qor\\Import", "Trennzeichen"), "|");
    EXPECT_EQ(registry.readString("SOFTWARE\\QOR\\IMPORT", "Struktur"),
              "Vokabel, Bedeutung, Wortart");
    EXPECT_EQ(registry.readString("Software\\qor\\Import", "Verzeichnis"), folder);
    const ImportSettings back = ReadImportSettings(registry);
    EXPECT_EQ(back.Separator, "|");
    EXPECT_EQ(back.Structure, "Vokabel, Bedeutung, Wortart");
    EXPECT_EQ(ImportStartDirectory(registry, "/vokabeln/"), folder);

    WriteImportSettings(registry, {"|", "Vokabel, Bedeutung", folder + "weg/"});
    EXPECT_EQ(ImportStartDirectory(registry, "/vokabeln/"), "/vokabeln/");
}

} // namespace
} // namespace qor
