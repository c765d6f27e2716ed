#include "PageExercisesTesting.h"
#include <QTest>
#include <gtest/gtest.h>
namespace qor::test {
TEST(TmpShot, Shot) {
    ExercisePage page([](int r) { return 1 % r; });
    page.page.setXPath("/work/main/build-exercises/hqor/");
    ASSERT_TRUE(page.page.setXFile("uebung.htx"));
    ExercisePage::settle();
    page.page.grab().save("/tmp/uebung-live.png");
    auto f = page.exercises.TypingFields().Fields();
    QTest::keyClicks(f[0], "lache");
    QTest::keyClick(f[0], Qt::Key_Return);
    QTest::keyClick(f[1], Qt::Key_F12);
    page.exercises.Choice().Control()->update();
    page.page.grab().save("/tmp/uebung-live2.png");
}
}
