#include "editor/window/EditorList.h"

namespace qor {

std::string EditorListLine(const TVokabel& entry) {
    const char mark = entry.Deutsch ? GermanLineMark : SpanishLineMark;
    return mark + (entry.Vokabel.empty() ? std::string("(leer)") : entry.Vokabel);
}

std::vector<std::string> EditorListLines(const TBibliothek& library) {
    std::vector<std::string> lines;
    lines.reserve(library.Eintraege().size());
    for (const TVokabel& entry : library.Eintraege())
        lines.push_back(EditorListLine(entry));
    return lines;
}

int FilledEntryCount(const TBibliothek& library) {
    int count = 0;
    for (const TVokabel& entry : library.Eintraege())
        count += entry.IsEmpty() ? 0 : 1;
    return count;
}

bool MayLeaveCurrent(const TBibliothek& library) {
    const int current = library.Aktuell();
    return !library.IsEmpty(current) || library.IsEmpty(current + 1);
}

NextStep NextEntryStep(const TBibliothek& library, int line, int lineCount) {
    if (line + 1 < lineCount)
        return NextStep::Move;
    return library.IsEmpty(-1) ? NextStep::EndReached : NextStep::Append;
}

} // namespace qor
