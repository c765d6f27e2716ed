#include "qor-dictd/Article.h"

#include "platform/Text.h"
#include "qor-dictd/ArticleText.h"
#include "qor-dictd/GlossLabels.h"
#include "qor-pack/TextConversion.h"

#include <algorithm>
#include <cctype>

namespace qor::dictd {

namespace {

// A letter or digit: ASCII ones, and every byte of a UTF-8 sequence.
bool hasWordCharacter(std::string_view text) {
    return std::ranges::any_of(text, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
    });
}

// The length of a leading sense number "12." followed by a blank or the end;
// 0 when there is none.
std::size_t numberLength(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && digits < 4 &&
           std::isdigit(static_cast<unsigned char>(text[digits])))
        ++digits;
    const bool dot = digits > 0 && digits < text.size() && text[digits] == '.';
    return dot && (digits + 1 == text.size() || isBlank(text[digits + 1])) ? digits + 1 : 0;
}

int leadingNumber(std::string_view text) {
    const std::size_t length = numberLength(text);
    return length == 0 ? 0 : std::stoi(std::string(text.substr(0, length - 1)));
}

// Without a number at the end, where some dictionaries number the
// explaining lines that follow ("trabajo 2.").
std::string_view withoutNumberAtEnd(std::string_view text) {
    const std::size_t blank = text.find_last_of(' ');
    if (blank != std::string_view::npos && blank + 1 < text.size() &&
        numberLength(text.substr(blank + 1)) == text.size() - blank - 1)
        text = text.substr(0, blank);
    return text;
}

// Without the sense numbers in front ("2.  1. Frisörin": a sense within a
// sense).
std::string_view withoutSenseNumbers(std::string_view text) {
    const auto skipBlanks = [&text] {
        while (!text.empty() && isBlank(text.front()))
            text.remove_prefix(1);
    };
    skipBlanks();
    for (std::size_t length; (length = numberLength(text)) > 0; skipBlanks())
        text.remove_prefix(length);
    return text;
}

// Headwords named before their pronunciations ("abatido, abatida /.../ /.../")
// are one headword each when every one is a single word with its own
// pronunciation; otherwise the comma belongs to one headword ("tagaus, tagein").
// Either way they share the labels and the grammar given for them.
void addHeadwords(std::vector<ParsedTerm>& pending, std::vector<Term>& headwords) {
    std::size_t pronunciations = 0;
    std::vector<std::string> names;
    Term shared;
    for (ParsedTerm& parsed : pending) {
        pronunciations += parsed.pronunciations;
        shared.labels.insert(shared.labels.end(), parsed.term.labels.begin(),
                             parsed.term.labels.end());
        shared.grammar = parsed.term.grammar;
        // "jota, (letra)" and "pero, ." name only "jota" and "pero".
        if (hasWordCharacter(parsed.term.text) && !isParenthesized(parsed.term.text))
            names.push_back(std::move(parsed.term.text));
    }
    pending.clear();
    const bool separate =
        pronunciations == names.size() && std::ranges::none_of(names, [](const std::string& name) {
            return name.find(' ') != std::string::npos;
        });
    if (names.size() > 1 && !separate) {
        for (std::size_t i = 1; i < names.size(); ++i)
            names.front() += ", " + names[i];
        names.resize(1);
    }
    for (std::string& name : names) {
        Term headword = shared;
        headword.text = std::move(name);
        headwords.push_back(std::move(headword));
    }
}

// A headword without grammar shares that of the next one that has it
// ("alear, aletear <v>"), else that of the one before ("raya <n, f>, manta raya").
void shareGrammar(std::vector<Term>& headwords) {
    const auto fill = [](auto first, auto last) {
        const Grammar* known = nullptr;
        for (auto it = first; it != last; ++it) {
            if (!it->grammar.empty())
                known = &it->grammar;
            else if (known)
                it->grammar = *known;
        }
    };
    fill(headwords.rbegin(), headwords.rend());
    fill(headwords.begin(), headwords.end());
}

std::vector<Term> parseHeadwords(std::string_view line, bool& formsInParentheses) {
    std::vector<Term> headwords;
    std::vector<ParsedTerm> pending;
    std::size_t groups = 0;
    std::size_t inParentheses = 0;
    for (const std::string_view group : splitOutsideBrackets(line, ",")) {
        const std::string text = tidyBlanks(group);
        if (text.empty())
            continue;
        ++groups;
        ParsedTerm parsed = parseTerm(text, true);
        if (isParenthesized(text)) {
            ParsedTerm inner = parseTerm(std::string_view(text).substr(1, text.size() - 2), true);
            if (inner.pronunciations > 0 || !inner.term.grammar.empty()) {
                parsed = std::move(inner);
                ++inParentheses;
            }
        }
        const bool complete = parsed.pronunciations > 0 || !parsed.term.grammar.empty();
        pending.push_back(std::move(parsed));
        if (complete)
            addHeadwords(pending, headwords);
    }
    addHeadwords(pending, headwords);
    shareGrammar(headwords);
    formsInParentheses = groups > 1 && inParentheses == groups;
    return headwords;
}

// The alternatives of a sense line; a part in parentheses after a comma
// tells what the one before it is about ("Zusammenstoß, (Schiffe)") and
// becomes its label.
Sense parseSense(std::string_view line) {
    Sense sense;
    for (const std::string_view piece : splitOutsideBrackets(withoutNumberAtEnd(line), ",;|")) {
        ParsedTerm parsed = parseTerm(piece, false);
        Term& term = parsed.term;
        moveListsToLabels(term);
        const bool aboutPrevious = isParenthesized(term.text) || term.text.empty();
        if (aboutPrevious && !sense.meanings.empty()) {
            std::vector<std::string>& labels = sense.meanings.back().labels;
            if (!term.text.empty())
                labels.push_back(term.text.substr(1, term.text.size() - 2));
            labels.insert(labels.end(), term.labels.begin(), term.labels.end());
        } else if (!term.text.empty()) {
            sense.meanings.push_back(std::move(term));
        }
    }
    return sense;
}

// With several senses each starts with its number at the start of the line;
// other lines explain the sense before them, only the first is read.
std::vector<Sense> parseSenses(const std::vector<std::string_view>& lines) {
    std::vector<Sense> senses;
    if (lines.empty())
        return senses;
    if (leadingNumber(lines.front()) != 1) {
        senses.push_back(parseSense(lines.front()));
        if (lines.size() > 1)
            senses.back().labels = glossLabels(lines[1]);
        return senses;
    }
    int expected = 1;
    bool explained = true;
    for (const std::string_view line : lines) {
        const std::string_view trimmed = TrimBlanks(line);
        const bool numberOnly = numberLength(trimmed) == trimmed.size();
        const bool next = leadingNumber(line) == expected;
        const bool inner = !next && isBlank(line.front()) && numberLength(trimmed) > 0;
        if (numberOnly) // numbers an explaining line
            continue;
        if (next || inner) {
            expected += next ? 1 : 0;
            senses.push_back(parseSense(withoutSenseNumbers(line)));
            explained = false;
        } else if (!explained && !senses.empty()) {
            senses.back().labels = glossLabels(trimmed);
            explained = true;
        }
    }
    return senses;
}

} // namespace

Article parseArticle(std::string_view utf8) {
    std::vector<std::string_view> lines;
    for (const std::string_view line : pack::splitLines(utf8)) {
        if (line.find_first_not_of(" \t") != std::string_view::npos)
            lines.push_back(line);
    }
    Article article;
    if (lines.empty())
        return article;
    article.headwords = parseHeadwords(lines.front(), article.sensesPerHeadword);
    article.senses = parseSenses(std::vector(lines.begin() + 1, lines.end()));
    article.sensesPerHeadword =
        article.sensesPerHeadword && article.senses.size() == article.headwords.size();
    return article;
}

} // namespace qor::dictd
