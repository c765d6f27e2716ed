#pragma once
// The word list: the library as a table of numbered entries, the word (with
// its class label when there is room) and its contexts on the left, the
// meanings on the right, under a header bar with the library's name and the
// page number. Every entry is measured first; then the entries fill the
// pages line by line, an entry that does not fit beginning the next page.
//
//   auto rows = MeasureWordList(entries, frame.width, width);
//   const int pages = PlaceOnPages(rows, LinesPerPage(frame.height));
//   PrintPage first = WordListPage(rows, 1, "Familie.asc", frame, width);

#include "vocabulary/PrintPage.h"
#include "vocabulary/Vokabel.h"

#include <array>
#include <string>
#include <vector>

namespace qor {

namespace WordList {
constexpr int FontHeight = 33;
constexpr int LineHeight = 44;
constexpr int MaxWordLines = 3;
constexpr int MaxMeaningLines = 5;
constexpr int MaxContextLines = 5; // of each context
} // namespace WordList

// One entry of the list as it is printed.
struct WordListRow {
    std::vector<std::string> word;
    std::vector<std::string> meanings;
    std::array<std::vector<std::string>, 2> contexts; // no lines for an empty context
    std::string classLabel;
    int lines = 0;  // the entry's height
    int page = 0;   // counted from 1
    int offset = 0; // its first line on its page
    // Where the last word line ends, and the top of that line.
    int wordEndX = 0;
    int wordEndY = 0;
};

// Wraps the words, meanings and contexts of the entries for a page of that width.
std::vector<WordListRow> MeasureWordList(const std::vector<TVokabel>& entries, int pageWidth,
                                         const TextWidth& width);
// How many lines a page of that height holds (at least one).
int LinesPerPage(int pageHeight);
// Gives every row its page and line; returns the number of pages.
int PlaceOnPages(std::vector<WordListRow>& rows, int linesPerPage);
// The top of the k-th line of a row.
int RowLineTop(const WordListRow& row, int k);

// One page of the list: the header bar with the library's name and the page
// number, then the rows placed on that page.
PrintPage WordListPage(const std::vector<WordListRow>& rows, int page,
                       const std::string& libraryName, const PageFrame& frame,
                       const TextWidth& width);

} // namespace qor
