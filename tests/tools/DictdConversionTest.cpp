// qor-dictd: FreeDict articles in dictd form become entries of the program's
// dictionary, merged with ours and sorted for the look-up.

#include "platform/FileSystem.h"
#include "platform/QtCollation.h"
#include "platform/Text.h"
#include "qor-dictd/DictdCommand.h"
#include "qor-dictd/DictionaryBuild.h"
#include "qor-pack/DataFile.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <zlib.h>

namespace qor::dictd {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using Strings = std::vector<std::string>;

// Headword, class and meanings as UTF-8, compared as the Windows-1252 the
// tool writes.
Strings entry(std::string_view word, std::string_view wordClass, std::string_view meanings) {
    return {utf8ToCp1252(word), std::string(wordClass), utf8ToCp1252(meanings)};
}

struct ConversionCase {
    const char* what;
    Headwords headwords;
    Strings articles;
    std::vector<Strings> expected; // in dictionary order
};

Strings joined(const std::vector<Strings>& entries) {
    Strings strings;
    for (const Strings& e : entries)
        strings.insert(strings.end(), e.begin(), e.end());
    return strings;
}

// Two senses, each followed by lines that explain it, numbered after its word.
constexpr const char* kArbeit = "Arbeit /ˈaʁbaɪ̯t/ <n, fem>\n"
                                "1. trabajo 2.\nselbstgewählte Handlung\n 3.\nTätigkeit\n"
                                "2. labor, empleo\nWirtschaft: Tätigkeit gegen Geld\n";

const ConversionCase kCases[] = {
    {"a Spanish noun gets its gender tag, a German one its article",
     Headwords::Spanish,
     {"abadesa /ˌaβaðˈesa/ <n, f>\nÄbtissin <n, f>\n",
      "logopeda /x/ <n, m, f>\n1.  Logopäde <n, m>\n2.  Logopädin <n, f>\n",
      "gafas /x/ <n, f, pl>\nBrille <n, f>\n"},
     {entry("abadesa (f)", "1", "(die) Äbtissin"), entry("gafas (fpl)", "1", "(die) Brille"),
      entry("logopeda (m/f)", "1", "(der) Logopäde; (die) Logopädin")}},
    {"forms named before their pronunciations, labels of headword and sense as one comment",
     Headwords::Spanish,
     {" [coloq.] abatido, abatida /a/ /b/ <adj>\n1. niedergeschlagen\n2. entmutigt [fig.]\n",
      "tagaus, tagein /t/\nun día tras otro\n"},
     {entry("abatida", "3", "niedergeschlagen [coloq.]; entmutigt [coloq., fig.]"),
      entry("abatido", "3", "niedergeschlagen [coloq.]; entmutigt [coloq., fig.]"),
      entry("tagaus, tagein", "6", "un día tras otro")}},
    {"commas: alternatives split, notes in parentheses become comments",
     Headwords::Spanish,
     {"choque /x/ <n, m>\nZusammenstoß <n, m>, (Schiffe)\n",
      "abdominal /x/ <adj>\nabdominal, Bauch-\n",
      "barato /x/ <adj>\nbillig (Verkäufer, Laden) [coloq.]\n"},
     {entry("abdominal", "3", "abdominal; Bauch-"),
      entry("barato", "3", "billig [Verkäufer, Laden, coloq.]"),
      entry("choque (m)", "1", "(der) Zusammenstoß [Schiffe]")}},
    {"word classes named and guessed",
     Headwords::Spanish,
     {"hablar /x/ <v>\nsprechen\n", "quizá /x/\nvielleicht\n", "enumerar /x/\naufzählen\n",
      "bermejo /x/, bermeja /y/\nrötlich\n", "hablar claro /x/\ndeutlich reden\n",
      "en coche /x/\nmit dem Auto\n", "Nepal /x/\nNepal\n", "y /i/ <conj>\n\tund\x01\n"},
     {entry("bermeja", "3", "rötlich"), entry("bermejo", "3", "rötlich"),
      entry("en coche", "6", "mit dem Auto"), entry("enumerar", "2", "aufzählen"),
      entry("hablar", "2", "sprechen"), entry("hablar claro", "5", "deutlich reden"),
      entry("Nepal", "1", "Nepal"), entry("quizá", "4", "vielleicht"), entry("y", "4", "und")}},
    {"German headwords: numbered senses with explaining lines, their subject as a comment",
     Headwords::German,
     {kArbeit, "die Hosen herunterlassen /x/\nhablar a calzón quitado\n", "lassen /x/ <v>\ndejar\n",
      "bar /x/ <suffix>\nable\n", "Białystok /x/ <n>\nBiałystok\n",
      "Asparaginsäure /x/ <n, fem>\nácido aspártico, C₄H₇NO₄\n"},
     {entry("Arbeit", "1", "trabajo; labor [Wirtschaft]; empleo [Wirtschaft]"),
      entry("Asparaginsäure", "1", "ácido aspártico; CHNO"),
      entry("die Hosen herunterlassen", "5", "hablar a calzón quitado"),
      entry("lassen", "2", "dejar")}},
    {"one entry per headword and class, meanings joined without repeats",
     Headwords::Spanish,
     {"banco /x/ <n, m>\nBank <n, f>\n", "banco /x/ <n, m>\n1. Bank <n, f>\n2. Schwarm <n, m>\n",
      "banco /x/ <adj>\nbankig\n"},
     {entry("banco", "3", "bankig"), entry("banco (m)", "1", "(die) Bank; (der) Schwarm")}},
};

TEST(DictdConversionTest, ArticlesBecomeEntriesOfTheProgram) {
    for (const ConversionCase& c : kCases) {
        BuildCounts counts;
        EXPECT_THAT(buildDictionary(c.articles, c.headwords, {}, counts),
                    ElementsAreArray(joined(c.expected)))
            << c.what;
    }
}

// Ours win where both have the headword in the same class; the result is in
// the order the look-up walks, and what was left out is counted.
TEST(DictdConversionTest, OursAreMergedAndEverythingIsSortedAndCounted) {
    const Strings articles = {"casa /x/ <n, f>\n1. Haus <n, n>\n2. Heim <n, n>\n",
                              "beber /x/ <v>\ntrinken\n",
                              "¡Buen provecho! /x/\nGuten Appetit!\n",
                              "árbol /x/ <n, m>\nBaum <n, m>\n",
                              "-ito /x/\n-chen\n",
                              "Zaragoza /x/ <n>\nSaragossa\n",
                              "cerca /x/ <adv>\n ₂\n"};
    const Strings ours = {utf8ToCp1252("casa (f)"),
                          "1",
                          utf8ToCp1252("(das) Haus; (das) Zuhause"),
                          "agua (f)",
                          "1",
                          "(das) Wasser"};
    BuildCounts counts;
    const Strings built = buildDictionary(articles, Headwords::Spanish, ours, counts);

    EXPECT_THAT(built, ElementsAreArray(
                           Strings{utf8ToCp1252("¡Buen provecho!"), "6", "Guten Appetit!",
                                   "agua (f)", "1", "(das) Wasser", utf8ToCp1252("árbol (m)"), "1",
                                   "(der) Baum", "beber", "2", "trinken", "casa (f)", "1",
                                   "(das) Haus; (das) Zuhause", "Zaragoza", "1", "Saragossa"}));
    for (std::size_t i = 3; i < built.size(); i += 3)
        EXPECT_LT(compareGerman(built[i - 3], built[i]), 0) << built[i];
    EXPECT_EQ(counts.conversion.articles, 7u);
    EXPECT_EQ(counts.conversion.affixes, 1u);
    EXPECT_EQ(counts.conversion.meaningsEmpty, 1u);
    EXPECT_EQ(counts.conversion.headwordsWithoutMeaning, 1u);
    EXPECT_EQ(counts.ours, 2u);
    EXPECT_EQ(counts.replacedByOurs, 1u);
    EXPECT_EQ(counts.written, 6u);
}

// A dictd number: base-64 digits, most significant first.
std::string dictdNumber(std::size_t value) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % 64]);
        value /= 64;
    } while (value > 0);
    return digits;
}

// The tool on files: a dictd index and its dictzip data, as Debian installs them.
class DictdCommandTest : public ::testing::Test {
protected:
    DictdCommandTest() {
        const std::string info = "00-database-info\nEin Test\n";
        const std::string article = "gato /ɡˈato/ <n, m>\nKatze <n, f>\n";
        writeGzip("test.dict.dz", info + article);
        dir_.file("test.index", "00databaseinfo\tA\t" + dictdNumber(info.size()) + "\ngato\t" +
                                    dictdNumber(info.size()) + "\t" + dictdNumber(article.size()) +
                                    "\n");
        dir_.file("ours.txt", "# Spanisch-Deutsch\n\nperro (m)\n1\n(der) Hund\n");
    }
    int run(const std::string& index, const std::string& dict) {
        return runDictdTool({"spa-deu", native(index), native(dict), native("out/s_d.txt"),
                             "--ours", native("ours.txt")},
                            out_, err_);
    }
    std::string native(std::string_view name) const {
        return toNativePath(dir_.path() + std::string(name));
    }
    void writeGzip(std::string_view name, std::string_view data) const {
        gzFile file = gzopen(native(name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        gzwrite(file, data.data(), static_cast<unsigned>(data.size()));
        gzclose(file);
    }

    test::TempDir dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(DictdCommandTest, WritesTheSourceOfTheDataFileAndItsCounts) {
    ASSERT_EQ(run("test.index", "test.dict.dz"), kExitOk) << err_.str();
    const std::optional<std::string> source = readFile(dir_.path() + "out/s_d.txt");
    ASSERT_TRUE(source);
    EXPECT_THAT(
        pack::parseDataFileSource(*source, "s_d.txt", 3),
        ElementsAreArray(Strings{"gato (m)", "1", "(die) Katze", "perro (m)", "1", "(der) Hund"}));
    EXPECT_THAT(out_.str(), HasSubstr("1 articles, 1 headwords"));
    EXPECT_THAT(out_.str(), HasSubstr("1 entries of our own"));
    EXPECT_THAT(out_.str(), HasSubstr("s_d.txt: 2 entries"));
}

TEST_F(DictdCommandTest, DamagedInputFailsWithItsNameAndWritesNothing) {
    dir_.file("beyond.index", "gato\tA\tBAA\n"); // 4096 bytes from the start: past the end
    writeGzip("full.dict.dz", std::string(5000, 'x'));
    const std::string packed = *readFile(dir_.path() + "full.dict.dz");
    dir_.file("cut.dict.dz", packed.substr(0, packed.size() / 2));

    EXPECT_EQ(run("beyond.index", "test.dict.dz"), kExitFailed);
    EXPECT_THAT(err_.str(), HasSubstr("beyond.index:1: points beyond the end"));
    EXPECT_EQ(run("test.index", "cut.dict.dz"), kExitFailed);
    EXPECT_THAT(err_.str(), HasSubstr("cut.dict.dz: damaged or cut-off gzip data"));
    EXPECT_EQ(run("missing.index", "test.dict.dz"), kExitFailed);
    EXPECT_FALSE(fileExists(dir_.path() + "out/s_d.txt"));
    EXPECT_EQ(runDictdTool({"spa-ita", "a", "b", "c"}, out_, err_), kExitUsage);
}

} // namespace
} // namespace qor::dictd
