#include "controls/XLabel.h"

#include "ControlPixels.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::countPixels;
using test::renderControl;
using test::testFont;

TEST(NotePosition, BelowTheAnchorUnlessThePageEdgesAreNear) {
    const QSize page(800, 572);
    const QSize note(200, 40);
    struct Case {
        QRect anchor;
        QPoint expected;
    };
    for (const Case& c : {
             Case{{100, 100, 50, 20}, {108, 128}},
             Case{{584, 100, 50, 20}, {592, 128}}, // right edge exactly at 800 - 8
             Case{{585, 100, 50, 20}, {576, 128}}, // one further: moved left
             Case{{100, 480, 50, 20}, {108, 508}}, // bottom exactly at 572 - 24
             Case{{100, 481, 50, 20}, {108, 433}}, // one further: above the anchor
             Case{{700, 540, 50, 20}, {576, 492}}, // both
         })
        EXPECT_EQ(NotePosition(c.anchor, note, page), c.expected)
            << c.anchor.x() << "," << c.anchor.y();
}

TEST(XLabel, ANoteWrapsAtTwoHundredPixelsAndHidesOnALeftClick) {
    QWidget page;
    page.resize(800, 572);
    auto* note = new TXLabel(&page);
    note->setFont(testFont());
    note->hide();
    note->ShowNote("Ein kurzer Hinweis", QRect(100, 100, 50, 20), page.size());
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->pos(), QPoint(108, 128));
    const QFontMetrics metrics(testFont());
    EXPECT_NEAR(note->width(), metrics.horizontalAdvance("Ein kurzer Hinweis") + 16, 1);
    EXPECT_EQ(note->height(), metrics.height() + 16);

    note->ShowNote("Die Verben auf -ar, -er und -ir bilden ihre Formen nach festen Regeln.",
                   QRect(100, 100, 50, 20), page.size());
    EXPECT_LE(note->width(), TXLabel::NoteWidth);
    EXPECT_GE(note->height(), 2 * metrics.height() + 16) << "wrapped onto two lines";

    QTest::mouseClick(note, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(note->isHidden());
    QTest::mouseClick(note, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(note->isHidden());
}

TEST(XLabel, IsAFramedRectangleWithTheCaptionInsideTheMargin) {
    TXLabel label;
    EXPECT_EQ(label.size(), QSize(65, 17));
    label.setFont(testFont());
    label.setCaption("Hola");
    const QImage image = renderControl(label);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(label.width() - 1, label.height() - 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(3, 3) & 0xFFFFFF, 0xFFFFE0u);
    const QRect margin(1, 1, label.width() - 2, label.height() - 2);
    const QRect inside = label.rect().adjusted(8, 8, -8, -8);
    EXPECT_GT(countPixels(image, inside, test::isDark), 10);
    EXPECT_EQ(countPixels(image, margin, test::isDark), countPixels(image, inside, test::isDark));

    QWidget widget;
    TXLabel clicked(&widget);
    QTest::mouseClick(&clicked, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(clicked.isHidden()) << "only notes hide on a click";
}

TEST(XLabel, AutoSizeAndAccelerators) {
    TXLabel label;
    label.setFont(testFont());
    label.setWordWrap(false);
    label.setCaption("M&&M &Hola");
    const QFontMetrics metrics(testFont());
    EXPECT_NEAR(label.width(), metrics.horizontalAdvance("M&M Hola") + 16, 1);
    EXPECT_EQ(label.height(), metrics.height() + 16);
    label.setShowAccelChar(false);
    const int width = label.width();
    EXPECT_NEAR(width, metrics.horizontalAdvance("M&&M &Hola") + 16, 1);
    label.setAutoSize(false);
    label.setCaption("ein viel längerer Text");
    EXPECT_EQ(label.width(), width);
    label.setAutoSize(true);
    label.setCaption("");
    EXPECT_EQ(label.height(), metrics.height() + 16) << "an empty caption keeps one line";
}

TEST(XLabel, AlignFollowsTheParentsSize) {
    QWidget parent;
    parent.resize(300, 200);
    auto* label = new TXLabel(&parent);
    label->setAutoSize(false);
    label->resize(50, 30);
    label->setAlign(TAlign::alBottom);
    EXPECT_EQ(label->geometry(), QRect(0, 170, 300, 30));
    parent.resize(400, 100);
    QResizeEvent resized(QSize(400, 100), QSize(300, 200));
    QApplication::sendEvent(&parent, &resized);
    EXPECT_EQ(label->geometry(), QRect(0, 70, 400, 30));
    label->setAlign(TAlign::alClient);
    EXPECT_EQ(label->geometry(), QRect(0, 0, 400, 100));
}

} // namespace
} // namespace qor
