#include "qor-dictd/DictionaryBuild.h"

#include "platform/QtCollation.h"
#include "platform/Text.h"
#include "qor-pack/PackError.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace qor::dictd {

namespace {

struct Row {
    std::string word;
    int wordClass = kNomen;
    std::string meanings;
};

using Key = std::pair<std::string, int>;

std::string joined(const std::vector<std::string>& meanings) {
    std::string text;
    for (const std::string& meaning : meanings)
        text += (text.empty() ? "" : "; ") + meaning;
    return text;
}

std::vector<Row> ourRows(const std::vector<std::string>& ours) {
    std::vector<Row> rows;
    for (std::size_t i = 0; i + 2 < ours.size(); i += 3) {
        const std::string& wordClass = ours[i + 1];
        if (wordClass.size() != 1 || wordClass[0] < '1' || wordClass[0] > '6')
            throw pack::PackError("our entry \"" + cp1252ToUtf8(ours[i]) + "\" has the class \"" +
                                  cp1252ToUtf8(wordClass) + "\", not 1 ... 6");
        rows.push_back({ours[i], wordClass[0] - '0', ours[i + 2]});
    }
    return rows;
}

// The verbs of the headwords' language, for telling phrases with a verb.
std::set<std::string> knownVerbs(const std::vector<Article>& articles,
                                 const std::vector<Row>& ours) {
    std::set<std::string> verbs;
    for (const Article& article : articles) {
        for (const Term& headword : article.headwords) {
            if (wordClassOf(headword.grammar) == kVerb)
                verbs.insert(lowerCase(utf8ToCp1252(headword.text)));
        }
    }
    for (const Row& row : ours) {
        if (row.wordClass == kVerb)
            verbs.insert(lowerCase(row.word));
    }
    return verbs;
}

// FreeDict's entries with one row per headword and class, in file order.
std::vector<Row> convertedRows(const std::vector<Article>& articles, Headwords headwords,
                               const std::vector<Row>& ours, BuildCounts& counts) {
    const EntryConversion conversion(
        headwords, WordClassGuess(headwords == Headwords::Spanish, knownVerbs(articles, ours)));
    std::vector<Entry> entries;
    for (const Article& article : articles)
        conversion.convert(article, entries, counts.conversion);

    std::map<Key, std::size_t> position;
    std::vector<Entry> unique;
    for (Entry& entry : entries) {
        const auto [it, added] = position.try_emplace({entry.word, entry.wordClass}, unique.size());
        if (added) {
            unique.push_back(std::move(entry));
            continue;
        }
        ++counts.joined;
        std::vector<std::string>& meanings = unique[it->second].meanings;
        for (std::string& meaning : entry.meanings) {
            if (std::ranges::find(meanings, meaning) == meanings.end())
                meanings.push_back(std::move(meaning));
        }
    }
    std::vector<Row> rows;
    rows.reserve(unique.size());
    for (Entry& entry : unique)
        rows.push_back({std::move(entry.word), entry.wordClass, joined(entry.meanings)});
    return rows;
}

} // namespace

std::vector<std::string> buildDictionary(const std::vector<std::string>& articleTexts,
                                         Headwords headwords, const std::vector<std::string>& ours,
                                         BuildCounts& counts) {
    std::vector<Article> articles;
    articles.reserve(articleTexts.size());
    for (const std::string& text : articleTexts)
        articles.push_back(parseArticle(text));
    const std::vector<Row> ourEntries = ourRows(ours);
    std::vector<Row> rows = convertedRows(articles, headwords, ourEntries, counts);

    std::set<Key> ourKeys;
    for (const Row& row : ourEntries)
        ourKeys.insert({row.word, row.wordClass});
    const std::size_t before = rows.size();
    std::erase_if(rows, [&ourKeys](const Row& row) {
        return ourKeys.contains({row.word, row.wordClass});
    });
    counts.replacedByOurs = before - rows.size();
    counts.ours = ourEntries.size();
    rows.insert(rows.end(), ourEntries.begin(), ourEntries.end());

    std::ranges::sort(rows, [](const Row& a, const Row& b) {
        if (const int order = compareGerman(a.word, b.word); order != 0)
            return order < 0;
        return std::tie(a.word, a.wordClass) < std::tie(b.word, b.wordClass);
    });
    std::vector<std::string> strings;
    strings.reserve(rows.size() * 3);
    for (Row& row : rows) {
        strings.push_back(std::move(row.word));
        strings.push_back(std::to_string(row.wordClass));
        strings.push_back(std::move(row.meanings));
    }
    counts.written = rows.size();
    return strings;
}

} // namespace qor::dictd
