#include "platform/QtText.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"
#include "users/ChangePW.h"
#include "users/LogInWizard.h"
#include "users/Passwort.h"
#include "users/QtUserDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;

// Answers the next modal dialog of the type once its event loop runs. Events
// may be processed before (the wizard's page does while it loads), so it
// looks again until the dialog is there.
template <class Dialog> void whenShown(std::function<void(Dialog&)> answer, int tries = 100) {
    QTimer::singleShot(0, [answer, tries] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            answer(*dialog);
        else if (tries > 0)
            whenShown(answer, tries - 1);
        else
            ADD_FAILURE() << "the dialog never showed";
    });
}

TEST(PasswortTest, AFixedNameCannotBeChanged) {
    struct Case {
        PasswordRequest request;
        QString caption;
        bool editable;
        QStringList names;
        bool passwordFocused;
    };
    const Case cases[] = {
        {{"", {"Ana", "J\xFCrgen"}, true}, "Passwort", true, {"Ana", "Jürgen"}, false},
        {{"Anmeldung", {"J\xFCrgen"}, false}, "Anmeldung", false, {"Jürgen"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request.names.size());
        TXPasswort dialog(c.request);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), c.caption);
        EXPECT_EQ(dialog.Name->isEnabled(), c.editable);
        QStringList names;
        for (int i = 0; i < dialog.Name->count(); ++i)
            names << dialog.Name->itemText(i);
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(dialog.focusWidget() == dialog.Password, c.passwordFocused);
        EXPECT_EQ(dialog.Password->echoMode(), QLineEdit::Password);

        dialog.Password->insert(QString::fromUtf8("contraseña"));
        QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.name(), c.request.names.front());
        EXPECT_EQ(dialog.password(), "contraseña"_cp);
    }
}

class QtUserDialogsTest : public ::testing::Test {
protected:
    QtUserDialogsTest() {
        pages.file("_wizard1.htx", deflateZlib("eins<BR>"));
        pages.file("_wizard2.htx", deflateZlib("zwei<BR>"));
    }
    ~QtUserDialogsTest() override { EXPECT_TRUE(messages.texts().empty()); }

    TempDir pages;
    ScriptedMessages messages;
    QtUserDialogs dialogs{pages.path()};
};

TEST_F(QtUserDialogsTest, CredentialsAreWhatWasEnteredUnlessCancelled) {
    whenShown<TXPasswort>([](TXPasswort& dialog) {
        dialog.Name->setCurrentIndex(1);
        dialog.Password->setText(QStringLiteral("geheim"));
        dialog.btnOK->click();
    });
    const auto credentials = dialogs.askCredentials({"Passwort", {"Ana", "Bernd"}, true});
    ASSERT_TRUE(credentials);
    EXPECT_EQ(credentials->name, "Bernd");
    EXPECT_EQ(credentials->password, "geheim");

    whenShown<TXPasswort>([](TXPasswort& dialog) { dialog.btnAbbrechen->click(); });
    EXPECT_FALSE(dialogs.askCredentials({"Passwort", {"Ana"}, false}));
}

TEST_F(QtUserDialogsTest, ThePasswordChangeReturnsItsThreeFields) {
    whenShown<TXChangePW>([](TXChangePW& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Passwort ändern"));
        EXPECT_EQ(dialog.Name->currentText(), QString::fromUtf8("Jürgen"));
        EXPECT_FALSE(dialog.Name->isEnabled());
        for (QLineEdit* field : {dialog.oPassword, dialog.nPassword, dialog.nPassword2})
            EXPECT_EQ(field->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dialog.oPassword, "alt");
        dialog.nPassword->insert(QString::fromUtf8("neu€"));
        QTest::keyClicks(dialog.nPassword2, "neu");
        QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    });
    const auto change = dialogs.askPasswordChange("Passwort ändern"_cp, "Jürgen"_cp);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->oldPassword, "alt");
    EXPECT_EQ(change->newPassword, "neu\x80");
    EXPECT_EQ(change->confirmation, "neu");

    whenShown<TXChangePW>([](TXChangePW& dialog) { dialog.btnAbbrechen->click(); });
    EXPECT_FALSE(dialogs.askPasswordChange("", "Ana"));
}

TEST_F(QtUserDialogsTest, TheWizardGivesTheNewUserUnlessCancelled) {
    whenShown<TXLogInWizard>([](TXLogInWizard& wizard) {
        EXPECT_EQ(wizard.windowTitle(), "*qor spanisch");
        EXPECT_EQ(wizard.size(), QSize(480, 300));
        for (int step = 1; step < 4; ++step)
            wizard.btnWeiter->click();
        wizard.Name->setText(QStringLiteral("Ana"));
        wizard.btnWeiter->click();
    });
    const auto user = dialogs.runLogInWizard();
    ASSERT_TRUE(user);
    EXPECT_EQ(user->name, "Ana");
    EXPECT_EQ(user->password, "");

    whenShown<TXLogInWizard>([](TXLogInWizard& wizard) { wizard.btnAbbrechen->click(); });
    EXPECT_FALSE(dialogs.runLogInWizard());
}

} // namespace
} // namespace qor
