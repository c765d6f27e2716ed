// The check box, the radio group and the multiple choice.

#include "ControlPixels.h"
#include "controls/GridCells.h"
#include "controls/XCheckBox.h"
#include "controls/XMultipleChoice.h"
#include "controls/XRadioGroup.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::countPixels;
using test::renderControl;
using test::testFont;

// Moves the mouse over a control that is not on a screen.
void hover(QWidget& control, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, control.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&control, &move);
}

TEST(GridCells, CellsCountColumnByColumn) {
    const QSize cell(120, 20);
    struct Case {
        QPoint point;
        int index;
    };
    // Two columns of two rows.
    for (const Case& c :
         {Case{{5, 5}, 0}, Case{{5, 25}, 1}, Case{{125, 5}, 2}, Case{{125, 25}, 3},
          Case{{239, 39}, 3}, Case{{240, 5}, -1}, Case{{5, 40}, -1}, Case{{-1, 5}, -1}})
        EXPECT_EQ(GridCellAt(c.point, cell, 2, 2), c.index) << c.point.x() << "," << c.point.y();
    EXPECT_EQ(GridCellRect(3, cell, 2), QRect(120, 20, 120, 20));
    EXPECT_EQ(GridCellRect(4, QSize(10, 10), 3), QRect(10, 10, 10, 10));
    EXPECT_EQ(GridCellAt({5, 5}, QSize(0, 20), 2, 2), -1) << "cells without size";
}

TEST(XCheckBox, PressingTogglesAndReleasingInsideClicks) {
    tXCheckBox box;
    std::vector<std::string> events;
    box.OnMouseDown = [&](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        events.push_back(box.Checked() ? "down:on" : "down:off");
    };
    box.OnClick = [&](QWidget* sender) {
        EXPECT_EQ(sender, &box);
        events.push_back("click");
    };
    box.OnMouseUp = [&](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        events.push_back("up");
    };
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(events, (std::vector<std::string>{"down:on", "click", "up"}));

    events.clear();
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(200, 8));
    EXPECT_FALSE(box.Checked()) << "pressing toggles, wherever the button is released";
    EXPECT_EQ(events, (std::vector<std::string>{"down:off", "up"}));

    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(5, 8));
    EXPECT_FALSE(box.Checked()) << "only the left button toggles";
    EXPECT_EQ(box.size(), QSize(65, 17));
}

TEST(XCheckBox, DrawsAWhiteSquareWithATickWhenChecked) {
    tXCheckBox box;
    box.setFont(testFont());
    const int top = (box.height() - tXCheckBox::BoxSize) / 2;
    const QRect inside(1, top + 1, 10, 10);
    QImage image = renderControl(box);
    EXPECT_EQ(image.pixel(0, top) & 0xFFFFFF, 0u) << "black frame";
    EXPECT_EQ(countPixels(image, inside, test::isColor(qRgb(255, 255, 255))), 100);

    box.setChecked(true);
    image = renderControl(box);
    // The tick's corner and its copies one and two pixels lower.
    for (int shift = 0; shift < 3; ++shift)
        EXPECT_EQ(image.pixel(4, top + 7 + shift) & 0xFFFFFF, 0u) << "shift " << shift;
    EXPECT_EQ(image.pixel(4, top + 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(XCheckBox, TheCaptionTurnsGreyWhenDisabled) {
    tXCheckBox box;
    box.setFont(testFont());
    box.setCaption("Hola");
    const QRect caption(tXCheckBox::CaptionLeft, 0, 49, 17);
    EXPECT_GT(countPixels(renderControl(box), caption, test::isDark), 5);
    box.setEnabled(false);
    const QImage grey = renderControl(box);
    EXPECT_EQ(countPixels(grey, caption, test::isDark), 0);
    EXPECT_GT(countPixels(grey, caption, test::isNear(qRgb(0x80, 0x80, 0x80), 10)), 5);
}

TEST(XRadioGroup, AClickInTheLowerRightCellOfATwoByTwoGridSelectsIndexThree) {
    tXRadioGroup group;
    group.setSpalten(2);
    group.setZeilen(2);
    group.resize(240, 40);
    int clicks = 0;
    group.OnClick = [&](QWidget*) {
        ++clicks;
    };
    EXPECT_EQ(group.Selected(), 0);
    QTest::mouseClick(&group, Qt::LeftButton, {}, QPoint(130, 30));
    EXPECT_EQ(group.Selected(), 3);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&group, Qt::LeftButton, {}, QPoint(130, 10));
    EXPECT_EQ(group.Selected(), 2);
    QTest::mouseClick(&group, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(group.Selected(), 2) << "the right button selects nothing";
    EXPECT_EQ(clicks, 2);
}

TEST(XRadioGroup, EmptyCellsReadOptionAndTheSelectedCircleHoldsADot) {
    tXRadioGroup group;
    group.setItems({"uno", ""});
    EXPECT_EQ(group.CellText(0), "uno");
    EXPECT_EQ(group.CellText(1), "Option 1");
    EXPECT_EQ(group.CellText(5), "Option 5");

    group.setFont(testFont());
    group.setSelected(1);
    const QImage image = renderControl(group);
    const int circleTop = (20 - tXRadioGroup::CircleSize) / 2;
    const QPoint centre(6, circleTop + 6);
    EXPECT_EQ(image.pixel(centre) & 0xFFFFFF, 0xFFFFFFu) << "cell 0 unselected";
    EXPECT_EQ(image.pixel(centre + QPoint(0, 20)) & 0xFFFFFF, 0u) << "cell 1 selected";
    EXPECT_GT(countPixels(image, QRect(16, 20, 100, 20), test::isDark), 10) << "Option 1";
}

class MultipleChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        choice.setFont(testFont());
        choice.setItems({"uno", "dos", "tres", "cuatro"});
        choice.setSpalten(2);
        choice.setZeilen(2);
        choice.resize(240, 80);
        choice.setActiveColor(rgbColor(0xFF, 0, 0));
        choice.setInActiveColor(rgbColor(0, 0, 0xFF));
        choice.OnSelect = [this](QWidget*, int feld, Qt::MouseButton button) {
            selects.emplace_back(feld, button);
        };
    }

    int redPixelsIn(int cell) {
        return countPixels(renderControl(choice), GridCellRect(cell, QSize(120, 40), 2),
                           test::isReddish);
    }

    TXMultipleChoice choice;
    std::vector<std::pair<int, Qt::MouseButton>> selects;
};

TEST_F(MultipleChoiceTest, TheCellUnderTheMouseLightsUp) {
    EXPECT_EQ(redPixelsIn(2), 0);
    hover(choice, QPoint(130, 10));
    EXPECT_EQ(choice.HoverCell(), 2);
    EXPECT_GT(redPixelsIn(2), 5);
    EXPECT_EQ(redPixelsIn(0), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&choice, &leave);
    EXPECT_EQ(choice.HoverCell(), -1);
}

TEST_F(MultipleChoiceTest, ReleasingReportsTheCellAndTheLeftButtonSelectsIt) {
    int clicks = 0;
    choice.OnClick = [&](QWidget*) {
        ++clicks;
    };
    QTest::mouseClick(&choice, Qt::RightButton, {}, QPoint(10, 50));
    EXPECT_EQ(choice.Selected(), -1) << "the right button only reports";
    QTest::mouseClick(&choice, Qt::LeftButton, {}, QPoint(130, 50));
    EXPECT_EQ(choice.Selected(), 3);
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(selects.size(), 2u);
    EXPECT_EQ(selects[0], std::make_pair(1, Qt::RightButton));
    EXPECT_EQ(selects[1], std::make_pair(3, Qt::LeftButton));

    choice.resize(300, 100);
    QTest::mouseClick(&choice, Qt::LeftButton, {}, QPoint(260, 90));
    EXPECT_EQ(selects.size(), 2u) << "outside the grid there is no cell";
    EXPECT_EQ(choice.Selected(), 3);
}

TEST_F(MultipleChoiceTest, AHighlightedAnswerEndsHoverAndSelection) {
    hover(choice, QPoint(10, 10));
    choice.setHighlight(1);
    EXPECT_EQ(choice.HoverCell(), -1);
    hover(choice, QPoint(130, 10));
    EXPECT_EQ(choice.HoverCell(), -1);
    QTest::mouseClick(&choice, Qt::LeftButton, {}, QPoint(130, 10));
    EXPECT_EQ(choice.Selected(), -1);
    ASSERT_EQ(selects.size(), 1u) << "still reported";
    EXPECT_EQ(selects[0].first, 2);
}

TEST_F(MultipleChoiceTest, TheRightAnswerGetsAPointerInTheHighlightColour) {
    choice.setHighlightColor(rgbColor(0, 0xFF, 0));
    const QRect cell = GridCellRect(1, QSize(120, 40), 2);
    const auto green = [&] {
        return countPixels(renderControl(choice), cell, test::isColor(qRgb(0, 0xFF, 0)));
    };
    EXPECT_EQ(green(), 0);
    choice.setHighlight(1);
    const QImage image = renderControl(choice);
    EXPECT_GT(green(), 20);
    const int middle = cell.top() + 20;
    EXPECT_EQ(image.pixel(cell.left() + 10, middle - 5) & 0xFFFFFF, 0x00FF00u) << "line down";
    EXPECT_EQ(image.pixel(cell.left() + 10, cell.top() + 4) & 0xFFFFFF, 0x00FF00u) << "dot";
    const int textLeft =
        cell.left() + (120 - QFontMetrics(testFont()).horizontalAdvance("dos")) / 2;
    EXPECT_EQ(image.pixel(textLeft - 12, middle) & 0xFFFFFF, 0x00FF00u) << "arrowhead";
    EXPECT_NE(image.pixel(textLeft - 8, middle) & 0xFFFFFF, 0x00FF00u) << "10 pixels before text";
}

TEST_F(MultipleChoiceTest, TheBitmapUnderTheControlShowsThrough) {
    QWidget page;
    QImage buffer(400, 300, QImage::Format_RGB32);
    buffer.fill(qRgb(0, 0, 0));
    QPainter(&buffer).fillRect(50, 60, 240, 80, qRgb(10, 200, 30));
    auto* onPage = new TXMultipleChoice(&page);
    onPage->move(50, 60);
    onPage->setBitmap({&buffer, QPoint(0, 0)});
    EXPECT_EQ(renderControl(*onPage).pixel(2, 2) & 0xFFFFFF, qRgb(10, 200, 30) & 0xFFFFFFu);

    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(qRgb(200, 0, 200));
    onPage->setBitmap({});
    onPage->setHintergrund({&picture, QPoint(40, 50)});
    EXPECT_EQ(renderControl(*onPage).pixel(2, 2) & 0xFFFFFF, qRgb(200, 0, 200) & 0xFFFFFFu);
    EXPECT_EQ(choice.CellText(9), "Antwort 9");
}

} // namespace
} // namespace qor
