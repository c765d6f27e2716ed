#include "platform/QtCollation.h"
#include "platform/QtMessagePresenter.h"
#include "platform/QtText.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;

TEST(QtText, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = toQString(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(fromQString(text), all);
    EXPECT_EQ(fromQStringExact(text), all);
}

TEST(QtText, CharactersOutsideTheCodePage) {
    const QString text = QString::fromUtf8("Größe Ω 😀");
    EXPECT_EQ(fromQString(text), "Größe ? ?"_cp);
    EXPECT_EQ(fromQStringExact(text), std::nullopt);
    EXPECT_EQ(fromQStringExact(QString::fromUtf8("Größe")), "Größe"_cp);
}

// Runs check on the message box as soon as it shows, then presses the button
// labelled press; a box that never shows makes the test fail, not hang.
int presentAndPress(int style, const QString& press,
                    const std::function<void(QMessageBox&)>& check = {}) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box";
            return;
        }
        if (check)
            check(*box);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == press) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << press.toStdString();
        box->buttons().front()->click();
    });
    QtMessagePresenter presenter;
    return presenter.present("*qor spanisch", "Erste Zeile\r\nzweite\rdritte", style);
}

TEST(QtCollation, GermanOrderIgnoresCaseAndAccents) {
    const std::vector<std::string> sorted = {"abeja", "Árbol"_cp,   "árbol"_cp,  "Ärger"_cp,
                                             "banco", "Mädchen"_cp, "mañana"_cp, "Zug"};
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_LE(compareGerman(sorted[i - 1], sorted[i]), 0) << sorted[i];
    EXPECT_EQ(compareGerman("Haus", "haus"), 0);
}

TEST(QtMessagePresenter, ShowsTheStyleAndReportsTheButton) {
    const struct {
        int style;
        QString press;
        int result;
        QMessageBox::Icon icon;
        int buttons;
    } cases[] = {
        {0, "OK", MessageResult::Ok, QMessageBox::Warning, 1},
        {16, "OK", MessageResult::Ok, QMessageBox::Critical, 1},
        {21, "Wiederholen", MessageResult::Retry, QMessageBox::Critical, 2},
        {33, "Abbrechen", MessageResult::Cancel, QMessageBox::Question, 2},
        {35, "Nein", MessageResult::No, QMessageBox::Question, 3},
        {36, "Ja", MessageResult::Yes, QMessageBox::Question, 2},
        {64, "OK", MessageResult::Ok, QMessageBox::Information, 1},
    };
    for (const auto& c : cases) {
        const int result = presentAndPress(c.style, c.press, [&](QMessageBox& box) {
            EXPECT_EQ(box.icon(), c.icon) << c.style;
            EXPECT_EQ(box.buttons().size(), c.buttons) << c.style;
            EXPECT_EQ(box.windowTitle(), "*qor spanisch");
            EXPECT_EQ(box.text(), "Erste Zeile\nzweite\ndritte");
        });
        EXPECT_EQ(result, c.result) << c.style;
    }
}

TEST(QtMessagePresenter, YesNoQuestionIgnoresEscape) {
    const int result = presentAndPress(MessageStyle::YesNo, "Ja", [](QMessageBox& box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &escape);
        EXPECT_TRUE(box.isVisible());
    });
    EXPECT_EQ(result, MessageResult::Yes);
}

TEST(QtMessagePresenter, EscapeCancels) {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
        }
    });
    QtMessagePresenter presenter;
    EXPECT_EQ(presenter.present("c", "t", MessageStyle::YesNoCancel), MessageResult::Cancel);
}

TEST(DesktopShell, FoldersFollowTheXdgDirectories) {
    test::TempDir temp;
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", temp.path().c_str(), 1);
    setenv("XDG_DATA_HOME", (temp.path() + "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (temp.path() + "config").c_str(), 1);

    DesktopShell shell;
    EXPECT_EQ(shell.shortcutFolder(ShortcutFolder::Desktop), ""); // ~/Desktop does not exist
    temp.dir("Desktop");
    EXPECT_EQ(shell.shortcutFolder(ShortcutFolder::Desktop), temp.path() + "Desktop/");
    // The applications folder is made when missing.
    EXPECT_EQ(shell.shortcutFolder(ShortcutFolder::Programs), temp.path() + "data/applications/");
    EXPECT_TRUE(QDir(QString::fromStdString(temp.path() + "data/applications")).exists());
    EXPECT_EQ(shell.shortcutFolder(ShortcutFolder::StartMenu), "");
    EXPECT_EQ(shell.shortcutFolder(ShortcutFolder::SendTo), "");

    setenv("HOME", oldHome.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace qor

int main(int argc, char** argv) {
    // Also when the build lists the tests, where no display may exist.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
