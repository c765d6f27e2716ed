#include "vocabulary/Solutions.h"

#include "platform/Text.h"

#include <algorithm>

namespace qor {

namespace {

constexpr auto npos = std::string_view::npos;

// The article a gender tag stands for, or nothing for other text.
std::string_view articleOf(std::string_view tag) {
    static const std::pair<std::string_view, std::string_view> tags[] = {
        {"m", "(el) "}, {"f", "(la) "}, {"mpl", "(los) "}, {"fpl", "(las) "}, {"mf", "(el/la) "}};
    for (const auto& [name, article] : tags)
        if (tag == name)
            return article;
    return {};
}

// Removes a gender tag with one neighbouring character and puts the
// article it stands for in front, unless one is there.
std::string withArticle(std::string piece) {
    const std::size_t open = piece.find('(');
    const std::size_t close = piece.find(')');
    if (open == npos || close == npos || close < open)
        return piece;
    const std::string_view article =
        articleOf(std::string_view(piece).substr(open + 1, close - open - 1));
    if (article.empty())
        return piece;
    if (open > 0)
        piece.erase(open - 1, close - open + 2);
    else
        piece.erase(open, std::min(close - open + 2, piece.size() - open));
    for (const std::string_view present : {"el ", "la ", "los ", "las ", "(el) "})
        if (piece.starts_with(present))
            return piece;
    return std::string(article) + piece;
}

// Drops the first comment in square brackets and the double blank it leaves.
std::string withoutComment(std::string piece) {
    const std::size_t open = piece.find('[');
    const std::size_t close = open == npos ? npos : piece.find(']', open);
    if (close == npos || close < open + 2)
        return piece;
    piece.erase(open, close - open + 1);
    if (const std::size_t twice = piece.find("  "); twice != npos)
        piece.erase(twice, 1);
    return std::string(TrimBlanks(piece));
}

void expandOptional(std::string piece, SolutionList& solutions) {
    piece = withoutComment(std::move(piece));
    const std::size_t open = piece.find('(');
    const std::size_t close = open == npos ? npos : piece.find(')');
    if (open == npos || close == npos || close < open + 2) {
        AddSolution(piece, solutions);
        return;
    }
    const std::string_view text = piece;
    const std::string_view p = text.substr(0, open);
    const std::string_view a = text.substr(open + 1, close - open - 1);
    const std::string_view after = text.substr(close + 1);
    const auto add = [&solutions](std::initializer_list<std::string_view> parts) {
        std::string joined;
        for (const std::string_view part : parts)
            joined += part;
        AddSolution(joined, solutions);
    };

    const std::size_t open2 = after.find('(');
    const std::size_t close2 = open2 == npos ? npos : after.find(')', open2);
    if (close2 != npos && close2 >= open2 + 2) {
        const std::string_view m = after.substr(0, open2);
        const std::string_view b = after.substr(open2 + 1, close2 - open2 - 1);
        const std::string_view s = after.substr(close2 + 1);
        if (const std::size_t slash = b.find('/'); slash != npos) {
            const std::string_view b1 = b.substr(0, slash);
            const std::string_view b2 = b.substr(slash + 1);
            add({p, a, m, b1, s});
            add({p, a, m, b2, s});
            add({p, m, b1, s});
            add({p, m, b2, s});
        } else {
            add({p, a, m, b, s});
            add({p, m, b, s});
        }
        add({p, a, m, s});
        add({p, m, s});
        return;
    }
    // Alternatives inside the parentheses: "(el/la) artista".
    if (const std::size_t slash = a.find('/'); slash != npos) {
        add({p, a.substr(0, slash), after});
        add({p, a.substr(slash + 1), after});
        add({p, after});
    } else {
        add({p, after});
        add({p, a, after});
    }
}

} // namespace

void ExpandMeanings(std::string_view meanings, SolutionList& solutions) {
    while (!meanings.empty()) {
        const std::size_t semicolon = meanings.find(';');
        std::string piece(meanings.substr(0, semicolon));
        while (!piece.empty() && piece.back() == ' ')
            piece.pop_back();
        expandOptional(withArticle(std::move(piece)), solutions);
        if (semicolon == npos)
            return;
        // The blank after the semicolon is skipped unseen.
        meanings.remove_prefix(std::min(semicolon + 2, meanings.size()));
    }
}

void AddSolution(std::string_view text, SolutionList& solutions) {
    std::string tidy;
    for (const char c : TrimBlanks(text)) {
        if (c == ' ' && !tidy.empty() && tidy.back() == ' ')
            continue;
        tidy += c;
    }
    // An empty answer would accept an empty field.
    if (tidy.empty() || std::ranges::find(solutions, tidy) != solutions.end())
        return;
    solutions.push_back(tidy);
    const char sharpS = '\xDF';
    if (tidy.find(sharpS) != std::string::npos) {
        std::string ss;
        for (const char c : tidy)
            ss += c == sharpS ? std::string("ss") : std::string(1, c);
        solutions.push_back(ss);
    }
}

int MatchChoice(std::string_view clicked, const std::array<TVokabel, 6>& choices) {
    const std::string wanted = lowerCase(clicked);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (lowerCase(choices[i].Bedeutung[0]) == wanted)
            return static_cast<int>(i);
    return -1;
}

} // namespace qor
