#include "users/LogInWizard.h"

#include "page/view/TXPage.h"
#include "platform/QtText.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;
using Option = TXLogInWizard::Anmeldung;

const QString NameHint = QString::fromUtf8(
    "(darf keine Leer- oder Sonderzeichen enthalten - Umlaute sind aber zulässig)");

class LogInWizardTest : public ::testing::Test {
protected:
    LogInWizardTest() {
        pages.file("_wizard1.htx", deflateZlib("<TITLE>eins</TITLE>Willkommen<BR>"));
        pages.file("_wizard2.htx", deflateZlib("<TITLE>zwei</TITLE>Warum<BR>"));
        restart();
    }
    ~LogInWizardTest() override { EXPECT_TRUE(messages.texts().empty()); }

    void restart() {
        wizard = std::make_unique<TXLogInWizard>(pages.path());
        wizard->show();
    }
    // What the wizard shows: step, panel and the visible buttons; or how it ended.
    std::string view() const {
        if (!wizard->isVisible())
            return wizard->result() == QDialog::Accepted ? "OK" : "abgebrochen";
        std::string shown = std::to_string(wizard->step()) + " ";
        if (wizard->steps->currentWidget() == wizard->XPage)
            shown += wizard->XPage->XFile();
        else if (wizard->steps->currentWidget() == wizard->choicePanel)
            shown += "Anmeldung";
        else
            shown += wizard->Password->isVisibleTo(wizard.get()) ? "Name Passwort" : "Name";
        for (const QPushButton* button : {wizard->btnZurueck, wizard->btnWeiter})
            if (button->isVisibleTo(wizard.get()))
                shown += " [" + fromQString(button->text()) + "]";
        return shown;
    }
    void forward(int clicks = 1) {
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(wizard->btnWeiter, Qt::LeftButton);
    }
    void back() { wizard->btnZurueck->click(); }
    void choose(Option option) {
        QTest::mouseClick(wizard->rgAnmeldung->button(option), Qt::LeftButton);
    }
    // Forward to the name panel with the option chosen.
    void toNames(Option option) {
        forward(2);
        choose(option);
        forward();
    }

    TempDir pages;
    ScriptedMessages messages;
    std::unique_ptr<TXLogInWizard> wizard;
};

TEST_F(LogInWizardTest, StepsAndButtonsFollowTheChosenLogin) {
    struct Case {
        Option option;
        std::vector<std::string> views; // at the start, then after each "Weiter >"
    };
    const std::string page1 = "1 _wizard1.htx [Weiter >]";
    const std::string page2 = "2 _wizard2.htx [< Zurück] [Weiter >]"_cp;
    const std::string choice = "3 Anmeldung [< Zurück] [Weiter >]"_cp;
    const Case cases[] = {
        {Option::NameOnly, {page1, page2, choice, choice, "4 Name [< Zurück] [OK]"_cp}},
        {Option::NameAndPassword,
         {page1, page2, choice, choice, "4 Name Passwort [< Zurück] [OK]"_cp}},
        {Option::NoLogin, {page1, page2, choice, "3 Anmeldung [< Zurück] [OK]"_cp, "abgebrochen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        restart();
        std::vector<std::string> views{view()};
        forward();
        views.push_back(view());
        forward();
        views.push_back(view());
        choose(c.option);
        views.push_back(view());
        forward();
        views.push_back(view());
        EXPECT_EQ(views, c.views);
    }
    EXPECT_EQ(wizard->name(), "");
}

TEST_F(LogInWizardTest, BackGoesOneStepAtATimeAndNotBeforeTheFirst) {
    toNames(Option::NameOnly);
    QTest::keyClicks(wizard->Name, "Ana");
    back();
    EXPECT_EQ(view(), "3 Anmeldung [< Zurück] [Weiter >]"_cp);
    back();
    EXPECT_EQ(view(), "2 _wizard2.htx [< Zurück] [Weiter >]"_cp);
    back();
    back(); // hidden on the first step
    EXPECT_EQ(view(), "1 _wizard1.htx [Weiter >]");
    // Choosing not to log in after all forgets the name typed before.
    forward(2);
    choose(Option::NoLogin);
    forward();
    EXPECT_EQ(view(), "abgebrochen");
    EXPECT_EQ(wizard->name(), "");
}

TEST_F(LogInWizardTest, NameAndPasswordHaveTheirLimits) {
    toNames(Option::NameAndPassword);
    EXPECT_EQ(wizard->lNewName->text(), NameHint);
    EXPECT_EQ(wizard->focusWidget(), wizard->Name);
    QTest::keyClicks(wizard->Name, QString(30, QLatin1Char('n')));
    QTest::keyClicks(wizard->Password, QString(20, QLatin1Char('p')));
    EXPECT_EQ(wizard->name(), std::string(24, 'n'));
    EXPECT_EQ(wizard->password(), std::string(12, 'p'));
    EXPECT_EQ(wizard->Password->echoMode(), QLineEdit::Password);
}

TEST_F(LogInWizardTest, AnInvalidNameIsAskedForAgain) {
    struct Case {
        const char* name;
        const char* hint; // null: the wizard ends with OK
    };
    const char* const forbidden =
        "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\"";
    const Case cases[] = {
        {"", "Bitte einen Namen eingaben!"},
        {"Ana/Maria", forbidden},
        {"Wer?", forbidden},
        {"a\"b", forbidden},
        {"Ωmega", forbidden}, // no program text: read as "?mega"
        {"Jürgen Müller", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        toNames(Option::NameOnly);
        wizard->Name->insert(QString::fromUtf8(c.name));
        forward();
        if (!c.hint) {
            EXPECT_EQ(view(), "OK");
            EXPECT_EQ(wizard->name(), utf8ToCp1252(c.name));
            continue;
        }
        EXPECT_EQ(view(), "4 Name [< Zurück] [OK]"_cp);
        EXPECT_EQ(wizard->lNewName->text(), QString::fromUtf8(c.hint));
        // Corrected, it goes through.
        wizard->Name->setText(QStringLiteral("Ana"));
        forward();
        EXPECT_EQ(view(), "OK");
    }
}

TEST_F(LogInWizardTest, OnlyTheLoginWithPasswordKeepsThePassword) {
    toNames(Option::NameAndPassword);
    QTest::keyClicks(wizard->Name, "Ana");
    QTest::keyClicks(wizard->Password, "geheim");
    back();
    choose(Option::NameOnly);
    forward();
    EXPECT_EQ(wizard->Password->text(), "");
    forward();
    EXPECT_EQ(view(), "OK");
    EXPECT_EQ(wizard->password(), "");

    restart();
    toNames(Option::NameAndPassword);
    QTest::keyClicks(wizard->Name, "Ana");
    QTest::keyClicks(wizard->Password, "geheim");
    forward();
    EXPECT_EQ(view(), "OK");
    EXPECT_EQ(wizard->name(), "Ana");
    EXPECT_EQ(wizard->password(), "geheim");
}

} // namespace
} // namespace qor
