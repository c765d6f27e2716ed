#include "SampleRecordings.h"

#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace qor::recordings {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

std::string collapseBlanks(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c == ' ' && (result.empty() || result.back() == ' '))
            continue;
        result.push_back(c);
    }
    if (!result.empty() && result.back() == ' ')
        result.pop_back();
    return result;
}

std::string withoutBracketComments(std::string_view text) {
    std::string result;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = text.find('[', pos);
        const std::size_t close = open == std::string_view::npos ? open : text.find(']', open + 1);
        if (close == std::string_view::npos) {
            result.append(text.substr(pos));
            return result;
        }
        result.append(text.substr(pos, open - pos));
        pos = close + 1;
    }
}

bool isGenderTag(std::string_view content) {
    static const std::set<std::string, std::less<>> tags = {"m",   "f",   "n",   "pl",  "mpl",
                                                            "fpl", "npl", "m/f", "f/m", "mf"};
    return tags.contains(trimmed(content));
}

// Lower-case Windows-1252 letters with diacritics, and their plain letters.
constexpr std::array<std::pair<unsigned char, const char*>, 31> Folded = {{
    {0xE0, "a"}, {0xE1, "a"},  {0xE2, "a"},  {0xE3, "a"}, {0xE4, "a"}, {0xE5, "a"}, {0xE6, "ae"},
    {0xE7, "c"}, {0xE8, "e"},  {0xE9, "e"},  {0xEA, "e"}, {0xEB, "e"}, {0xEC, "i"}, {0xED, "i"},
    {0xEE, "i"}, {0xEF, "i"},  {0xF1, "n"},  {0xF2, "o"}, {0xF3, "o"}, {0xF4, "o"}, {0xF5, "o"},
    {0xF6, "o"}, {0xF8, "o"},  {0xF9, "u"},  {0xFA, "u"}, {0xFB, "u"}, {0xFC, "u"}, {0xFD, "y"},
    {0xFF, "y"}, {0xDF, "ss"}, {0x9C, "oe"},
}};

const char* folded(unsigned char c) {
    for (const auto& [letter, plain] : Folded)
        if (letter == c)
            return plain;
    return nullptr;
}

constexpr std::size_t MaxStemLength = 48;

} // namespace

std::vector<LibraryWord> parseLibrarySource(std::string_view utf8) {
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    const std::vector<std::string_view> lines = splitLines(utf8);
    std::vector<LibraryWord> words;
    std::size_t i = 0;
    // The next line; false at the end of the source.
    const auto take = [&](std::string_view& line) {
        if (i >= lines.size())
            return false;
        line = lines[i++];
        return true;
    };
    std::string_view word, meaning0, meaning1, context, flag, unused, german;
    while (take(word) && take(meaning0)) {
        if (trimmed(meaning0).starts_with(".wav") && !take(meaning0))
            break;
        if (!take(meaning1) || !take(context) || !take(flag))
            break;
        if (context.empty() && flag.size() > 5 &&
            !take(flag)) // the sentence was on the flag's line
            break;
        if (!take(unused) || !take(unused) || !take(unused) || !take(german) || !take(unused))
            break;
        words.push_back({std::string(trimmed(word)),
                         {std::string(trimmed(meaning0)), std::string(trimmed(meaning1))},
                         german == "-1"});
    }
    return words;
}

std::vector<std::string> spanishTexts(const LibraryWord& entry) {
    if (!entry.german)
        return entry.word.empty() ? std::vector<std::string>() : std::vector{entry.word};
    // The program splits German words' meanings at ";" and looks each piece
    // up without its bracketed comment.
    std::vector<std::string> texts;
    for (const std::string& meanings : entry.meanings) {
        std::size_t pos = 0;
        while (pos <= meanings.size()) {
            std::size_t end = meanings.find(';', pos);
            if (end == std::string::npos)
                end = meanings.size();
            const std::string piece = collapseBlanks(
                trimmed(withoutBracketComments(std::string_view(meanings).substr(pos, end - pos))));
            if (!piece.empty())
                texts.push_back(piece);
            pos = end + 1;
        }
    }
    return texts;
}

std::string spokenForm(std::string_view text) {
    const std::string plain = withoutBracketComments(text);
    std::string result;
    std::size_t pos = 0;
    while (pos < plain.size()) {
        const char c = plain[pos];
        if (c == '(') {
            const std::size_t close = plain.find(')', pos + 1);
            if (close != std::string::npos &&
                isGenderTag(std::string_view(plain).substr(pos + 1, close - pos - 1))) {
                pos = close + 1;
                continue;
            }
        }
        if (c != '(' && c != ')')
            result.push_back(c == '\t' ? ' ' : c);
        ++pos;
    }
    return collapseBlanks(trimmed(result));
}

std::string fileStem(std::string_view spoken) {
    std::string stem;
    for (char c : utf8ToCp1252(spoken)) {
        const char lower = lowerChar(c);
        if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9'))
            stem.push_back(lower);
        else if (const char* plain = folded(static_cast<unsigned char>(lower)))
            stem.append(plain);
        else if (!stem.empty() && stem.back() != '_')
            stem.push_back('_');
    }
    if (stem.size() > MaxStemLength)
        stem.resize(MaxStemLength);
    while (!stem.empty() && stem.back() == '_')
        stem.pop_back();
    return stem.empty() ? "aufnahme" : stem;
}

std::vector<PhraseSentence> parsePhraseSource(std::string_view utf8) {
    constexpr std::string_view SoundFolder = "XS:\\";
    std::vector<PhraseSentence> sentences;
    std::vector<std::string_view> lines;
    for (const std::string_view line : splitLines(utf8)) {
        if (line.starts_with("****")) {
            lines.clear();
            continue;
        }
        lines.push_back(line);
        if (lines.size() < 5)
            continue;
        const std::string_view reference = lines[4];
        if (reference.starts_with(SoundFolder) && reference.size() > SoundFolder.size() + 4) {
            std::string slow(reference.substr(SoundFolder.size()));
            std::replace(slow.begin(), slow.end(), '\\', '/');
            std::string normal = slow;
            if (normal[normal.size() - 5] == 'a')
                normal[normal.size() - 5] = 'b';
            sentences.push_back({std::string(lines[0]), slow, normal});
        }
        lines.clear();
    }
    return sentences;
}

RecordingPlan planRecordings(const std::vector<std::string>& texts) {
    RecordingPlan plan;
    std::map<std::string, std::string> fileOfSpoken;
    std::set<std::string> filesTaken;
    std::set<std::string> textsTaken;
    for (const std::string& text : texts) {
        if (!textsTaken.insert(text).second)
            continue;
        const std::string spoken = spokenForm(text);
        if (spoken.empty())
            continue;
        auto known = fileOfSpoken.find(spoken);
        if (known == fileOfSpoken.end()) {
            const std::string stem = fileStem(spoken);
            std::string file = stem + ".wav";
            for (int n = 2; filesTaken.contains(file); ++n)
                file = stem + "_" + std::to_string(n) + ".wav";
            filesTaken.insert(file);
            plan.recordings.push_back({file, spoken});
            known = fileOfSpoken.emplace(spoken, file).first;
        }
        plan.entries.push_back({text, known->second});
    }
    return plan;
}

} // namespace qor::recordings
