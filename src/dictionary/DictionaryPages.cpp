// What search results and meanings look like on a page.
#include "core/CommandPage.h"
#include "dictionary/XDatabase.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"

#include <algorithm>

namespace qor {
using namespace literals;

namespace {

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

struct MeaningPart {
    std::string_view comment; // "[...]" at the start or end of the part, or empty
    std::string_view meaning;
};

// A bracket in the middle of a part is no comment and stays in the meaning.
MeaningPart splitComment(std::string_view part) {
    if (part.starts_with('[')) {
        const std::size_t close = part.find(']');
        if (close != std::string_view::npos)
            return {part.substr(0, close + 1), TrimBlanks(part.substr(close + 1))};
    }
    if (part.ends_with(']')) {
        const std::size_t open = part.rfind('[');
        if (open != std::string_view::npos)
            return {part.substr(open), TrimBlanks(part.substr(0, open))};
    }
    return {{}, part};
}

// "[n]" for the block on show, a link "§srn" for the others.
std::string blockNavigation(int resultCount, int shownBlock) {
    const int blocks =
        (resultCount + TXDatabase::ResultsPerBlock - 1) / TXDatabase::ResultsPerBlock;
    std::string navigation;
    for (int block = 1; block <= blocks; ++block) {
        if (block > 1)
            navigation += ' ';
        const std::string number = std::to_string(block);
        navigation += block == shownBlock + 1
                          ? "[" + number + "]"
                          : "<a href=\"§sr"_cp + number + "\" >" + number + "</a>";
    }
    return navigation;
}

} // namespace

std::string TXDatabase::soundLink(std::string_view text) const {
    return waveBase_ ? waveBase_->SoundLink(text) : std::string(text);
}

std::string TXDatabase::FormatMeanings(std::string_view meanings, bool split,
                                       bool commentStyle) const {
    if (meanings.empty() || !split)
        return std::string(meanings);
    std::string markup;
    std::size_t pos = 0;
    for (bool last = false; !last;) {
        const std::size_t semicolon = meanings.find(';', pos);
        last = semicolon == std::string_view::npos;
        const std::size_t end = last ? meanings.size() : semicolon;
        const MeaningPart part = splitComment(trimRight(meanings.substr(pos, end - pos)));
        if (pos > 0)
            markup += "; ";
        // The character after ";" (its blank) goes with it.
        pos = std::min(end + 2, meanings.size());
        if (!part.comment.empty()) {
            if (commentStyle)
                markup.append("<+kommentar>").append(part.comment).append("<+normal> ");
            else
                markup.append(" ").append(part.comment).append(" ");
        }
        markup += soundLink(part.meaning);
    }
    return markup;
}

void TXDatabase::PageSearch(CommandPage& page, std::string_view text, bool wholeWord) {
    Search(text, {.WholeWord = wholeWord, .German = false, .BothDirections = true});
    page.setPageCondition("ergebnis", true);
    if (ResultCount() == 0)
        page.setPageDefine("ergebnis", "Kein Eintrag gefunden!");
    else if (ResultCount() == 1)
        page.setPageDefine("ergebnis", "1 Eintrag gefunden.");
    else
        page.setPageDefine("ergebnis", std::to_string(ResultCount()) + " Einträge gefunden."_cp);
    ShowSearchResults(page, 0);
}

void TXDatabase::ShowSearchResults(CommandPage& page, int block) const {
    // A block number from a page may be anything: only existing results show.
    const long long first = static_cast<long long>(block) * ResultsPerBlock;
    const long long end = std::min<long long>(first + ResultsPerBlock, ResultCount());
    std::string markup;
    for (long long result = std::max(0LL, first); result < end; ++result) {
        const DictionaryEntry& entry = ResultEntry(static_cast<int>(result));
        markup += "<+vok>" + soundLink(entry.Vokabel) + " <x4><+bed>" +
                  FormatMeanings(entry.Bedeutung, true, false) + "<br>";
    }
    page.setPageDefine("sr", markup);
    page.setPageDefine(
        "srnav", ResultCount() > ResultsPerBlock ? blockNavigation(ResultCount(), block) : "");
    page.loadPage("wörterbuch.htx"_cp);
}

} // namespace qor
