#include "controls/XListBox.h"

#include "ControlPixels.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::countPixels;
using test::filled;
using test::renderControl;
using test::testFont;

void wheel(QWidget& control, int delta) {
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&control, &event);
}

TEST(ListItems, MarkerTextAndRightPart) {
    struct Case {
        std::string item;
        char marker;
        std::string text;
        std::string right;
    };
    const std::string longText(90, 'v');
    for (const Case& c :
         {Case{"\xA7Verb&12", OnMarker, "Verb", "12"}, Case{"$Verb", OffMarker, "Verb", ""},
          Case{"Haus&123456", 0, "Haus", "1234"}, Case{"Haus&", 0, "Haus", ""}, Case{"", 0, "", ""},
          Case{"\xA7", OnMarker, "", ""},
          Case{"\xA7" + longText + "&1", OnMarker, longText.substr(0, 80), "1"},
          Case{longText, 0, longText, ""}}) {
        const ListItemParts parts = SplitListItem(c.item);
        EXPECT_EQ(parts.marker, c.marker) << c.item;
        EXPECT_EQ(parts.text, c.text) << c.item;
        EXPECT_EQ(parts.right, c.right) << c.item;
    }
    EXPECT_EQ(ToggleListItemMarker("\xA7Verb&12"), "$Verb&12");
    EXPECT_EQ(ToggleListItemMarker("$Verb"), "\xA7Verb");
    EXPECT_EQ(ToggleListItemMarker("Verb"), "Verb");
    EXPECT_EQ(ToggleListItemMarker(""), "");
    EXPECT_EQ(ListItemText("$Verb&12"), "Verb&12");
    EXPECT_EQ(ListItemText("Verb"), "Verb");
}

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.setFont(testFont());
        list.resize(200, 100);
        list.setIcon1(filled(12, 12, qRgb(255, 0, 0)));
        list.setIcon2(filled(14, 12, qRgb(0, 0, 255)));
        list.OnChange = [this](QWidget*) {
            ++changes;
        };
    }

    void click(int row) { QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(50, row * 20 + 10)); }

    TXListBox list;
    int changes = 0;
};

TEST_F(ListBoxTest, AnOnOffItemShowsItsIconWordAndRightAlignedNumberAndAClickSwitchesIt) {
    list.setListenTyp(TListenTyp::ltOnOff);
    list.setItems({"\xA7Verb&12", "otro"});
    const QFontMetrics metrics(testFont());
    QImage image = renderControl(list);
    EXPECT_EQ(image.pixel(5, 10) & 0xFFFFFF, 0xFF0000u) << "Icon1, vertically centred at x = 0";
    EXPECT_EQ(image.pixel(5, 3) & 0xFFFFFF, 0xFFFFFFu);
    const int wordEnd = 12 + metrics.horizontalAdvance("Verb");
    const int numberLeft = 200 - 30 - metrics.horizontalAdvance("12");
    const auto darkIn = [&](int left, int right) {
        return countPixels(image, QRect(left, 0, right - left, 20), test::isDark);
    };
    EXPECT_GT(darkIn(12, wordEnd), 10) << "the word right after the icon";
    EXPECT_GT(darkIn(numberLeft, 170), 5) << "the number ends 30 pixels from the right edge";
    EXPECT_EQ(darkIn(171, 200), 0);
    EXPECT_EQ(darkIn(wordEnd + 2, numberLeft - 1), 0) << "nothing of the \"&\" is drawn";

    click(0);
    EXPECT_EQ(list.Items()[0], "$Verb&12");
    EXPECT_EQ(list.Selected(), 0);
    EXPECT_EQ(list.Text(), "Verb&12");
    EXPECT_EQ(changes, 1);
    image = renderControl(list);
    EXPECT_EQ(image.pixel(5, 10) & 0xFFFFFF, 0x0000FFu) << "now Icon2";
    click(0);
    EXPECT_EQ(list.Items()[0], "\xA7Verb&12");
    click(1);
    EXPECT_EQ(list.Items()[1], "otro") << "items without marker stay";
    EXPECT_EQ(list.Text(), "otro");
}

TEST_F(ListBoxTest, TheSelectedItemIsDrawnInFarbeAn) {
    list.setFarbeAn(rgbColor(255, 0, 0));
    list.setItems({"uno", "dos"});
    click(1);
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(list.Items()[1], "dos");
    const QImage image = renderControl(list);
    EXPECT_GT(countPixels(image, QRect(0, 20, 100, 20), test::isReddish), 10);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 100, 20), test::isReddish), 0);
    EXPECT_GT(countPixels(image, QRect(0, 0, 8, 20), test::isDark) +
                  countPixels(image, QRect(8, 0, 100, 20), test::isDark),
              10);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 8, 40), test::isDark), 0) << "text starts at x = 8";
}

TEST_F(ListBoxTest, AViewOnlyListSelectsNothing) {
    list.setListenTyp(TListenTyp::ltViewOnly);
    list.setItems({"\xA7uno", "dos"});
    click(0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.Items()[0], "\xA7uno");
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(changes, 0);
}

TEST_F(ListBoxTest, ArrowKeysMoveTheSelectionAndKeepItInView) {
    list.setItems({"a", "b", "c", "d", "e", "f", "g"});
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.Selected(), 0);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.Selected(), 5);
    EXPECT_EQ(list.Text(), "f");
    EXPECT_EQ(list.Topline(), 1) << "five rows fit";
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.Selected(), 6);
    EXPECT_EQ(changes, 7);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.Selected(), 0);
    EXPECT_EQ(list.Topline(), 0);
}

TEST_F(ListBoxTest, TheWheelMovesToplineByOneItemPerNotch) {
    list.setItems({"a", "b", "c", "d", "e", "f", "g"});
    int ups = 0;
    bool handle = false;
    list.OnMouseWheelUp = [&](QWidget*, Qt::KeyboardModifiers, QPoint, bool& handled) {
        ++ups;
        handled = handle;
    };
    wheel(list, -120);
    EXPECT_EQ(list.Topline(), 1);
    wheel(list, -60);
    EXPECT_EQ(list.Topline(), 1) << "half a notch";
    wheel(list, -60);
    wheel(list, -120);
    wheel(list, -120);
    EXPECT_EQ(list.Topline(), 2) << "no further than the last full page";
    wheel(list, 120);
    EXPECT_EQ(list.Topline(), 1);
    handle = true;
    wheel(list, 120);
    EXPECT_EQ(list.Topline(), 1) << "a handler took the wheel";
    EXPECT_EQ(ups, 2);
}

TEST_F(ListBoxTest, TheScrollBarAppearsForLongListsAndScrollsThem) {
    auto* bar = list.findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    list.setItems({"a", "b"});
    EXPECT_TRUE(bar->isHidden());
    list.setItems({"a", "b", "c", "d", "e", "f", "g"});
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), 2);
    bar->setValue(2);
    EXPECT_EQ(list.Topline(), 2);
    click(0);
    EXPECT_EQ(list.Selected(), 2) << "rows count from Topline";
    list.setTopline(0);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ListBoxTest, OnPaintFollowsEachPaintAndDoubleClicksAreReported) {
    int paints = 0;
    int doubles = 0;
    list.OnPaint = [&](QWidget*) {
        ++paints;
    };
    list.OnDblClick = [&](QWidget*) {
        ++doubles;
    };
    renderControl(list);
    EXPECT_EQ(paints, 1);
    list.setListenTyp(TListenTyp::ltOnOff);
    list.setItems({"\xA7uno"});
    QTest::mouseDClick(&list, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(list.Items()[0], "\xA7uno") << "each of the two presses switches the item";
}

TEST_F(ListBoxTest, TheBackgroundIsHintergrundThenImageThenColor) {
    list.setColor(rgbColor(0, 255, 0));
    EXPECT_EQ(renderControl(list).pixel(50, 50) & 0xFFFFFF, 0x00FF00u);
    const QImage picture = filled(300, 300, qRgb(255, 0, 255));
    list.setImage(&picture);
    EXPECT_EQ(renderControl(list).pixel(50, 50) & 0xFFFFFF, 0xFF00FFu);
    QWidget form;
    list.setParent(&form);
    list.move(10, 10);
    QImage backdrop = filled(300, 300, qRgb(0, 0, 0));
    backdrop.setPixel(60, 60, qRgb(1, 2, 3));
    list.setHintergrund({&backdrop, QPoint(0, 0)});
    EXPECT_EQ(renderControl(list).pixel(50, 50) & 0xFFFFFF, 0x010203u);
    list.setParent(nullptr);
}

} // namespace
} // namespace qor
