#pragma once
// Where flash cards go on their sheets: three columns by seven rows of cards
// 60 x 40 mm, fronts first; the same sheets are then turned over about their
// vertical axis for the backs, so a back lies in the mirrored column and can
// be shifted sideways to meet its front. Each sheet carries dashed cutting
// lines around every card place.
//
//   const auto entries = PrintableEntries(library.Eintraege());
//   FlashCardChoice choice{0, "Familie", 1, CardSheetCount(entries.size())};
//   PrintPage front = FlashCardSheet(entries, 0, CardSide::Front, choice, frame, width);

#include "vocabulary/PrintPage.h"
#include "vocabulary/Vokabel.h"

#include <string>
#include <vector>

namespace qor {

namespace FlashCard {
constexpr int Width = 600;
constexpr int Height = 400;
constexpr int Columns = 3;
constexpr int Rows = 7;
constexpr int PerSheet = Columns * Rows;
constexpr int GridWidth = Columns * Width;
constexpr int GridTop = -20;
constexpr int MaxShift = 40; // of the backs, either way
} // namespace FlashCard

enum class CardSide { Front, Back };

// What the flash-card dialog asks: the backs' shift to the right in 0.1 mm,
// the title on every front and the sheets to print, counted from 1.
struct FlashCardChoice {
    int shift = 0;
    std::string title;
    int firstSheet = 1;
    int lastSheet = 1;
};

// The entries that can be printed: those with a word and a first meaning.
std::vector<TVokabel> PrintableEntries(const std::vector<TVokabel>& entries);

int CardSheetCount(int cards);
// The sheets to print, counted from 0, first to last; a range given the
// wrong way round is turned, one beyond the sheets is cut back.
struct SheetRange {
    int first = 0;
    int last = -1;
};
SheetRange ChosenSheets(const FlashCardChoice& choice, int sheetCount);

// The left edge of the card grid, centred on the page.
int GridLeft(int pageWidth);
// The left edge of a card in its column, and the top edge of its row.
int CardLeft(int column, CardSide side, int gridLeft, int shift);
int CardTop(int row);

// One side of a sheet: its cutting lines and the cards of the entries on it.
PrintPage FlashCardSheet(const std::vector<TVokabel>& entries, int sheet, CardSide side,
                         const FlashCardChoice& choice, const PageFrame& frame,
                         const TextWidth& width);

} // namespace qor
