// The geometry of printed flash cards and word lists, measured with a font
// whose every character is half as wide as the font is high.

#include "vocabulary/FlashCardLayout.h"
#include "vocabulary/PrintTexts.h"
#include "vocabulary/TextWrap.h"
#include "vocabulary/WordListLayout.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

int halfHeight(const PrintFont& font, std::string_view text) {
    return static_cast<int>(text.size()) * font.height / 2;
}

std::vector<PageText> texts(const PrintPage& page) {
    std::vector<PageText> result;
    for (const PageItem& item : page.items)
        if (const auto* text = std::get_if<PageText>(&item))
            result.push_back(*text);
    return result;
}

template <typename Item> std::vector<Item> itemsOf(const PrintPage& page) {
    std::vector<Item> result;
    for (const PageItem& item : page.items)
        if (const auto* found = std::get_if<Item>(&item))
            result.push_back(*found);
    return result;
}

// The texts of one font, in page order.
std::vector<PageText> inFont(const PrintPage& page, const PrintFont& font) {
    std::vector<PageText> result;
    for (const PageText& text : texts(page))
        if (text.font == font)
            result.push_back(text);
    return result;
}

TVokabel entry(std::string word, std::string meaning, int wordClass = 0, bool german = false) {
    TVokabel e;
    e.Vokabel = std::move(word);
    e.Bedeutung[0] = std::move(meaning);
    e.Wortart = static_cast<std::uint8_t>(wordClass);
    e.Deutsch = german;
    return e;
}

std::vector<TVokabel> numbered(int count) {
    std::vector<TVokabel> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(entry("w" + std::to_string(i), "m" + std::to_string(i), 0, i % 2 == 1));
    return entries;
}

constexpr PrintFont Direction{160, true, false};
constexpr PrintFont BackWord{40, true, false};

TEST(FlashCardLayout, CardsLieInTheirPlacesOnBothSides) {
    const auto entries = numbered(22);
    ASSERT_EQ(CardSheetCount(22), 2);
    EXPECT_EQ(CardSheetCount(21), 1);
    EXPECT_EQ(CardSheetCount(0), 0);
    struct Case {
        int index;
        CardSide side;
        int shift;
        int pageWidth;
        int left; // of the card
        int top;
    };
    const Case cases[] = {
        {0, CardSide::Front, 0, 2000, 100, -20},
        {2, CardSide::Front, 0, 2000, 1300, -20},
        {4, CardSide::Front, 0, 2000, 700, -420},
        {20, CardSide::Front, 0, 2000, 1300, -2420},
        {21, CardSide::Front, 0, 2000, 100, -20}, // the second sheet's first card
        {0, CardSide::Front, 0, 2001, 100, -20},  // the grid's offset is truncated
        {0, CardSide::Front, 0, 1799, 0, -20},    // ... toward zero
        {0, CardSide::Back, 0, 2000, 1300, -20},  // behind its front: mirrored
        {2, CardSide::Back, 0, 2000, 100, -20},
        {0, CardSide::Back, 15, 2000, 1315, -20}, // shifted 1.5 mm to the right
        {4, CardSide::Back, -40, 2000, 660, -420},
        {21, CardSide::Back, 15, 2000, 1315, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "card " << c.index << " shift " << c.shift);
        const FlashCardChoice choice{c.shift, "Thema", 1, 2};
        const PrintPage page = FlashCardSheet(entries, c.index / FlashCard::PerSheet, c.side,
                                              choice, {c.pageWidth, 2870, true}, halfHeight);
        const auto marks = inFont(page, c.side == CardSide::Front ? Direction : BackWord);
        const auto& mark = marks.at(static_cast<std::size_t>(c.index % FlashCard::PerSheet));
        EXPECT_EQ(mark.x, c.left + 30);
        EXPECT_EQ(mark.y, c.top - 30);
        const std::string expected =
            c.side == CardSide::Back ? "w" + std::to_string(c.index) : (c.index % 2 ? "D" : "S");
        EXPECT_EQ(mark.text, expected);
    }
}

TEST(FlashCardLayout, EverySheetHasItsFullSetOfCuttingLines) {
    const auto entries = numbered(22);
    for (const CardSide side : {CardSide::Front, CardSide::Back}) {
        const PrintPage last =
            FlashCardSheet(entries, 1, side, {15, "T", 1, 2}, {2000, 2870, true}, halfHeight);
        const int left = side == CardSide::Back ? 115 : 100; // the backs shifted 1.5 mm
        std::vector<PageLine> expected;
        for (int k = 0; k <= 7; ++k)
            expected.push_back(
                {left, -20 - 400 * k, left + 1800, -20 - 400 * k, LineStyle::Dashed});
        for (int k = 0; k <= 3; ++k)
            expected.push_back({left + 600 * k, -20, left + 600 * k, -2820, LineStyle::Dashed});
        auto lines = itemsOf<PageLine>(last);
        std::erase_if(lines, [](const PageLine& line) { return line.style == LineStyle::Solid; });
        EXPECT_EQ(lines, expected);
        // One card on it, top left on its front, top right on its back.
        const auto marks = inFont(last, side == CardSide::Front ? Direction : BackWord);
        ASSERT_EQ(marks.size(), 1U);
        EXPECT_EQ(marks[0].x, side == CardSide::Front ? 130 : 1345);
    }
}

TEST(FlashCardLayout, CardTextsWrapAndStayOnTheirLines) {
    TVokabel word = entry("eins zwei drei vier fuenf sechs sieben acht neun zehn elf zwoelf",
                          "Bedeutung mit vielen Woertern darin", 4, true);
    word.Bedeutung[1] = "und noch mehr Bedeutungen dahinter und davor und danach und dann";
    word.Kontext[0] = "Ein Satz.";
    const FlashCardChoice choice{0, "Familie", 1, 1};
    const PageFrame frame{2000, 2870, true};
    const PrintPage front = FlashCardSheet({word}, 0, CardSide::Front, choice, frame, halfHeight);
    const PrintPage back = FlashCardSheet({word}, 0, CardSide::Back, choice, frame, halfHeight);
    struct Case {
        const PrintPage* page;
        PrintFont font;
        std::vector<std::pair<int, int>> places; // x, y of each text
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        // Two lines of the word at 48: 540 / 24 = 22 characters a line.
        {&front,
         {48, true, false},
         {{130, -220}, {130, -270}},
         {"eins zwei drei vier ", "fuenf sechs sieben "}},
        {&front, {160, true, false}, {{130, -50}}, {"D"}},
        // Centred between 150 and 570 of the card: 360 - width / 2.
        {&front,
         {30, false, true},
         {{100 + 360 - 97, -60}, {130, -340}},
         {"*qor spanisch", "Rw. m. V."}},
        {&front, {36, false, false}, {{100 + 360 - 63, -110}}, {"Familie"}},
        {&back,
         {40, true, false},
         {{1330, -50}, {1330, -90}},
         {"eins zwei drei vier fuenf ", "sechs sieben acht neun "}},
        // Both meanings joined, at most three lines of 27 characters.
        {&back,
         {40, false, false},
         {{1330, -150}, {1330, -190}, {1330, -230}},
         {"Bedeutung mit vielen ", "Woertern darin; und noch ", "mehr Bedeutungen dahinter "}},
        {&back, {32, false, true}, {{1330, -290}}, {"Ein Satz."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "font " << c.font.height);
        const auto found = inFont(*c.page, c.font);
        ASSERT_EQ(found.size(), c.lines.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].text, c.lines[i]);
            EXPECT_EQ(std::pair(found[i].x, found[i].y), c.places[i]);
        }
    }
    const auto rule = itemsOf<PageLine>(front).back();
    EXPECT_EQ(rule, (PageLine{250, -100, 670, -100, LineStyle::Solid}));
}

TEST(FlashCardLayout, SheetRangesAndShiftReadOut) {
    struct Case {
        int first, last, sheets, wantFirst, wantLast;
    };
    for (const Case& c : {Case{1, 3, 3, 0, 2}, Case{3, 2, 3, 1, 2}, Case{2, 9, 3, 1, 2}}) {
        const SheetRange range = ChosenSheets({0, "", c.first, c.last}, c.sheets);
        EXPECT_EQ(std::pair(range.first, range.last), std::pair(c.wantFirst, c.wantLast));
    }
    const std::pair<int, const char*> shifts[] = {
        {0, "0,0 mm"}, {15, "1,5 mm"}, {40, "4,0 mm"}, {-15, "-1,5 mm"}, {-5, "-0,5 mm"}};
    for (const auto& [shift, text] : shifts)
        EXPECT_EQ(ShiftText(shift), text);
    EXPECT_EQ(LibraryTitle("/v/Grundwortschatz/Familie.asc"), "Familie");
    EXPECT_EQ(LibraryTitle(""), "Ohne Namen");
}

TEST(TextWrap, BreaksAfterBlanksAndKeepsTheRestTogether) {
    const LineWidth tenEach = [](std::string_view text) {
        return static_cast<int>(text.size()) * 10;
    };
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", 100, {""}},
        {"kurz", 100, {"kurz"}},
        {"aa bb cc", 50, {"aa ", "bb cc"}},
        {"aa bb cc dd", 60, {"aa bb ", "cc dd"}},
        {"xxxxxxxx yy", 50, {"xxxxxxxx ", "yy"}}, // too wide, uncut, alone
        {"aa xxxxxxxx", 50, {"aa ", "xxxxxxxx"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapText(c.text, c.width, tenEach), c.lines) << c.text;
}

TEST(WordListLayout, EntriesFillPagesLineByLine) {
    // At 33 units n characters are 33 n / 2 wide: 52 fill a word line.
    const std::string longWord(60, 'x');
    std::vector<TVokabel> entries = {
        entry("a", "b"),                                                         // 1 line
        entry(longWord + " " + longWord + " " + longWord + " " + longWord, "b"), // 3 of 4
        entry("a", "eins zwei drei vier fuenf sechs sieben acht neun zehn elf zwoelf "
                   "dreizehn vierzehn fuenfzehn sechzehn siebzehn achtzehn neunzehn"),
        entry("a", "b"),
    };
    entries[0].Kontext = {"Satz eins.", "Satz zwei."}; // word + 2 context lines
    const int width = 2000;                            // meanings 650 wide: 39 characters
    auto rows = MeasureWordList(entries, width, halfHeight);
    std::vector<int> heights;
    for (const auto& row : rows)
        heights.push_back(row.lines);
    EXPECT_EQ(heights, (std::vector<int>{3, 3, 4, 1}));
    EXPECT_EQ(LinesPerPage(2870), 60);
    EXPECT_EQ(LinesPerPage(100), 1);
    struct Case {
        int linesPerPage;
        int pages;
        std::vector<std::pair<int, int>> places; // page, offset of each entry
    };
    const Case cases[] = {
        {60, 1, {{1, 0}, {1, 3}, {1, 6}, {1, 10}}},
        {6, 2, {{1, 0}, {1, 3}, {2, 0}, {2, 4}}},
        {10, 2, {{1, 0}, {1, 3}, {1, 6}, {2, 0}}},
        {2, 4, {{1, 0}, {2, 0}, {3, 0}, {4, 0}}}, // taller than a page: a page each
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.linesPerPage);
        EXPECT_EQ(PlaceOnPages(rows, c.linesPerPage), c.pages);
        std::vector<std::pair<int, int>> places;
        for (const auto& row : rows)
            places.emplace_back(row.page, row.offset);
        EXPECT_EQ(places, c.places);
    }
}

TEST(WordListLayout, PagesCarryHeaderShadesNumbersAndLabelsWhereThereIsRoom) {
    std::vector<TVokabel> entries = {entry("casa", "Haus", 0), entry(std::string(50, 'x'), "m", 0),
                                     entry(std::string(50, 'y'), "m", 4), entry("ir", "gehen", 1)};
    entries[1].Kontext[1] = "Kontext";
    auto rows = MeasureWordList(entries, 2000, halfHeight);
    PlaceOnPages(rows, 3); // the first two entries (one line, two) on page 1, then the others
    const PrintPage fine = WordListPage(rows, 1, "Familie.asc", {2000, 2870, true}, halfHeight);
    const PrintPage coarse = WordListPage(rows, 2, "Familie.asc", {2000, 2870, false}, halfHeight);
    EXPECT_EQ(itemsOf<PageBox>(fine),
              (std::vector<PageBox>{{20, -20, 1980, -120, BoxFill::Black},
                                    {270, -160, 1980, -204, BoxFill::Shade}}));
    EXPECT_EQ(itemsOf<PageBox>(coarse),
              (std::vector<PageBox>{{20, -20, 1980, -120, BoxFill::Outline}}));
    const std::vector<PageText> expectedFine = {
        {{33, true, false}, (2000 - 181) / 2, -55, "Familie.asc", Ink::White},
        {{33, false, true}, 1900 - 66, -55, "S. 1", Ink::White},
        {{33, false, false}, 250 - 16, -160, "1"},
        {{33, true, false}, 290, -160, "casa"},
        {{33, true, false}, 1250, -160, "Haus"},
        {{33, false, true}, 290 + 66 + 30, -160, "N."}, // after the word
        {{33, false, false}, 250 - 16, -204, "2"},
        {{33, true, false}, 290, -204, std::string(50, 'x')},
        {{33, true, false}, 1250, -204, "m"},
        {{33, false, true}, 290 + 825 + 30, -204, "N."}, // ends at 1178 < 1200
        {{33, false, false}, 340, -248, "Kontext"},      // below the word
    };
    EXPECT_EQ(texts(fine), expectedFine);
    const std::vector<PageText> expectedCoarse = {
        {{33, true, false}, (2000 - 181) / 2, -55, "Familie.asc"},
        {{33, false, true}, 1900 - 66, -55, "S. 2"},
        {{33, false, false}, 250 - 16, -160, "3"},
        {{33, true, false}, 290, -160, std::string(50, 'y')},
        {{33, true, false}, 1250, -160, "m"}, // "Rw. m. V." would end at 1293: left out
        {{33, false, false}, 250 - 16, -204, "4"},
        {{33, true, false}, 290, -204, "ir"},
        {{33, true, false}, 1250, -204, "gehen"},
        {{33, false, true}, 290 + 33 + 30, -204, "V."},
    };
    EXPECT_EQ(texts(coarse), expectedCoarse);
}

} // namespace
} // namespace qor
