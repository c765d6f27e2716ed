#include "controls/XColorButton.h"

#include "ControlPixels.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::countPixels;
using test::filled;
using test::renderControl;

QFont testFont() {
    return test::testFont(14);
}

void enter(QWidget& control) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&control, &event);
}

QRgb pixel(QWidget& control, int x, int y) {
    return renderControl(control).pixel(x, y) & 0xFFFFFF;
}

TEST(XColorButton, FrameColoursDependOnTheButtonColour) {
    struct Case {
        Color button;
        Color light;
        Color dark;
    };
    for (const Case& c :
         {Case{rgbColor(0x80, 0x80, 0x80), ColorValue::White, ColorValue::Black},
          Case{ColorValue::White, rgbColor(0xC0, 0xC0, 0xC0), rgbColor(0x80, 0x80, 0x80)},
          Case{rgbColor(0, 0, 0xFF), ColorValue::White, rgbColor(0x80, 0x80, 0x80)}}) {
        const ButtonFrameColors colors = FrameColorsFor(c.button);
        EXPECT_EQ(colors.light, c.light) << std::hex << c.button;
        EXPECT_EQ(colors.dark, c.dark) << std::hex << c.button;
    }
}

TEST(XColorButton, TheThreeDFrameIsRaisedAndSunkenWhilePressed) {
    tXColorButton button;
    button.setColor(rgbColor(0, 0, 0xFF));
    button.setDDD(true);
    EXPECT_EQ(pixel(button, 1, 1), 0xFFFFFFu) << "light top left";
    EXPECT_EQ(pixel(button, 103, 103), 0x808080u) << "dark bottom right";
    EXPECT_EQ(pixel(button, 2, 50), 0x0000FFu) << "face inside the 2-pixel frame";
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(pixel(button, 1, 1), 0x808080u);
    EXPECT_EQ(pixel(button, 103, 103), 0xFFFFFFu);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(pixel(button, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(button.size(), QSize(105, 105));
}

TEST(XColorButton, UnderTheMouseTheCaptionFlashesAndAThinFrameRises) {
    tXColorButton button;
    button.setFont(testFont());
    button.setColor(ColorValue::White);
    button.setCaption("Weiter");
    button.setMouseOver3D(true);
    EXPECT_EQ(countPixels(renderControl(button), button.rect(), test::isReddish), 0);
    EXPECT_EQ(pixel(button, 0, 0), 0xFFFFFFu);
    enter(button);
    EXPECT_TRUE(button.Hovered());
    EXPECT_GT(countPixels(renderControl(button), button.rect(), test::isReddish), 10);
    EXPECT_EQ(pixel(button, 0, 0), 0xC0C0C0u) << "raised frame on a white button";
    EXPECT_EQ(pixel(button, 104, 104), 0x808080u);

    button.setMouseOver(false);
    EXPECT_EQ(countPixels(renderControl(button), button.rect(), test::isReddish), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.Hovered());
}

TEST(XColorButton, ClickComesOnlyFromAReleaseInside) {
    tXColorButton button;
    std::vector<std::string> events;
    button.OnClick = [&](QWidget* sender) {
        EXPECT_EQ(sender, &button);
        EXPECT_FALSE(button.Down()) << "the button looks released when the click runs";
        events.push_back("click");
    };
    button.OnMouseUp = [&](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        events.push_back("up");
    };
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(events, (std::vector<std::string>{"click", "up", "up", "up"}));
}

TEST(XColorButton, AToggleButtonSwitchesOnEachReleaseAndShowsPicture2WhileOn) {
    tXColorButton button;
    button.setOnOff(true);
    button.setPicture1(filled(10, 10, qRgb(255, 0, 0)));
    button.setPicture2(filled(10, 10, qRgb(0, 255, 0)));
    std::vector<std::string> events;
    button.OnTurnOn = [&](QWidget*) {
        events.push_back("on");
    };
    button.OnTurnOff = [&](QWidget*) {
        events.push_back("off");
    };
    button.OnClick = [&](QWidget*) {
        events.push_back("click");
    };
    EXPECT_EQ(pixel(button, 5, 5), 0xFF0000u);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(button.IsOn());
    EXPECT_EQ(pixel(button, 5, 5), 0x00FF00u);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(button.IsOn());
    EXPECT_EQ(pixel(button, 5, 5), 0xFF0000u);
    EXPECT_EQ(events, (std::vector<std::string>{"on", "click", "off", "click"}));
}

TEST(XColorButton, Picture2ShowsWhilePressedOrHovered) {
    tXColorButton button;
    button.setPicture1(filled(10, 10, qRgb(255, 0, 0)));
    button.setPicture2(filled(10, 10, qRgb(0, 255, 0)));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(pixel(button, 5, 5), 0x00FF00u);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(pixel(button, 5, 5), 0xFF0000u);
    enter(button);
    EXPECT_EQ(pixel(button, 5, 5), 0x00FF00u);
    button.setEnabled(false);
    EXPECT_EQ(pixel(button, 5, 5), 0xFF0000u) << "disabled buttons show Picture1";
}

TEST(XColorButton, TheImageFaceMovesByAPixelWhilePressed) {
    QImage face = filled(200, 200, qRgb(0, 0, 255));
    face.setPixel(0, 0, qRgb(255, 0, 0));
    tXColorButton button;
    button.setColor(rgbColor(0, 255, 0));
    button.setImage(&face);
    EXPECT_EQ(pixel(button, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel(button, 1, 1), 0x0000FFu);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(pixel(button, 1, 1), 0xFF0000u);
    EXPECT_EQ(pixel(button, 0, 0), 0x00FF00u) << "the uncovered edge shows Color";
}

TEST(XColorButton, PicturesStretchCentreOrSitAtTheTopLeft) {
    tXColorButton button;
    button.setColor(ColorValue::White);
    button.setPicture1(filled(20, 20, qRgb(255, 0, 0)));
    EXPECT_EQ(pixel(button, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel(button, 30, 30), 0xFFFFFFu);
    button.setStretch(true);
    EXPECT_EQ(pixel(button, 100, 100), 0xFF0000u);
    button.setStretch(false);
    button.setCenter(true);
    EXPECT_EQ(pixel(button, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(pixel(button, 52, 52), 0xFF0000u);

    // With a caption the picture and the caption are centred together, Abstand apart.
    button.setFont(testFont());
    button.setCaption("Hola");
    const int textHeight = QFontMetrics(testFont()).height();
    const int pictureTop = (105 - (20 + 3 + textHeight)) / 2;
    const QImage image = renderControl(button);
    EXPECT_EQ(image.pixel(52, pictureTop) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(52, pictureTop - 1) & 0xFFFFFF, 0xFFFFFFu);
    const QRect belowPicture(0, pictureTop + 23, 105, textHeight);
    EXPECT_GT(countPixels(image, belowPicture, test::isDark), 10);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 105, pictureTop + 20), test::isDark), 0);
}

TEST(XColorButton, Picture1IsBlendedWithModeAndRadius) {
    tXColorButton button;
    button.setColor(ColorValue::White);
    button.setPicture1(filled(40, 40, qRgb(255, 0, 0)));
    button.setRadius(10);
    EXPECT_EQ(pixel(button, 0, 0), 0xFFFFFFu) << "rounded corner";
    EXPECT_EQ(pixel(button, 20, 20), 0xFF0000u);
    button.setRadius(0);
    button.setMode(TTransitionMode::Black2); // darkens by the darkness of the picture
    EXPECT_EQ(pixel(button, 20, 20), qRgb(87, 87, 87) & 0xFFFFFFu);
    button.setPicture2(filled(40, 40, qRgb(0, 0, 255)));
    enter(button);
    EXPECT_EQ(pixel(button, 20, 20), 0x0000FFu) << "Picture2 is drawn plainly";
}

TEST(XColorButton, AutoSizeTakesTheSizeOfPicture1) {
    tXColorButton button;
    button.setPicture1(filled(32, 24, qRgb(1, 2, 3)));
    EXPECT_EQ(button.size(), QSize(105, 105));
    button.setAutoSize(true);
    EXPECT_EQ(button.size(), QSize(32, 24));
    button.setPicture1(filled(50, 10, qRgb(1, 2, 3)));
    EXPECT_EQ(button.size(), QSize(50, 10));
}

} // namespace
} // namespace qor
