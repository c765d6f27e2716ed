// Checks the sources of the sample installation against the rules the
// program's readers rely on: a shifted line in a library, an unsorted
// dictionary or a style a page forgets to define would only show up later,
// as a damaged-file message or a failed look-up.

#include "dictionary/MeaningCheck.h"
#include "platform/FileSystem.h"
#include "platform/QtCollation.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "qor-pack/DataFile.h"
#include "qor-pack/TextConversion.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <tuple>

namespace qor::pack {
namespace {

using ::testing::Contains;
using ::testing::ElementsAreArray;

const std::string kDataDir = QOR_DATA_DIR "/";

std::string readSource(const std::string& relative) {
    const std::optional<std::string> text = readFile(kDataDir + relative);
    if (!text)
        ADD_FAILURE() << "cannot read " << relative;
    return text.value_or("");
}

// The lines of a UTF-8 source as Windows-1252, as qor-pack writes them.
std::vector<std::string> sourceLines(const std::string& relative) {
    const std::string text = readSource(relative);
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(text))
        lines.push_back(convertSourceLine(line, relative, lines.size() + 1));
    return lines;
}

// Meanings are separated by "; ".
std::vector<std::string> meaningPieces(const std::string& meanings) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = meanings.find("; ", start)) != std::string::npos; start = end + 2)
        pieces.push_back(meanings.substr(start, end - start));
    pieces.push_back(meanings.substr(start));
    return pieces;
}

bool isTrimmed(std::string_view text) {
    return !text.empty() && text.front() != ' ' && text.back() != ' ';
}

struct LibraryEntry {
    std::string file;
    std::string word;
    std::string meanings; // both meaning fields, joined by "; "
    int wordClass = 0;
    bool germanWord = false; // line 9 "-1": the word is German, the meanings Spanish
};

// Every library below "Vokabeln (S)/", in all areas.
std::vector<std::string> librarySources(const std::string& dir = "Vokabeln (S)/") {
    std::vector<std::string> files;
    for (const DirectoryEntry& entry : listDirectory(kDataDir + dir)) {
        if (entry.isDirectory) {
            const std::vector<std::string> inner = librarySources(dir + entry.name + "/");
            files.insert(files.end(), inner.begin(), inner.end());
        } else if (extractFileExt(entry.name) == ".asc") {
            files.push_back(dir + entry.name);
        }
    }
    return files;
}

// Checks one ten-line entry as the library reader will read it.
LibraryEntry checkLibraryEntry(const std::string& file, const std::vector<std::string>& lines,
                               std::size_t first) {
    const auto line = [&](std::size_t n) {
        return lines[first + n - 1];
    };
    const std::string where = file + " entry at line " + std::to_string(first + 1);
    const std::set<std::string> flags = {"0", "-1"};

    EXPECT_TRUE(isTrimmed(line(1))) << where << ": word";
    EXPECT_TRUE(isTrimmed(line(2))) << where << ": first meaning";
    EXPECT_FALSE(line(2).starts_with(".wav")) << where;
    EXPECT_LE(line(2).size(), 30u) << where << ": too long for multiple choice";
    for (const std::size_t n : {2, 3}) {
        EXPECT_THAT(line(n), ::testing::Not(::testing::MatchesRegex(".*(;[^ ]| ;).*")))
            << where << ": meanings are separated by \"; \"";
    }
    for (const std::size_t n : {4, 6}) {
        const std::string& context = line(n);
        const std::string& flag = line(n + 1);
        EXPECT_TRUE(flags.contains(flag)) << where << ": flag line " << n + 1;
        if (context.empty()) {
            EXPECT_EQ(flag, "0") << where << ": a tip without a context sentence";
            continue;
        }
        // One gap in parentheses, as the context exercise and the editor's
        // alignment of contexts expect.
        EXPECT_TRUE(std::regex_match(context, std::regex("[^()\\[\\]]*\\([^()]+\\)[^()\\[\\]]*")))
            << where << ": context " << context;
    }
    EXPECT_TRUE(std::regex_match(line(8), std::regex("[0-5]"))) << where << ": word class";
    EXPECT_TRUE(flags.contains(line(9))) << where << ": direction";
    EXPECT_TRUE(std::regex_match(line(10), std::regex("[0-4]"))) << where << ": difficulty";

    const std::string meanings = line(3).empty() ? line(2) : line(2) + "; " + line(3);
    return {file, line(1), meanings, line(8).empty() ? -1 : line(8)[0] - '0', line(9) == "-1"};
}

std::vector<LibraryEntry> sampleLibraryEntries() {
    std::vector<LibraryEntry> entries;
    for (const std::string& file : librarySources()) {
        const std::vector<std::string> lines = sourceLines(file);
        EXPECT_EQ(lines.size() % 10, 0u) << file << ": every entry has ten lines";
        for (std::size_t first = 0; first + 10 <= lines.size(); first += 10)
            entries.push_back(checkLibraryEntry(file, lines, first));
    }
    return entries;
}

struct DictionaryEntry {
    std::string word;
    std::string wordClass;
    std::string meanings;
};

std::vector<DictionaryEntry> dictionary(const std::string& relative) {
    const std::vector<std::string> strings = parseDataFileSource(readSource(relative), relative, 3);
    std::vector<DictionaryEntry> entries;
    for (std::size_t i = 0; i + 3 <= strings.size(); i += 3)
        entries.push_back({strings[i], strings[i + 1], strings[i + 2]});

    std::set<std::pair<std::string, std::string>> seen;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DictionaryEntry& entry = entries[i];
        EXPECT_TRUE(isTrimmed(entry.word) && isTrimmed(entry.meanings)) << relative << " " << i;
        EXPECT_TRUE(std::regex_match(entry.wordClass, std::regex("[1-6]"))) << entry.word;
        EXPECT_TRUE(seen.insert({entry.word, entry.wordClass}).second) << "twice: " << entry.word;
        if (i > 0) {
            // The order the look-up walks: case and accents weigh less than
            // letters, punctuation and blanks come first.
            EXPECT_LE(compareGerman(entries[i - 1].word, entry.word), 0)
                << relative << ": " << entries[i - 1].word << " before " << entry.word;
        }
    }
    return entries;
}

const DictionaryEntry* find(const std::vector<DictionaryEntry>& entries, const std::string& word,
                            int wordClass) {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const DictionaryEntry& e) {
        return e.word == word && e.wordClass == std::to_string(wordClass);
    });
    return it == entries.end() ? nullptr : &*it;
}

std::vector<std::string> sortedPieces(const std::string& meanings) {
    std::vector<std::string> pieces = meaningPieces(meanings);
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

// German nouns are looked up without their optional article and comment.
std::string germanHeadword(const std::string& german) {
    static const std::regex article("^\\((der|die|das)\\) ");
    static const std::regex comment(" \\[[^\\]]*\\]$");
    return std::regex_replace(std::regex_replace(german, article, ""), comment, "");
}

// German nouns that differ only in their article ("der Erbe", "das Erbe")
// share one headword, which holds the Spanish words of both.
std::set<std::pair<std::string, int>> articleHomonyms(const std::vector<LibraryEntry>& entries) {
    std::map<std::pair<std::string, int>, std::set<std::string>> articles;
    for (const LibraryEntry& entry : entries) {
        const std::vector<std::string> german =
            entry.germanWord ? std::vector{entry.word} : meaningPieces(entry.meanings);
        for (const std::string& word : german) {
            articles[{germanHeadword(word), entry.wordClass}].insert(
                word.substr(0, word.starts_with('(') ? 5 : 0));
        }
    }
    std::set<std::pair<std::string, int>> homonyms;
    for (const auto& [headword, seen] : articles) {
        if (seen.size() > 1)
            homonyms.insert(headword);
    }
    return homonyms;
}

TEST(SampleDataTest, LibrariesFollowTheTenLineFormat) {
    const std::vector<LibraryEntry> entries = sampleLibraryEntries();
    std::set<std::string> areas;
    for (const std::string& file : librarySources())
        areas.insert(extractFileDir(file));
    EXPECT_EQ(areas.size(), 7u);
    EXPECT_GE(entries.size(), 1000u);
}

// One dictionary entry serves every library that has the word, so the word
// means the same in all of them.
TEST(SampleDataTest, AWordHasOneSetOfMeaningsInAllLibraries) {
    const std::vector<LibraryEntry> entries = sampleLibraryEntries();
    std::map<std::tuple<bool, std::string, int>, const LibraryEntry*> first;
    for (const LibraryEntry& entry : entries) {
        const auto [seen, isFirst] =
            first.try_emplace({entry.germanWord, entry.word, entry.wordClass}, &entry);
        EXPECT_TRUE(isFirst || sortedPieces(entry.meanings) == sortedPieces(seen->second->meanings))
            << entry.file << " and " << seen->second->file << ": " << entry.word;
    }
}

// Each direction holds the entries whose word is in its language with exactly
// their meanings (the editor's check compares word, class and the set of
// meanings) and leads back from every meaning of the others to their word.
TEST(SampleDataTest, DictionariesHoldEveryLibraryEntryInBothDirections) {
    const std::vector<LibraryEntry> entries = sampleLibraryEntries();
    const std::set<std::pair<std::string, int>> homonyms = articleHomonyms(entries);
    const struct {
        const char* source;
        bool germanHeadwords;
    } directions[] = {{"dictionary/s_d.txt", false}, {"dictionary/d_s.txt", true}};

    for (const auto& direction : directions) {
        const std::string source = direction.source;
        const bool germanHeadwords = direction.germanHeadwords;
        const std::vector<DictionaryEntry> entriesOfDictionary = dictionary(source);
        const auto lookUp = [&](const std::string& word, int wordClass) {
            const std::string headword = germanHeadwords ? germanHeadword(word) : word;
            const DictionaryEntry* found = find(entriesOfDictionary, headword, wordClass + 1);
            EXPECT_NE(found, nullptr) << source << ": " << headword << ", class " << wordClass + 1;
            return found;
        };
        for (const LibraryEntry& entry : entries) {
            if (entry.germanWord != germanHeadwords) {
                for (const std::string& piece : meaningPieces(entry.meanings)) {
                    if (const DictionaryEntry* found = lookUp(piece, entry.wordClass)) {
                        EXPECT_THAT(meaningPieces(found->meanings), Contains(entry.word))
                            << source << ": " << piece;
                    }
                }
            } else if (const DictionaryEntry* found = lookUp(entry.word, entry.wordClass)) {
                if (homonyms.contains({germanHeadword(entry.word), entry.wordClass})) {
                    EXPECT_THAT(sortedPieces(found->meanings),
                                ::testing::IsSupersetOf(sortedPieces(entry.meanings)));
                } else {
                    EXPECT_EQ(sortedPieces(found->meanings), sortedPieces(entry.meanings))
                        << source << ": " << entry.word;
                }
            }
        }
    }
}

// The dictionary as the build made it, from our entries alone or merged into
// FreeDict's: the look-up walks it in compareGerman's order, every meaning
// passes the dictionary's format check, and every entry of ours is there as
// we wrote it (the libraries rely on them).
TEST(SampleDataTest, BuiltDictionaryIsSortedAndHoldsOurEntries) {
    const std::string_view fromFreeDict = QOR_DICTIONARIES_FROM_FREEDICT;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> built;
    const auto meanings = [&built](const std::string& name, const std::string& word,
                                   const std::string& wordClass) {
        return built[{name, word, wordClass}];
    };
    for (const std::string name : {"s_d", "d_s"}) {
        const std::optional<std::string> packed = readFile(QOR_SAMPLE_DIR "/" + name + ".qor");
        ASSERT_TRUE(packed) << name << ".qor is made by the target sample_installation";
        const InflateResult content = inflateZlib(*packed);
        ASSERT_TRUE(content.ok) << name;
        const std::vector<std::string> strings = splitDataFileContent(content.data, name);
        ASSERT_EQ(strings.size() % 3, 0u) << name;
        for (std::size_t i = 0; i < strings.size(); i += 3) {
            built[{name, strings[i], strings[i + 1]}] = strings[i + 2];
            EXPECT_EQ(checkMeaning(strings[i + 2]), MeaningProblem::None) << strings[i + 2];
            EXPECT_TRUE(i == 0 || compareGerman(strings[i - 3], strings[i]) <= 0) << strings[i];
        }
        for (const DictionaryEntry& ours : dictionary("dictionary/" + name + ".txt"))
            EXPECT_EQ(meanings(name, ours.word, ours.wordClass), ours.meanings) << ours.word;
        if (fromFreeDict.find(name) != std::string_view::npos) {
            EXPECT_GT(strings.size() / 3, 10000u) << name;
        }
    }
    EXPECT_THAT(meaningPieces(meanings("s_d", "casa (f)", "1")), Contains("(das) Haus"));
    EXPECT_THAT(meaningPieces(meanings("d_s", "Haus", "1")), Contains("casa (f)"));
    if (fromFreeDict.find("s_d") != std::string_view::npos) {
        EXPECT_EQ(meanings("s_d", "abadesa (f)", "1"), "(die) \xC4"
                                                       "btissin");
    }
    if (fromFreeDict.find("d_s") != std::string_view::npos) {
        EXPECT_EQ(meanings("d_s", "Wellensittich", "1"), "periquito");
    }
}

TEST(SampleDataTest, SoundDatabaseSourceIsValid) {
    const std::vector<std::string> strings =
        parseDataFileSource(readSource("sound/s_w.txt"), "sound/s_w.txt", 2);
    for (std::size_t i = 1; i < strings.size(); i += 2)
        EXPECT_THAT(strings[i], ::testing::MatchesRegex("X[SURW]:\\\\.+\\.wav")) << strings[i];
}

TEST(SampleDataTest, EditorSchemeHasEveryKeyWithAValidValue) {
    std::map<std::string, std::string> values;
    for (const std::string& line : sourceLines("editor/default.ed")) {
        const std::size_t equals = line.find('=');
        ASSERT_NE(equals, std::string::npos) << line;
        values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    EXPECT_FALSE(values["SCHRIFT"].empty());
    EXPECT_THAT(values["FETT"], ::testing::AnyOf("0", "1"));
    for (const char* key : {"SIZE1", "SIZE2", "SIZE3"})
        EXPECT_TRUE(std::regex_match(values[key], std::regex("[6-9]|1[0-4]"))) << key;
    for (int n = 1; n <= 7; ++n) {
        const std::string key = "FARBE" + std::to_string(n);
        EXPECT_TRUE(std::regex_match(values[key], std::regex("#[0-9A-F]{6}"))) << key;
    }
    EXPECT_EQ(values.size(), 12u);
}

TEST(SampleDataTest, PagesConvertAndUseOnlyDefinedStyles) {
    // The styles a page text defines ("ID=NAME>") and the pages it includes.
    const auto definedIn = [](const std::string& text) {
        std::set<std::string> names;
        const std::regex definition("ID=([A-Z]+)>");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), definition);
             it != std::sregex_iterator(); ++it)
            names.insert((*it)[1]);
        return names;
    };
    const auto pageText = [](const std::string& name) {
        return convertSourceText(readSource("hqor/" + name), name);
    };
    const std::set<std::string> runTimeStyles = definedIn(pageText("stile.htx"));
    const std::vector<std::string> required = {"NORMAL", "KOMMENTAR", "VOK", "BED",
                                               "ZEIT",   "IRR",       "REG"};
    // The run-time styles must be there; the pages may define more of their own.
    EXPECT_THAT(std::vector<std::string>(runTimeStyles.begin(), runTimeStyles.end()),
                ::testing::IsSupersetOf(required));

    for (const DirectoryEntry& entry : listDirectory(kDataDir + "hqor/")) {
        if (entry.isDirectory || extractFileExt(entry.name) != ".htx")
            continue;
        const std::string page = pageText(entry.name);
        // Fragments are included by pages that have the run-time styles.
        std::set<std::string> defined = runTimeStyles;
        std::vector<std::string> texts = {page};
        for (std::size_t i = 0; i < texts.size() && i < 8; ++i) {
            defined.merge(definedIn(texts[i]));
            const std::regex include("<INCLUDE HREF=\"([^\"]+)\">");
            for (auto it = std::sregex_iterator(texts[i].begin(), texts[i].end(), include);
                 it != std::sregex_iterator(); ++it)
                texts.push_back(pageText((*it)[1].str()));
        }
        const std::regex applied("<\\+([A-Za-z]+)>");
        for (auto it = std::sregex_iterator(page.begin(), page.end(), applied);
             it != std::sregex_iterator(); ++it) {
            EXPECT_TRUE(defined.contains(upperCase((*it)[1].str())))
                << entry.name << " applies " << (*it)[0];
        }
    }
    const std::string main = readSource("hqor/main.htx");
    EXPECT_THAT(main, ::testing::HasSubstr("<INCLUDE HREF=\"stile.htx\">"));
    EXPECT_THAT(main, ::testing::HasSubstr("<TITLE>*qor spanisch</TITLE>"));
}

} // namespace
} // namespace qor::pack
