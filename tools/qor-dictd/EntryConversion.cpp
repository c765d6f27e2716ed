#include "qor-dictd/EntryConversion.h"

#include "dictionary/MeaningCheck.h"
#include "platform/Text.h"

#include <algorithm>

namespace qor::dictd {

namespace {

bool has(const Grammar& grammar, std::string_view gender) {
    return std::ranges::find(grammar.genders, gender) != grammar.genders.end();
}

// "(der) ", "(die) ", "(der/die) " ...: the optional article of a German noun.
std::string germanArticle(const Grammar& grammar) {
    std::string articles;
    const auto add = [&articles](std::string_view article) {
        articles += (articles.empty() ? "" : "/") + std::string(article);
    };
    if (has(grammar, "pl")) {
        add("die");
    } else {
        if (has(grammar, "m"))
            add("der");
        if (has(grammar, "f"))
            add("die");
        if (has(grammar, "n"))
            add("das");
    }
    return articles.empty() ? "" : "(" + articles + ") ";
}

// " (m)", " (f)", " (m/f)", " (mpl)", " (fpl)": the gender tag of a Spanish
// noun, from which the typed-answer check knows its article.
std::string spanishGenderTag(const Grammar& grammar) {
    const bool masculine = has(grammar, "m");
    const bool feminine = has(grammar, "f");
    if (masculine && feminine)
        return " (m/f)";
    if (!masculine && !feminine)
        return {};
    return std::string(" (") + (masculine ? "m" : "f") + (has(grammar, "pl") ? "pl" : "") + ")";
}

// One comment for all labels; ";" and brackets inside it would end it early.
std::string comment(const std::vector<std::string>& labels) {
    std::vector<std::string> unique;
    for (const std::string& label : labels) {
        if (std::ranges::find(unique, label) == unique.end())
            unique.push_back(label);
    }
    std::string text;
    for (const std::string& label : unique) {
        text += text.empty() ? " [" : ", ";
        for (const char c : label) {
            if (c != '[' && c != ']')
                text += c == ';' ? ',' : c;
        }
    }
    return text.empty() ? text : text + "]";
}

// Windows-1252 text of utf8 without the characters the code page has not
// (pronunciation symbols, subscripts, direction marks); dropped tells
// whether there were any.
std::string toWindows1252Dropping(std::string_view utf8, bool& dropped) {
    std::string text;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t end = pos + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            ++end;
        if (const std::optional<std::string> character =
                utf8ToCp1252Exact(utf8.substr(pos, end - pos)))
            text += *character;
        else
            dropped = true;
        pos = end;
    }
    return text;
}

std::string withoutDoubleBlanks(std::string_view text) {
    std::string tidy;
    for (const char c : TrimBlanks(text)) {
        if (c != ' ' || tidy.empty() || tidy.back() != ' ')
            tidy += c;
    }
    return tidy;
}

} // namespace

void EntryConversion::convert(const Article& article, std::vector<Entry>& entries,
                              ConversionCounts& counts) const {
    ++counts.articles;
    std::vector<std::string> forms;
    for (const Term& headword : article.headwords)
        forms.push_back(utf8ToCp1252(headword.text));
    for (std::size_t i = 0; i < article.headwords.size(); ++i) {
        const Term& headword = article.headwords[i];
        ++counts.headwords;
        if (isAffix(headword)) {
            ++counts.affixes;
            continue;
        }
        const std::optional<std::string> word = utf8ToCp1252Exact(headword.text);
        if (!word) {
            ++counts.headwordsNotWindows1252;
            continue;
        }
        const std::optional<int> named = wordClassOf(headword.grammar);
        const int wordClass = named ? *named : guess_(*word, forms);
        const std::vector<Sense> senses =
            article.sensesPerHeadword ? std::vector{article.senses[i]} : article.senses;
        std::vector<std::string> meanings = meaningsOf(headword, senses, counts);
        if (meanings.empty()) {
            ++counts.headwordsWithoutMeaning;
            continue;
        }
        const bool tagged = headwords_ == Headwords::Spanish && wordClass == kNomen;
        entries.push_back(
            {tagged ? *word + utf8ToCp1252(spanishGenderTag(headword.grammar)) : *word, wordClass,
             std::move(meanings)});
    }
}

std::vector<std::string> EntryConversion::meaningsOf(const Term& headword,
                                                     const std::vector<Sense>& senses,
                                                     ConversionCounts& counts) const {
    std::vector<std::string> meanings;
    for (const Sense& sense : senses) {
        std::vector<std::string> labels = headword.labels;
        labels.insert(labels.end(), sense.labels.begin(), sense.labels.end());
        for (const Term& meaning : sense.meanings) {
            std::optional<std::string> text = meaningText(meaning, labels, counts);
            if (text && std::ranges::find(meanings, *text) == meanings.end())
                meanings.push_back(std::move(*text));
        }
    }
    return meanings;
}

std::optional<std::string> EntryConversion::meaningText(const Term& meaning,
                                                        const std::vector<std::string>& labels,
                                                        ConversionCounts& counts) const {
    std::string utf8 = meaning.text;
    if (wordClassOf(meaning.grammar) == kNomen) {
        if (headwords_ == Headwords::Spanish)
            utf8.insert(0, germanArticle(meaning.grammar));
        else
            utf8 += spanishGenderTag(meaning.grammar);
    }
    std::vector<std::string> all = labels;
    all.insert(all.end(), meaning.labels.begin(), meaning.labels.end());
    utf8 += comment(all);

    bool dropped = false;
    const std::string text = withoutDoubleBlanks(toWindows1252Dropping(utf8, dropped));
    if (text.empty() || text.front() == '[') {
        ++counts.meaningsEmpty;
        return std::nullopt;
    }
    counts.meaningsShortened += dropped ? 1 : 0;
    switch (checkMeaning(text)) {
    case MeaningProblem::SuspiciousComma:
        ++counts.meaningsWithComma;
        return std::nullopt;
    case MeaningProblem::MissingBlankAfterSemicolon:
        ++counts.meaningsWithSemicolon;
        return std::nullopt;
    case MeaningProblem::None:
        break;
    }
    return text;
}

} // namespace qor::dictd
