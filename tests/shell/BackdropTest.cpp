#include "shell/Backdrop.h"

#include "platform/QtText.h"
#include "platform/Text.h"
#include "shell/ShellWindows.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

std::vector<bool> marks(const TBackdrop& backdrop) {
    std::vector<bool> checked;
    for (int i = 0; i < TBackdrop::ColorCount; ++i)
        checked.push_back(backdrop.colorItem(i)->isChecked());
    return checked;
}

TEST(BackdropTest, CoversTheScreenWithAMenuOfMinimiseAndFourColours) {
    TBackdrop backdrop(0x808080);
    EXPECT_EQ(backdrop.geometry(), QGuiApplication::primaryScreen()->geometry());
    const QList<QAction*> items = backdrop.popupMenu()->actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0]->text(), "Minimieren");
    EXPECT_TRUE(items[1]->isSeparator());
    const char* names[] = {"Weiß", "Hellgrau", "Dunkelgrau", "Schwarz"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(fromQString(items[i + 2]->text()), utf8ToCp1252(names[i]));
}

TEST(BackdropTest, ShowColorMarksTheItemOfTheCurrentColourOnly) {
    TBackdrop backdrop(0x808080);
    backdrop.ShowColor();
    EXPECT_EQ(marks(backdrop), (std::vector<bool>{false, false, true, false}));

    // A colour stored as some other value marks nothing.
    backdrop.setColor(0x123456);
    backdrop.ShowColor();
    EXPECT_EQ(marks(backdrop), (std::vector<bool>{false, false, false, false}));
}

TEST(BackdropTest, ChoosingAColourPaintsItAndMarksThatItemAlone) {
    TBackdrop backdrop(0x808080);
    backdrop.ShowColor();
    backdrop.colorItem(1)->trigger();
    EXPECT_EQ(backdrop.color(), 0xC0C0C0);
    EXPECT_EQ(marks(backdrop), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(backdrop.palette().color(QPalette::Window), QColor(192, 192, 192));

    backdrop.colorItem(3)->trigger();
    EXPECT_EQ(backdrop.color(), 0);
    EXPECT_EQ(marks(backdrop), (std::vector<bool>{false, false, false, true}));
}

TEST(BackdropTest, ColoursAreStoredRedInTheLowestByte) {
    TBackdrop backdrop(0x0000FF);
    EXPECT_EQ(backdrop.palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST(BackdropTest, ShowsOnlyOnScreensLargerThan800x600) {
    EXPECT_FALSE(ShellWindows::ScreenWantsBackdrop(800, 600));
    EXPECT_TRUE(ShellWindows::ScreenWantsBackdrop(801, 600));
    EXPECT_TRUE(ShellWindows::ScreenWantsBackdrop(800, 601));
    EXPECT_TRUE(ShellWindows::ScreenWantsBackdrop(1920, 1080));
}

} // namespace
} // namespace qor
