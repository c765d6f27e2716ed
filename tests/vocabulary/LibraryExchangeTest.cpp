// Exchanging libraries with other trainers: every library of the sample
// course, and one of awkward entries, survives CSV and KVTML export and
// import; a file as Parley writes it is read; broken files are told and
// leave the library as it was.

#include "vocabulary/LibraryExchange.h"

#include "core/SharedRoutines.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"
#include "vocabulary/Bibliothek.h"

#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {
using namespace literals;

const std::string SampleRoot = QOR_SAMPLE_ROOT "/";

std::vector<TVokabel> complete(const TBibliothek& library) {
    std::vector<TVokabel> entries = library.Eintraege();
    std::erase_if(entries, [](const TVokabel& entry) { return entry.IsEmpty(); });
    return entries;
}

// Entries that test the quoting and escaping of both formats.
std::vector<TVokabel> awkwardEntries() {
    TVokabel quotes;
    quotes.Vokabel = "\"sí\", dijo"_cp;
    quotes.Bedeutung = {"\"ja\", sagte er; so", "a,b;c"};
    quotes.Kontext = {"", "  Él dijo: \"(sí)\" <y> & más.  "_cp};
    quotes.KtxDazu = {false, true};
    quotes.Wortart = WordClass::RedewendungOhneVerb;
    quotes.Schwierigkeit = 4;
    TVokabel german;
    german.Vokabel = "Straße; Gasse"_cp;
    german.Bedeutung = {"calle (f)", "callejón (m)"_cp};
    german.Kontext = {"Die (Straße) ist lang – 5 €."_cp, ""};
    german.KtxDazu = {true, false};
    german.Wortart = 7; // a class without a name
    german.Deutsch = true;
    german.Schwierigkeit = 2;
    TVokabel idiom;
    idiom.Vokabel = "¿qué tal?"_cp;
    idiom.Bedeutung = {"wie geht's?", ""};
    idiom.Kontext = {"Hola, (¿qué tal?)"_cp, "„Gut“, danke."_cp};
    idiom.Wortart = WordClass::RedewendungMitVerb;
    return {quotes, german, idiom};
}

TEST(LibraryExchangeTest, TheSampleCourseAndAwkwardEntriesSurviveBothFormats) {
    ScriptedMessages messages;
    MemoryRegistry registry;
    test::TempDir temp;
    std::vector<std::string> files;
    CountFilesWithExtension(SampleRoot + "Vokabeln (S)/", ".asc", {}, &files);
    const std::string awkward = temp.path() + "awkward.asc";
    {
        TBibliothek library(std::make_unique<TLastFiles>(registry));
        library.Adopt(awkwardEntries(), true);
        ASSERT_TRUE(library.Save(awkward));
    }
    files.push_back(awkward);
    ASSERT_GE(files.size(), 20u);

    std::set<int> classes;
    std::set<bool> directions;
    for (const std::string& file : files) {
        TBibliothek original(std::make_unique<TLastFiles>(registry));
        ASSERT_TRUE(original.Load(file, true)) << file;
        for (const TVokabel& entry : complete(original)) {
            classes.insert(entry.Wortart);
            directions.insert(entry.Deutsch);
        }
        for (const ExchangeFormat format : {ExchangeFormat::Csv, ExchangeFormat::Kvtml}) {
            const std::string exported =
                temp.path() + (format == ExchangeFormat::Csv ? "export.csv" : "export.kvtml");
            SCOPED_TRACE(exported + " of " + file);
            ASSERT_TRUE(ExportExchangeFile(original, exported, format));
            TBibliothek imported(std::make_unique<TLastFiles>(registry));
            imported.Load(file, true);
            ASSERT_TRUE(ImportExchangeFile(imported, exported, true));
            EXPECT_EQ(complete(imported), complete(original));
            EXPECT_TRUE(imported.Geaendert());
            EXPECT_EQ(imported.Dateiname(), "");
        }
    }
    EXPECT_TRUE(messages.shown().empty()) << messages.texts().front();
    // Every named class, one without a name, and both directions went through.
    EXPECT_EQ(classes, (std::set<int>{0, 1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(directions.size(), 2u);
}

// As Parley 1.x saves a German-Spanish collection: the languages in the
// other order with regional locales, grades, comments, a lesson of its
// own, nested noun containers and a type the program does not know.
const char* const ParleyFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
  <information>
    <generator>Parley 1.1.0</generator>
    <title>Reise</title>
    <date>2024-05-01</date>
  </information>
  <identifiers>
    <identifier id="0">
      <name>Deutsch</name>
      <locale>de_DE</locale>
      <article><singular><definite><male>der</male></definite></singular></article>
    </identifier>
    <identifier id="1">
      <name>Spanisch</name>
      <locale>es_ES</locale>
    </identifier>
  </identifiers>
  <entries>
    <entry id="0">
      <translation id="0">
        <text>der Bahnhof</text>
        <comment>auch: Station</comment>
        <grade><currentgrade>2</currentgrade><count>3</count><errorcount>1</errorcount><date>2024-05-02T10:00:00</date></grade>
      </translation>
      <translation id="1">
        <text>la estación</text>
        <example>La estación está cerca.</example>
      </translation>
    </entry>
    <entry id="1">
      <deactivated>true</deactivated>
      <translation id="0"><text>reisen</text></translation>
      <translation id="1"><text>viajar</text><paraphrase>ir de viaje</paraphrase></translation>
    </entry>
    <entry id="2">
      <translation id="0"><text>schnell</text></translation>
      <translation id="1"><text>rápido</text></translation>
    </entry>
    <entry id="3">
      <translation id="0"><text>und</text></translation>
      <translation id="1"><text>y</text></translation>
    </entry>
    <entry id="4">
      <translation id="0"><text>Złoty</text></translation>
      <translation id="1"><text>esloti</text></translation>
    </entry>
    <entry id="5">
      <translation id="0"><text>nur deutsch</text></translation>
    </entry>
  </entries>
  <lessons>
    <container>
      <name>Lektion 1</name>
      <inpractice>true</inpractice>
      <entry id="0"/><entry id="1"/><entry id="2"/><entry id="3"/><entry id="4"/><entry id="5"/>
    </container>
  </lessons>
  <wordtypes>
    <container>
      <name>Substantiv</name>
      <specialwordtype>noun</specialwordtype>
      <container>
        <name>Maskulin</name>
        <specialwordtype>noun/male</specialwordtype>
        <entry id="0"><translation id="0"/><translation id="1"/></entry>
      </container>
    </container>
    <container>
      <name>Verb</name>
      <specialwordtype>verb</specialwordtype>
      <entry id="1"><translation id="1"/></entry>
    </container>
    <container>
      <name>Adjektiv</name>
      <specialwordtype>adjective</specialwordtype>
      <entry id="2"><translation id="0"/><translation id="1"/></entry>
    </container>
    <container>
      <name>Konjunktion</name>
      <entry id="3"><translation id="0"/><translation id="1"/></entry>
    </container>
  </wordtypes>
</kvtml>
)";

TEST(LibraryExchangeTest, ReadsAFileAsParleyWritesIt) {
    ScriptedMessages messages;
    MemoryRegistry registry;
    test::TempDir temp;
    TBibliothek library(std::make_unique<TLastFiles>(registry));
    ASSERT_TRUE(ImportExchangeFile(library, temp.file("Reise.kvtml", ParleyFile), true));

    const auto entry = [](const char* word, const char* meaning, int wordClass) {
        TVokabel e;
        e.Vokabel = utf8ToCp1252(word);
        e.Bedeutung[0] = utf8ToCp1252(meaning);
        e.Wortart = static_cast<std::uint8_t>(wordClass);
        return e;
    };
    std::vector<TVokabel> expected = {
        entry("la estación", "der Bahnhof", WordClass::Nomen),
        entry("viajar", "reisen", WordClass::Verb),
        entry("rápido", "schnell", WordClass::Adjektiv),
        entry("y", "und", WordClass::KleinesWort),
        entry("esloti", "Z?oty", WordClass::Nomen),
    };
    expected[0].Kontext[0] = "La estación está cerca."_cp;
    EXPECT_EQ(complete(library), expected);
    // The entry without Spanish is left out, the Polish letter replaced; both are told.
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Information);
    EXPECT_NE(messages.shown()[0].text.find("1 Eintrag ohne Wort oder Bedeutung"_cp),
              std::string::npos);
    EXPECT_NE(messages.shown()[0].text.find("1 Zeichen"), std::string::npos);
}

TEST(LibraryExchangeTest, ABrokenFileIsToldAndChangesNothing) {
    struct Case {
        const char* name;
        std::string content; // nothing written for an empty name
        const char* message;
    };
    const std::string header = "Wort,Bedeutung 1,Wortart\r\n";
    const std::string kvtmlStart = R"(<?xml version="1.0"?><kvtml version="2.0">)";
    const std::string languages =
        R"(<identifiers><identifier id="0"><locale>es</locale></identifier>)"
        R"(<identifier id="1"><locale>de</locale></identifier></identifiers>)";
    const Case cases[] = {
        {"missing.csv", "", "Datei konnte nicht gefunden werden!"},
        {"empty.csv", "", "Die Datei ist leer."},
        {"bom.csv", "\xEF\xBB\xBF\r\n", "Die Datei ist leer."},
        {"columns.csv", "Wort,Kontext 1\r\ncasa,x\r\n", "fehlt die Spalte \"Bedeutung 1\""},
        {"nocolumns.csv", "a;b\r\n", "\"Wort\" und \"Bedeutung 1\""},
        {"quote.csv", header + "casa,Haus,Nomen\r\n\"perro,Hund,Nomen\r\n",
         "Das Anführungszeichen in Zeile 3 wird nicht geschlossen."},
        {"afterquote.csv", header + "\"casa\"s,Haus,Nomen\r\n",
         "In Zeile 2 folgt auf ein schließendes Anführungszeichen kein Trennzeichen."},
        {"latin1.csv", header + "casa,Haus,Nomen\r\nni\xf1o,Kind,Nomen\r\n",
         "nicht in UTF-8 geschrieben (Zeile 3)"},
        {"fields.csv", header + "casa,Haus,Nomen,zuviel\r\n",
         "Zeile 2 hat mehr Felder als die Kopfzeile."},
        {"class.csv", header + "casa,Haus,Nomen\r\nir,gehen,Verbo\r\n",
         "Zeile 3: unbekannte Wortart \"Verbo\"."},
        {"headeronly.csv", header, "Die Datei enthält keine Vokabeln."},
        {"emptyxml.kvtml", "  \n", "Die Datei ist leer."},
        {"badxml.kvtml", kvtmlStart + "<entries><entry id=\"0\"></entries></kvtml>",
         "Die Datei ist kein gültiges XML (Zeile 1"},
        {"truncated.kvtml", kvtmlStart + languages + "<entries>", "kein gültiges XML"},
        {"root.kvtml", "<html><body/></html>", "ihr äußeres Element ist <html> statt <kvtml>"},
        {"version.kvtml", "<kvtml version=\"1.0\"/>", "KVTML-Version \"1.0\""},
        {"languages.kvtml",
         kvtmlStart + R"(<identifiers><identifier id="0"><locale>en</locale></identifier>)" +
             R"(<identifier id="1"><locale>de</locale></identifier></identifiers>)" +
             R"(<entries><entry id="0"><translation id="0"><text>house</text></translation>)" +
             R"(<translation id="1"><text>Haus</text></translation></entry></entries></kvtml>)",
         "nicht die Sprachen Spanisch (\"es\") und Deutsch (\"de\")"},
        {"noid.kvtml", kvtmlStart + languages + "<entries><entry/></entries></kvtml>",
         "keine Nummer (id)"},
        {"noentries.kvtml", kvtmlStart + languages + "<entries/></kvtml>",
         "Die Datei enthält keine Vokabeln."},
    };
    MemoryRegistry registry;
    test::TempDir temp;
    const std::string own = SampleRoot + "Vokabeln (S)/Grundwortschatz/Familie.asc";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBibliothek library(std::make_unique<TLastFiles>(registry));
        ASSERT_TRUE(library.Load(own, true));
        library.setVokabel(0, "familia");
        const std::vector<TVokabel> before = library.Eintraege();
        const std::string path = std::string(c.name) == "missing.csv"
                                     ? temp.path() + c.name
                                     : temp.file(c.name, c.content);
        ScriptedMessages messages;
        for (const bool replace : {true, false})
            EXPECT_FALSE(ImportExchangeFile(library, path, replace));
        EXPECT_EQ(library.Eintraege(), before);
        EXPECT_EQ(library.Dateiname(), own);
        EXPECT_TRUE(library.Geaendert());
        ASSERT_EQ(messages.shown().size(), 2u);
        EXPECT_EQ(messages.shown()[0].style, MessageStyle::Stop);
        EXPECT_NE(messages.shown()[0].text.find(utf8ToCp1252(c.message)), std::string::npos)
            << messages.shown()[0].text;
    }
}

} // namespace
} // namespace qor
