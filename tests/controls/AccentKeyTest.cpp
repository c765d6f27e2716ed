#include "controls/AccentKey.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(AccentKey, F1CyclesTheCharacterBeforeTheCaretInALineEdit) {
    QLineEdit edit;
    installAccentKey(&edit);
    edit.setText("manana");
    edit.setCursorPosition(3);
    QTest::keyClick(&edit, Qt::Key_F1);
    EXPECT_EQ(edit.text(), QString::fromUtf8("mañana"));
    EXPECT_EQ(edit.cursorPosition(), 3);
    QTest::keyClick(&edit, Qt::Key_F1);
    EXPECT_EQ(edit.text(), "manana") << "the row leads back to its first character";

    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_F1);
    EXPECT_EQ(edit.text(), "manana") << "nothing before the caret";
    edit.setText("xy");
    QTest::keyClick(&edit, Qt::Key_F1);
    EXPECT_EQ(edit.text(), "xy") << "a character without accents stays";
}

TEST(AccentKey, WorksInMultiLineEditsAndKeepsTheCaret) {
    QPlainTextEdit plain;
    installAccentKey(&plain);
    plain.setPlainText("que\nesta");
    QTextCursor cursor = plain.textCursor();
    cursor.setPosition(8);
    plain.setTextCursor(cursor);
    QTest::keyClick(&plain, Qt::Key_F1);
    QTest::keyClick(&plain, Qt::Key_F1);
    EXPECT_EQ(plain.toPlainText(), QString::fromUtf8("que\nestà"));
    EXPECT_EQ(plain.textCursor().position(), 8);

    QTextEdit rich;
    installAccentKey(&rich);
    rich.setPlainText("?Que");
    cursor = rich.textCursor();
    cursor.setPosition(1);
    rich.setTextCursor(cursor);
    QTest::keyClick(&rich, Qt::Key_F1);
    EXPECT_EQ(rich.toPlainText(), QString::fromUtf8("¿Que"));
}

TEST(AccentKey, OtherKeysAndControlsAreLeftAlone) {
    QLineEdit edit;
    EXPECT_FALSE(AccentKey(&edit, Qt::Key_F2));
    QWidget plain;
    EXPECT_FALSE(AccentKey(&plain, Qt::Key_F1));
}

} // namespace
} // namespace qor
