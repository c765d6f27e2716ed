#include "controls/XColorEdit.h"

#include "ControlPixels.h"
#include "platform/Text.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;
using test::countPixels;
using test::renderControl;

QFont testFont() {
    return test::testFont(16);
}

// Types text that QTest cannot spell as keys, as an input method delivers it.
void typeUnicode(QWidget& target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&target, &press);
    }
}

// A field that checks answers, as the page's typing exercise does.
class CheckingEdit : public tXColorEdit {
public:
    int returns = 0;

protected:
    void ReturnPressed() override { ++returns; }
};

TEST(XColorEditFarbe, OnlyTheFlagOneMarksACharacterWrong) {
    struct Case {
        const char* farbe;
        std::size_t index;
        bool wrong;
    };
    for (const Case& c :
         {Case{"0100", 1, true}, Case{"0100", 0, false}, Case{"0100", 3, false},
          Case{"01", 5, false}, Case{"", 0, false}, Case{"x1", 0, false}, Case{"2", 0, false}})
        EXPECT_EQ(IsMarkedWrong(c.farbe, c.index), c.wrong) << c.farbe << " at " << c.index;
}

TEST(XColorEdit, FarbeDrawsTheSecondCharacterOfCasaRed) {
    tXColorEdit edit;
    edit.setFont(testFont());
    edit.setText("casa");
    edit.setFarbe("0100");
    const QImage image = renderControl(edit);
    for (std::size_t i = 0; i < 4; ++i) {
        const QRect character(edit.CharacterX(i), 1, edit.CharacterX(i + 1) - edit.CharacterX(i),
                              edit.height() - 2);
        const int red = countPixels(image, character, test::isReddish);
        const int black = countPixels(image, character, test::isDark);
        if (i == 1) {
            EXPECT_GT(red, 5) << "the flagged character is red";
            EXPECT_EQ(black, 0);
        } else {
            EXPECT_EQ(red, 0) << "character " << i;
            EXPECT_GT(black, 5) << "character " << i;
        }
    }
}

TEST(XColorEdit, CharactersStartAtFourAndSpacingAddsAfterEach) {
    const QFontMetrics metrics(testFont());
    const auto plain = CharacterPositions(metrics, "casa", 0);
    const auto spaced = CharacterPositions(metrics, "casa", 3);
    ASSERT_EQ(plain.size(), 5u);
    ASSERT_EQ(spaced.size(), 5u);
    EXPECT_EQ(plain[0], 4);
    for (std::size_t i = 0; i < plain.size(); ++i)
        EXPECT_EQ(spaced[i] - plain[i], 3 * static_cast<int>(i));
    EXPECT_EQ(plain[1] - plain[0], metrics.horizontalAdvance('c'));
}

TEST(XColorEdit, ACharacterIsMeasuredAsWindows1252) {
    const QFontMetrics metrics(testFont());
    const auto positions = CharacterPositions(metrics, "\xF1", 0); // ñ
    EXPECT_EQ(positions[1] - positions[0], metrics.horizontalAdvance(QChar(0xF1)));
}

TEST(XColorEdit, CaretAtPicksTheNearestCharacterBoundary) {
    const std::vector<int> positions{4, 10, 20, 30};
    const std::pair<int, int> cases[] = {{0, 1}, {6, 1}, {8, 2}, {15, 2}, {16, 3}, {100, 4}};
    for (const auto& [x, caret] : cases)
        EXPECT_EQ(CaretAt(positions, x), caret) << "x = " << x;
}

TEST(SpecialCharsMenu, EntriesAreSeparatedBySemicolonsAndLigaturesSpelledOut) {
    const auto entries = SpecialCharsMenu("\xE1;;\x9C;\x8C;&;ll");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].label, "\xE1");
    EXPECT_EQ(entries[1].label, "oe");
    EXPECT_EQ(entries[1].text, "\x9C");
    EXPECT_EQ(entries[2].label, "OE");
    EXPECT_EQ(entries[2].text, "\x8C");
    EXPECT_EQ(entries[3].text, "&");
    EXPECT_EQ(entries[4].text, "ll");
    EXPECT_TRUE(SpecialCharsMenu("").empty());
    EXPECT_TRUE(SpecialCharsMenu(";").empty());
}

TEST(XColorEdit, EditingKeysWorkAroundTheCaret) {
    struct Case {
        Qt::Key key;
        const char* text;
        int caret;
    };
    // Each case starts from "casa" with the caret after "ca".
    for (const Case& c : {Case{Qt::Key_Backspace, "csa", 2}, Case{Qt::Key_Delete, "caa", 3},
                          Case{Qt::Key_Home, "casa", 1}, Case{Qt::Key_End, "casa", 5},
                          Case{Qt::Key_Left, "casa", 2}, Case{Qt::Key_Up, "casa", 2},
                          Case{Qt::Key_Right, "casa", 4}, Case{Qt::Key_Down, "casa", 4},
                          Case{Qt::Key_F1, "c\xE1sa", 3}}) {
        tXColorEdit edit;
        edit.setText("casa");
        edit.setCaretPosition(3);
        QTest::keyClick(&edit, c.key);
        EXPECT_EQ(edit.Text(), c.text) << "key " << c.key;
        EXPECT_EQ(edit.CaretPosition(), c.caret) << "key " << c.key;
    }
}

TEST(XColorEdit, TheCaretStaysInsideTheText) {
    tXColorEdit edit;
    edit.setText("ab");
    edit.setCaretPosition(1);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Left);
    EXPECT_EQ(edit.Text(), "ab");
    EXPECT_EQ(edit.CaretPosition(), 1);
    edit.setCaretPosition(9);
    EXPECT_EQ(edit.CaretPosition(), 3);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Right);
    EXPECT_EQ(edit.Text(), "ab");
    EXPECT_EQ(edit.CaretPosition(), 3);
    edit.setText("");
    EXPECT_EQ(edit.CaretPosition(), 1);
}

TEST(XColorEdit, TypingInsertsAtTheCaretAndFlagsStayWithTheirCharacters) {
    tXColorEdit edit;
    edit.setText("casa");
    edit.setFarbe("0100");
    edit.setCaretPosition(1);
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.Text(), "xcasa");
    EXPECT_EQ(edit.Farbe(), "00100");
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.Text(), "xasa");
    EXPECT_EQ(edit.Farbe(), "0100") << "the red a is still red";
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.Farbe(), "100");
    edit.setText("otra");
    EXPECT_EQ(edit.Farbe(), "") << "new text, no flags";
}

TEST(XColorEdit, TypesWindows1252CharactersAndDropsOthers) {
    tXColorEdit edit;
    typeUnicode(edit, QString::fromUtf8("ñ¿"));
    EXPECT_EQ(edit.Text(), "ñ¿"_cp);
    typeUnicode(edit, QString::fromUtf8("ł"));
    EXPECT_EQ(edit.Text(), "ñ¿"_cp) << "no Windows-1252 character";
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "ñ¿"_cp) << "keys with Ctrl held do nothing";
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(edit.CaretPosition(), 3);
}

TEST(XColorEdit, HelpShowsUnmarkedWithTheCaretOnTheFirstGap) {
    tXColorEdit edit;
    QTest::keyClick(&edit, Qt::Key_F2);
    EXPECT_EQ(edit.Text(), "") << "no help text";

    edit.setText("cosa");
    edit.setFarbe("0100");
    edit.setHilfe("la c.s_");
    QTest::keyClick(&edit, Qt::Key_F12);
    EXPECT_EQ(edit.Text(), "la c.s_");
    EXPECT_EQ(edit.Farbe(), "0000000");
    EXPECT_EQ(edit.CaretPosition(), 5);
    edit.setHilfe("casa");
    QTest::keyClick(&edit, Qt::Key_F2);
    EXPECT_EQ(edit.CaretPosition(), 5) << "without a gap the caret goes to the end";
}

TEST(XColorEdit, ReadOnlyIgnoresEditingAndEnter) {
    CheckingEdit edit;
    edit.setText("casa");
    edit.setHilfe("c___");
    edit.setCaretPosition(3);
    edit.setReadOnly(true);
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_F1,
                              Qt::Key_F2, Qt::Key_Return, Qt::Key_X})
        QTest::keyClick(&edit, key);
    EXPECT_EQ(edit.Text(), "casa");
    EXPECT_EQ(edit.CaretPosition(), 3);
    EXPECT_EQ(edit.returns, 0);
    edit.setReadOnly(false);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Enter);
    EXPECT_EQ(edit.returns, 2);
}

TEST(XColorEdit, KeyHandlersMaySwallowOrReplaceKeys) {
    tXColorEdit edit;
    std::vector<int> downs;
    edit.OnKeyDown = [&](QWidget* sender, int& key, Qt::KeyboardModifiers) {
        EXPECT_EQ(sender, &edit);
        downs.push_back(key);
        if (key == Qt::Key_B)
            key = 0;
    };
    edit.OnKeyPress = [](QWidget*, char& key) {
        if (key == 'c')
            key = 'C';
        else if (key == 'd')
            key = 0;
    };
    QTest::keyClicks(&edit, "abcd");
    EXPECT_EQ(edit.Text(), "aC");
    EXPECT_EQ(downs, (std::vector<int>{Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D}));
}

TEST(XColorEdit, AClickPutsTheCaretAtTheNearestCharacter) {
    tXColorEdit edit;
    edit.setFont(testFont());
    edit.setText("casa");
    int downs = 0;
    int clicks = 0;
    edit.OnMouseDown = [&](QWidget*, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int) {
        EXPECT_EQ(button, Qt::LeftButton);
        EXPECT_EQ(x, edit.CharacterX(2) + 1);
        ++downs;
    };
    edit.OnClick = [&](QWidget*) {
        ++clicks;
    };
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.CharacterX(2) + 1, 10));
    EXPECT_EQ(edit.CaretPosition(), 3);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(clicks, 1);
}

TEST(XColorEdit, TheCaretBlinksOnlyWhileTheFieldHasTheFocus) {
    QWidget window;
    auto* edit = new tXColorEdit(&window);
    auto* other = new tXColorEdit(&window);
    other->move(0, 30);
    int enters = 0;
    int exits = 0;
    edit->OnEnter = [&](QWidget*) {
        ++enters;
    };
    edit->OnExit = [&](QWidget*) {
        ++exits;
    };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(edit->CaretShown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !edit->CaretShown(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->CaretShown(); }, 3000));

    other->setFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(edit->CaretShown());
    other->setReadOnly(true);
    EXPECT_FALSE(other->CaretShown()) << "a read-only field shows no caret";
}

TEST(XColorEdit, TheCaretIsAnInvertedLineOverTheTextHeight) {
    QWidget window;
    auto* edit = new tXColorEdit(&window);
    edit->setFont(testFont());
    edit->setText("casa");
    edit->setCaretPosition(3);
    const QImage without = renderControl(*edit);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    ASSERT_TRUE(edit->CaretShown());
    const QImage with = renderControl(*edit);

    const QFontMetrics metrics(testFont());
    const int textTop = (edit->height() - metrics.height()) / 2;
    const int x = edit->CharacterX(2);
    for (int y = 1; y < edit->height() - 1; ++y) {
        const bool inCaret = y >= textTop && y < textTop + metrics.height();
        const QRgb expected = inCaret ? without.pixel(x, y) ^ 0xFFFFFFu : without.pixel(x, y);
        EXPECT_EQ(with.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << "y = " << y;
        EXPECT_EQ(with.pixel(x + 1, y), without.pixel(x + 1, y));
    }
}

TEST(XColorEdit, BorderAndColourMakeTheBackground) {
    tXColorEdit edit;
    edit.setColor(rgbColor(0x00, 0x00, 0xFF));
    QImage image = renderControl(edit);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x000000u) << "black frame";
    EXPECT_EQ(image.pixel(60, 2) & 0xFFFFFF, 0x0000FFu) << "background in Color";
    edit.setBorder(false);
    image = renderControl(edit);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(edit.size(), QSize(121, 21));
}

TEST(XColorEdit, TheContextMenuTypesTheChosenSpecialCharacter) {
    tXColorEdit edit;
    edit.setText("cur");
    edit.setCaretPosition(2);
    edit.setSpecialChars("\xE1;\x9C");
    QStringList labels;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            labels << action->text();
        menu->actions().at(1)->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&edit, &event);
    EXPECT_EQ(labels, (QStringList{QString::fromUtf8("á"), "oe"}));
    EXPECT_EQ(edit.Text(), "c\x9Cur");
    EXPECT_EQ(edit.CaretPosition(), 3);
}

TEST(XColorEdit, NoContextMenuWithoutSpecialCharacters) {
    tXColorEdit edit;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(&edit, &event);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
} // namespace qor
