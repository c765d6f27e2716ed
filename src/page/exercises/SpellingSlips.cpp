#include "page/exercises/SpellingSlips.h"

#include "platform/Text.h"

#include <array>
#include <vector>

namespace qor {
using namespace literals;

namespace {

enum class Mark : char { None, Accent, Tilde, Dots };

struct Letter {
    char base; // the plain lower-case letter
    Mark mark;
    bool upper;
};

// The Windows-1252 letters with diacritics, upper case first: each maps to
// its plain letter and the kind of mark it carries.
struct Accented {
    unsigned char code;
    char base;
    Mark mark;
};
constexpr Accented AccentedLetters[] = {
    {0xC0, 'a', Mark::Accent}, {0xC1, 'a', Mark::Accent}, {0xC2, 'a', Mark::Accent},
    {0xC3, 'a', Mark::Accent}, {0xC4, 'a', Mark::Dots},   {0xC5, 'a', Mark::Accent},
    {0xC7, 'c', Mark::Accent}, {0xC8, 'e', Mark::Accent}, {0xC9, 'e', Mark::Accent},
    {0xCA, 'e', Mark::Accent}, {0xCB, 'e', Mark::Dots},   {0xCC, 'i', Mark::Accent},
    {0xCD, 'i', Mark::Accent}, {0xCE, 'i', Mark::Accent}, {0xCF, 'i', Mark::Dots},
    {0xD1, 'n', Mark::Tilde},  {0xD2, 'o', Mark::Accent}, {0xD3, 'o', Mark::Accent},
    {0xD4, 'o', Mark::Accent}, {0xD5, 'o', Mark::Accent}, {0xD6, 'o', Mark::Dots},
    {0xD9, 'u', Mark::Accent}, {0xDA, 'u', Mark::Accent}, {0xDB, 'u', Mark::Accent},
    {0xDC, 'u', Mark::Dots},   {0xDD, 'y', Mark::Accent},
};

Letter letterOf(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 'A' && code <= 'Z')
        return {static_cast<char>(code + 32), Mark::None, true};
    if (code >= 'a' && code <= 'z')
        return {c, Mark::None, false};
    for (const Accented& accented : AccentedLetters) {
        if (code == accented.code)
            return {accented.base, accented.mark, true};
        if (code == accented.code + 0x20)
            return {accented.base, accented.mark, false};
    }
    if (code == 0xFF) // ÿ; its capital lies outside the block
        return {'y', Mark::Dots, false};
    return {c, Mark::None, false};
}

std::string joinedGerman(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += i + 1 == parts.size() ? " und " : ", ";
        text += parts[i];
    }
    return text;
}

} // namespace

std::optional<SpellingSlips> FindSpellingSlips(std::string_view typed, std::string_view solution) {
    if (typed.size() != solution.size() || typed == solution)
        return std::nullopt;
    SpellingSlips slips;
    slips.marks.assign(solution.size(), '0');
    for (std::size_t i = 0; i < solution.size(); ++i) {
        if (typed[i] == solution[i])
            continue;
        const Letter t = letterOf(typed[i]);
        const Letter s = letterOf(solution[i]);
        if (t.base != s.base)
            return std::nullopt;
        slips.marks[i] = '1';
        slips.capitals |= t.upper != s.upper;
        if (lowerChar(typed[i]) == lowerChar(solution[i])) // the same letter but for its case
            continue;
        if (t.mark == Mark::Tilde || s.mark == Mark::Tilde)
            slips.tilde = true;
        else if (t.mark == Mark::Dots || s.mark == Mark::Dots)
            slips.dotted =
                lowerCase(std::string(1, s.mark == Mark::Dots ? solution[i] : typed[i]))[0];
        else
            ++slips.accents;
    }
    return slips;
}

std::string DescribeSlips(const SpellingSlips& slips) {
    std::vector<std::string> parts;
    if (slips.accents == 1)
        parts.emplace_back("der Akzent");
    else if (slips.accents > 1)
        parts.emplace_back("die Akzente");
    if (slips.tilde)
        parts.emplace_back("die Tilde (ñ)"_cp);
    if (slips.dotted != 0)
        parts.push_back("die Pünktchen ("_cp + slips.dotted + ")");
    if (slips.capitals)
        parts.emplace_back("die Groß- und Kleinschreibung"_cp);
    const bool plural = parts.size() > 1 || slips.accents > 1 || slips.dotted != 0;
    return "Nur " + joinedGerman(parts) + (plural ? " stimmen" : " stimmt") + " nicht.";
}

std::string MarkSlips(std::string_view text, std::string_view marks, std::string_view open,
                      std::string_view close) {
    std::string marked;
    bool inside = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool flagged = i < marks.size() && marks[i] == '1';
        if (flagged != inside)
            marked += flagged ? open : close;
        inside = flagged;
        marked += text[i];
    }
    if (inside)
        marked += close;
    return marked;
}

std::optional<SlipReport> ReportSpellingSlips(std::string_view typed,
                                              const std::vector<std::string>& solutions) {
    for (const std::string& solution : solutions) {
        if (const auto slips = FindSpellingSlips(typed, solution))
            return SlipReport{DescribeSlips(*slips),
                              MarkSlips(typed, slips->marks, "<+fehler>", "<+normal>"),
                              MarkSlips(solution, slips->marks, "<+fehler>", "<+normal>")};
    }
    return std::nullopt;
}

} // namespace qor
