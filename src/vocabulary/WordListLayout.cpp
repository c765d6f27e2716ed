#include "vocabulary/WordListLayout.h"

#include "vocabulary/MeaningSet.h"
#include "vocabulary/PrintTexts.h"
#include "vocabulary/TextWrap.h"

#include <algorithm>

namespace qor {

namespace {

using namespace WordList;

constexpr PrintFont Bold{FontHeight, true, false};
constexpr PrintFont Upright{FontHeight, false, false};
constexpr PrintFont Italic{FontHeight, false, true};

// The columns, from the left edge of the printable area.
constexpr int NumberEnd = 250;
constexpr int WordLeft = 290;
constexpr int ContextLeft = 340;
constexpr int LabelGap = 30;
constexpr int LabelLimit = 1200; // a label must end before the meanings
constexpr int MeaningLeft = 1250;
constexpr int ShadeLeft = 270;
constexpr int WordWidth = 860;
constexpr int ContextWidth = 810;
constexpr int MeaningMargin = 1350; // the meanings are this much narrower than the page

// The header bar, and the top of the first line below it.
constexpr int BarMargin = 20;
constexpr int BarTop = -20;
constexpr int BarBottom = -120;
constexpr int BarTextTop = -55;
constexpr int PageNumberMargin = 100;
constexpr int FirstLineTop = -160;
constexpr int PageMargins = 210; // the header and the bottom margin

std::vector<std::string> wrapped(const std::string& text, int width, const PrintFont& font,
                                 const TextWidth& measure, int maxLines) {
    auto lines = WrapText(text, width, [&](std::string_view part) { return measure(font, part); });
    if (static_cast<int>(lines.size()) > maxLines)
        lines.resize(static_cast<std::size_t>(maxLines));
    return lines;
}

void addText(PrintPage& page, const PrintFont& font, int x, int y, const std::string& text,
             Ink ink = Ink::Black) {
    if (!text.empty())
        page.items.emplace_back(PageText{font, x, y, text, ink});
}

void addLines(PrintPage& page, const PrintFont& font, int x, const WordListRow& row, int firstLine,
              const std::vector<std::string>& lines) {
    for (std::size_t k = 0; k < lines.size(); ++k)
        addText(page, font, x, RowLineTop(row, firstLine + static_cast<int>(k)), lines[k]);
}

void addHeader(PrintPage& page, int number, const std::string& libraryName, const PageFrame& frame,
               const TextWidth& width) {
    page.items.emplace_back(PageBox{BarMargin, BarTop, frame.width - BarMargin, BarBottom,
                                    frame.fine ? BoxFill::Black : BoxFill::Outline});
    const Ink ink = frame.fine ? Ink::White : Ink::Black;
    addText(page, Bold, (frame.width - width(Bold, libraryName)) / 2, BarTextTop, libraryName, ink);
    const std::string pageNumber = "S. " + std::to_string(number);
    addText(page, Italic, frame.width - PageNumberMargin - width(Italic, pageNumber), BarTextTop,
            pageNumber, ink);
}

void addRow(PrintPage& page, const WordListRow& row, int index, const TextWidth& width) {
    const std::string number = std::to_string(index + 1);
    addText(page, Upright, NumberEnd - width(Upright, number), RowLineTop(row, 0), number);
    addLines(page, Bold, WordLeft, row, 0, row.word);
    addLines(page, Bold, MeaningLeft, row, 0, row.meanings);
    const int labelLeft = row.wordEndX + LabelGap;
    if (labelLeft + width(Italic, row.classLabel) < LabelLimit)
        addText(page, Italic, labelLeft, row.wordEndY, row.classLabel);
    auto contextLine = static_cast<int>(row.word.size());
    for (const auto& context : row.contexts) {
        addLines(page, Upright, ContextLeft, row, contextLine, context);
        contextLine += static_cast<int>(context.size());
    }
}

} // namespace

std::vector<WordListRow> MeasureWordList(const std::vector<TVokabel>& entries, int pageWidth,
                                         const TextWidth& width) {
    std::vector<WordListRow> rows;
    rows.reserve(entries.size());
    for (const TVokabel& entry : entries) {
        WordListRow row;
        row.word = wrapped(entry.Vokabel, WordWidth, Bold, width, MaxWordLines);
        row.meanings = wrapped(JoinMeanings(entry.Bedeutung[0], entry.Bedeutung[1]),
                               pageWidth - MeaningMargin, Bold, width, MaxMeaningLines);
        std::size_t contextLines = 0;
        for (std::size_t k = 0; k < row.contexts.size(); ++k) {
            if (entry.Kontext[k].empty())
                continue;
            row.contexts[k] =
                wrapped(entry.Kontext[k], ContextWidth, Upright, width, MaxContextLines);
            contextLines += row.contexts[k].size();
        }
        row.lines = static_cast<int>(std::max(row.word.size() + contextLines, row.meanings.size()));
        row.classLabel = ListClassLabel(entry.Wortart);
        row.wordEndX = WordLeft + width(Bold, row.word.back());
        rows.push_back(std::move(row));
    }
    return rows;
}

int LinesPerPage(int pageHeight) {
    return std::max(1, (pageHeight - PageMargins) / LineHeight);
}

// An entry taller than a whole page still gets a page of its own instead of
// pushing empty pages ahead of it.
int PlaceOnPages(std::vector<WordListRow>& rows, int linesPerPage) {
    int page = rows.empty() ? 0 : 1;
    int used = 0;
    for (WordListRow& row : rows) {
        if (used > 0 && used + row.lines > linesPerPage) {
            ++page;
            used = 0;
        }
        row.page = page;
        row.offset = used;
        row.wordEndY = RowLineTop(row, static_cast<int>(row.word.size()) - 1);
        used += row.lines;
    }
    return page;
}

int RowLineTop(const WordListRow& row, int k) {
    return -(LineHeight * (row.offset + k)) + FirstLineTop;
}

PrintPage WordListPage(const std::vector<WordListRow>& rows, int page,
                       const std::string& libraryName, const PageFrame& frame,
                       const TextWidth& width) {
    const auto first = std::find_if(rows.begin(), rows.end(),
                                    [page](const WordListRow& row) { return row.page == page; });
    const auto end = std::find_if(first, rows.end(),
                                  [page](const WordListRow& row) { return row.page != page; });
    PrintPage result;
    addHeader(result, page, libraryName, frame, width);
    for (auto row = first; row != end && frame.fine; ++row)
        if ((row - rows.begin()) % 2 == 0)
            result.items.emplace_back(PageBox{ShadeLeft, RowLineTop(*row, 0),
                                              frame.width - BarMargin, RowLineTop(*row, row->lines),
                                              BoxFill::Shade});
    for (auto row = first; row != end; ++row)
        addRow(result, *row, static_cast<int>(row - rows.begin()), width);
    return result;
}

} // namespace qor
