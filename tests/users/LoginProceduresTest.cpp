#include "users/LoginProcedures.h"

#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/ScriptedUserDialogs.h"
#include "support/TempDir.h"
#include "users/UserCommands.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

class LoginProceduresTest : public ::testing::Test {
protected:
    void addUser(const std::string& name, const std::string& password) {
        TXUserBase other(temp.path(), [] { return 46365.5; });
        other.LogIn(name, password);
        other.LogOut();
        users.ListUsers();
    }

    test::TempDir temp;
    ScriptedMessages messages;
    test::ScriptedUserDialogs dialogs;
    TXUserBase users{temp.path(), [] {
                         return 46365.5;
                     }};
    UserAccounts accounts{users, dialogs};
};

TEST_F(LoginProceduresTest, TheFirstStartShowsTheWizardUntilSomeoneBecomesAUser) {
    dialogs.wizard = {std::nullopt};
    accounts.LoginProcedure();
    EXPECT_FALSE(users.IsLoggedIn());
    EXPECT_TRUE(listDirectory(temp.path()).empty());

    dialogs.wizard = {Credentials{"Jürgen"_cp, ""}};
    accounts.LoginProcedure();
    EXPECT_EQ(dialogs.wizardsShown, 2);
    EXPECT_EQ(users.User(), "Jürgen"_cp);
    EXPECT_TRUE(fileExists(temp.path() + "Jürgen_S.qob"_cp));

    // The only user is logged in directly from then on.
    accounts.LoginProcedure();
    EXPECT_EQ(users.User(), "Jürgen"_cp);
    EXPECT_EQ(dialogs.wizardsShown, 2);
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LoginProceduresTest, PasswordsAndSeveralUsers) {
    addUser("Ana", "geheim");
    // The only user, with a password: asked for with the name fixed.
    dialogs.credentials = {Credentials{"Ana", "geheim"}};
    accounts.LoginProcedure();
    EXPECT_EQ(users.User(), "Ana");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].caption, "Passwort");
    EXPECT_FALSE(dialogs.requests[0].nameEditable);
    EXPECT_EQ(dialogs.requests[0].names, std::vector<std::string>{"Ana"});

    addUser("Ben", "");
    dialogs.credentials = {Credentials{"Ben", ""}};
    accounts.LoginProcedure();
    EXPECT_EQ(users.User(), "Ben");
    EXPECT_EQ(dialogs.requests.back().caption, "*qor spanisch");
    EXPECT_EQ(dialogs.requests.back().names.size(), 2u);
    EXPECT_TRUE(fileExists(temp.path() + "Ana_S_LOG.txt"));
}

TEST_F(LoginProceduresTest, NewAndChangedUsers) {
    addUser("Ana", "");
    users.LogIn("Ana", "");
    struct Case {
        const char* what;
        std::optional<Credentials> entered;
        std::vector<int> answers;
        std::string user;
        std::vector<std::string> messages;
    };
    const std::string forbidden =
        "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\"";
    const Case cases[] = {
        {"cancelled", std::nullopt, {}, "Ana", {}},
        {"empty name", Credentials{"", ""}, {}, "Ana", {}},
        {"forbidden character", Credentials{"../Ben", ""}, {}, "Ana", {forbidden}},
        {"existing user", Credentials{"Ana", ""}, {}, "Ana", {"Ana existiert bereits!"}},
        {"new user declined",
         Credentials{"Ben", ""},
         {MessageResult::No},
         "",
         {"Neuen Benutzer Ben anlegen?"}},
        {"new user", Credentials{"Cleo", "pw"}, {}, "Cleo", {"Neuen Benutzer Cleo anlegen?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!users.IsLoggedIn())
            users.LogIn("Ana", "");
        messages.clear();
        for (int answer : c.answers)
            messages.answer(answer);
        dialogs.credentials = {c.entered};
        // With one user logged in, changing the user means making a new one.
        accounts.ChangeUser();
        EXPECT_EQ(dialogs.requests.back().caption, "Neuen Benutzer anlegen");
        EXPECT_EQ(users.User(), c.user);
        EXPECT_EQ(messages.texts(), c.messages);
    }

    // With several users the list is offered; an unknown name is asked about.
    messages.clear();
    messages.answer(MessageResult::Cancel);
    dialogs.credentials = {Credentials{"Dana", ""}};
    accounts.ChangeUser();
    EXPECT_EQ(dialogs.requests.back().caption, "qor spanisch");
    EXPECT_EQ(users.User(), "Cleo");
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Dana existiert noch nicht! Neu anlegen?"});
    dialogs.credentials = {Credentials{"Ana", ""}};
    accounts.ChangeUser();
    EXPECT_EQ(users.User(), "Ana");
}

TEST_F(LoginProceduresTest, ChangingThePassword) {
    accounts.ChangePassword();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Nur angemeldete Benutzer können Passwörter ändern!"_cp});
    users.LogIn("Ana", "alt");
    struct Case {
        PasswordChange change;
        std::string message;
        std::string password;
    };
    const Case cases[] = {
        {{"falsch", "neu", "neu"}, "Das alte Passwort stimmt nicht!", "alt"},
        {{"alt", "neu", "neo"},
         "Das neue Passwort und die Bestätigung stimmen nicht überein!"_cp,
         "alt"},
        {{"alt", "alt", "alt"}, "Das Passwort wurde nicht geändert."_cp, "alt"},
        {{"alt", "neu", "neu"}, "Das Passwort wurde geändert."_cp, "neu"},
        {{"neu", "", ""}, "Das Passwort wurde deaktiviert.", ""},
    };
    for (const Case& c : cases) {
        messages.clear();
        dialogs.changes = {c.change};
        accounts.ChangePassword();
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(users.Password(), c.password);
    }
    EXPECT_EQ(dialogs.changeCaptions.back(), "qor spanisch - Passwort ändern"_cp);
}

TEST_F(LoginProceduresTest, PageCommandsKeepThePageInformed) {
    struct Page : CommandPage {
        void loadPage(const std::string&) override {}
        std::string currentPageFile() const override { return {}; }
        void reloadPage() override { ++reloads; }
        void setPageDefine(const std::string&, const std::string&) override {}
        std::string pageDefine(const std::string&) const override { return {}; }
        void setPageCondition(const std::string& name, bool on) override { conditions[name] = on; }
        int reloads = 0;
        std::map<std::string, bool> conditions;
    } page;
    CommandTable table;
    table.addBlock(userCommands(accounts, page));

    table.run("chpw,stats"); // nobody logged in: nothing happens
    EXPECT_TRUE(messages.shown().empty());
    dialogs.wizard = {Credentials{"Ana", ""}};
    table.run("LOGIN");
    EXPECT_TRUE(page.conditions["login"]);
    EXPECT_EQ(page.reloads, 1);
    users.RecordAnswer("Haus", true, 'e', 25, 1);
    table.run("stats");
    EXPECT_EQ(users.Statistics().perfa, 25);
}

} // namespace
} // namespace qor
