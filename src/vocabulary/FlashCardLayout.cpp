#include "vocabulary/FlashCardLayout.h"

#include "vocabulary/MeaningSet.h"
#include "vocabulary/PrintTexts.h"
#include "vocabulary/TextWrap.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace qor {

namespace {

using namespace FlashCard;

constexpr int TextIndent = 30; // of every text from the card's left edge
constexpr int TextWidthOnCard = 540;
// The title and the product name are centred over the line beside the
// direction letter.
constexpr int BannerLeft = 150;
constexpr int BannerRight = 570;

constexpr PrintFont DirectionFont{160, true, false};
constexpr PrintFont ProductFont{30, false, true};
constexpr PrintFont TitleFont{36, false, false};
constexpr PrintFont FrontWordFont{48, true, false};
constexpr PrintFont BackWordFont{40, true, false};
constexpr PrintFont MeaningFont{40, false, false};
constexpr PrintFont ContextFont{32, false, true};

struct Card {
    const TVokabel& entry;
    int left = 0;
    int top = 0;
};

void addText(PrintPage& page, const PrintFont& font, int x, int y, std::string text) {
    if (!text.empty())
        page.items.emplace_back(PageText{font, x, y, std::move(text)});
}

// The wrapped text's first lines, one at each of the given heights.
void addWrapped(PrintPage& page, const PrintFont& font, const TextWidth& width, const Card& card,
                const std::string& text, std::initializer_list<int> offsets) {
    const auto lines =
        WrapText(text, TextWidthOnCard, [&](std::string_view part) { return width(font, part); });
    auto line = lines.begin();
    for (const int offset : offsets) {
        if (line == lines.end())
            break;
        addText(page, font, card.left + TextIndent, card.top - offset, *line++);
    }
}

void addCentred(PrintPage& page, const PrintFont& font, const TextWidth& width, const Card& card,
                int offset, const std::string& text) {
    const int middle = card.left + (BannerLeft + BannerRight) / 2;
    addText(page, font, middle - width(font, text) / 2, card.top - offset, text);
}

void addCuttingLines(PrintPage& page, int gridLeft) {
    for (int k = 0; k <= Rows; ++k) {
        const int y = GridTop - Height * k;
        page.items.emplace_back(PageLine{gridLeft, y, gridLeft + GridWidth, y, LineStyle::Dashed});
    }
    for (int k = 0; k <= Columns; ++k) {
        const int x = gridLeft + Width * k;
        page.items.emplace_back(
            PageLine{x, GridTop, x, GridTop - Height * Rows, LineStyle::Dashed});
    }
}

// Each font is set once per side: the texts of one font on all cards, then
// the next.
void addFronts(PrintPage& page, const std::vector<Card>& cards, const std::string& title,
               const TextWidth& width) {
    for (const Card& card : cards) {
        addText(page, DirectionFont, card.left + TextIndent, card.top - 30,
                card.entry.Deutsch ? "D" : "S");
        page.items.emplace_back(PageLine{card.left + BannerLeft, card.top - 80,
                                         card.left + BannerRight, card.top - 80});
    }
    for (const Card& card : cards) {
        addCentred(page, ProductFont, width, card, 40, "*qor spanisch");
        addText(page, ProductFont, card.left + TextIndent, card.top - 320,
                CardClassLabel(card.entry.Wortart));
    }
    for (const Card& card : cards)
        addCentred(page, TitleFont, width, card, 90, title);
    for (const Card& card : cards)
        addWrapped(page, FrontWordFont, width, card, card.entry.Vokabel, {200, 250});
}

void addBacks(PrintPage& page, const std::vector<Card>& cards, const TextWidth& width) {
    for (const Card& card : cards)
        addWrapped(page, BackWordFont, width, card, card.entry.Vokabel, {30, 70});
    for (const Card& card : cards)
        addWrapped(page, MeaningFont, width, card,
                   JoinMeanings(card.entry.Bedeutung[0], card.entry.Bedeutung[1]), {130, 170, 210});
    for (const Card& card : cards)
        if (!card.entry.Kontext[0].empty())
            addWrapped(page, ContextFont, width, card, card.entry.Kontext[0], {270, 302, 334});
}

} // namespace

std::vector<TVokabel> PrintableEntries(const std::vector<TVokabel>& entries) {
    std::vector<TVokabel> printable;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(printable),
                 [](const TVokabel& entry) { return !entry.IsEmpty(); });
    return printable;
}

int CardSheetCount(int cards) {
    return (cards + PerSheet - 1) / PerSheet;
}

SheetRange ChosenSheets(const FlashCardChoice& choice, int sheetCount) {
    const auto [low, high] = std::minmax(choice.firstSheet, choice.lastSheet);
    return {std::max(low, 1) - 1, std::min(high, sheetCount) - 1};
}

int GridLeft(int pageWidth) {
    return (pageWidth - GridWidth) / 2;
}

int CardLeft(int column, CardSide side, int gridLeft, int shift) {
    if (side == CardSide::Front)
        return gridLeft + Width * column;
    return gridLeft + shift + Width * (Columns - 1 - column);
}

int CardTop(int row) {
    return -(Height * row) + GridTop;
}

PrintPage FlashCardSheet(const std::vector<TVokabel>& entries, int sheet, CardSide side,
                         const FlashCardChoice& choice, const PageFrame& frame,
                         const TextWidth& width) {
    const int gridLeft = GridLeft(frame.width);
    const int shift = side == CardSide::Back ? choice.shift : 0;
    std::vector<Card> cards;
    const auto count = static_cast<int>(entries.size());
    for (int i = sheet * PerSheet; i < std::min(count, (sheet + 1) * PerSheet); ++i) {
        const int place = i % PerSheet;
        cards.push_back({entries[static_cast<std::size_t>(i)],
                         CardLeft(place % Columns, side, gridLeft, shift),
                         CardTop(place / Columns)});
    }
    PrintPage page;
    addCuttingLines(page, gridLeft + shift);
    if (side == CardSide::Front)
        addFronts(page, cards, choice.title, width);
    else
        addBacks(page, cards, width);
    return page;
}

} // namespace qor
