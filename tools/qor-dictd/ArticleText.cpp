#include "qor-dictd/ArticleText.h"

#include <algorithm>
#include <utility>

namespace qor::dictd {

namespace {

char closingOf(char open) {
    switch (open) {
    case '(':
        return ')';
    case '[':
        return ']';
    case '<':
        return '>';
    default:
        return '\0';
    }
}

// The length of the UTF-8 character text starts with when it shows as a
// blank: blanks, the no-break space, and control characters, which a data
// file cannot hold; 0 for any other.
std::size_t blankLength(std::string_view text) {
    const auto byte = static_cast<unsigned char>(text.front());
    if (byte <= 0x20 || byte == 0x7F)
        return 1;
    const auto next = text.size() > 1 ? static_cast<unsigned char>(text[1]) : 0;
    const bool noBreakOrC1 = byte == 0xC2 && next >= 0x80 && next <= 0xA0; // U+0080 ... U+00A0
    return noBreakOrC1 ? 2 : 0;
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// "n, f, pl" -> part of speech "n", genders "f", "pl". The first name is
// the part of speech unless it is a gender spelt out ("<neut>").
Grammar parseGrammar(std::string_view inside) {
    static const std::vector<std::pair<std::string_view, std::string_view>> kSpeltOut = {
        {"masc", "m"}, {"fem", "f"}, {"neut", "n"}};
    Grammar grammar;
    bool first = true;
    for (const std::string_view part : splitOutsideBrackets(inside, ",")) {
        const std::string name = lowerAscii(tidyBlanks(part));
        const auto spelt = std::ranges::find(kSpeltOut, name,
                                             &std::pair<std::string_view, std::string_view>::first);
        if (spelt != kSpeltOut.end())
            grammar.genders.emplace_back(spelt->second);
        else if (first)
            grammar.partOfSpeech = name;
        else if (name == "m" || name == "f" || name == "n" || name == "pl")
            grammar.genders.push_back(name);
        first = false;
    }
    return grammar;
}

// The position of the ")" that closes the "(" at open; npos when none does.
std::size_t closingParenthesis(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0)
            return i;
    }
    return std::string_view::npos;
}

} // namespace

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> splitOutsideBrackets(std::string_view text,
                                                   std::string_view separators) {
    std::vector<std::string_view> parts;
    std::string closers; // the brackets still open, innermost last
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (const char closer = closingOf(c)) {
            closers += closer;
        } else if (!closers.empty() && c == closers.back()) {
            closers.pop_back();
        } else if (closers.empty() && separators.find(c) != std::string_view::npos) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string tidyBlanks(std::string_view text) {
    std::string tidy;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t blank = blankLength(text.substr(i));
        if (blank > 0) {
            if (!tidy.empty() && tidy.back() != ' ')
                tidy += ' ';
            i += blank - 1;
        } else {
            tidy += text[i];
        }
    }
    if (!tidy.empty() && tidy.back() == ' ')
        tidy.pop_back();
    return tidy;
}

bool isParenthesized(std::string_view text) {
    return text.starts_with('(') && closingParenthesis(text, 0) + 1 == text.size();
}

ParsedTerm parseTerm(std::string_view text, bool withPronunciations) {
    ParsedTerm parsed;
    std::string rest;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // "del/de la" is no pronunciation: one starts after a blank.
        const bool pronunciation =
            c == '/' && withPronunciations && (i == 0 || isBlank(text[i - 1]));
        const char closer = c == '[' ? ']' : c == '<' ? '>' : pronunciation ? '/' : '\0';
        const std::size_t end = closer ? text.find(closer, i + 1) : std::string_view::npos;
        if (end == std::string_view::npos) {
            if (c != '|')
                rest += c;
            continue;
        }
        const std::string_view inside = text.substr(i + 1, end - i - 1);
        if (c == '[' && !tidyBlanks(inside).empty())
            parsed.term.labels.push_back(tidyBlanks(inside));
        else if (c == '<')
            parsed.term.grammar = parseGrammar(inside);
        else
            ++parsed.pronunciations;
        rest += ' '; // "Haus<n>" keeps no blank too many, "a[b]c" no blank too few
        i = end;
    }
    parsed.term.text = tidyBlanks(rest);
    return parsed;
}

void moveListsToLabels(Term& term) {
    const std::string_view text = term.text;
    std::vector<std::string> lists;
    std::string rest;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t close =
            text[i] == '(' ? closingParenthesis(text, i) : std::string_view::npos;
        if (close != std::string_view::npos &&
            text.substr(i, close - i).find(',') != std::string_view::npos) {
            lists.push_back(tidyBlanks(text.substr(i + 1, close - i - 1)));
            i = close;
        } else {
            rest += text[i];
        }
    }
    if (lists.empty())
        return;
    term.text = tidyBlanks(rest);
    term.labels.insert(term.labels.begin(), lists.begin(), lists.end());
}

} // namespace qor::dictd
