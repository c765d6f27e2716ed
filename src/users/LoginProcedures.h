#pragma once
// Logging in, creating and switching users and changing the password: the
// procedures behind the start of the program and the page commands
// "login", "newusr", "chusr" and "chpw". Each ends in a login of the user
// base or leaves everything as it was.

#include "users/UserCommands.h"
#include "users/UserDialogs.h"
#include "users/XUserBase.h"

namespace qor {

class UserAccounts : public UserCommandHost {
public:
    // Lets the user base ask for passwords through the dialogs.
    UserAccounts(TXUserBase& users, UserDialogs& dialogs);

    TXUserBase& users() { return users_; }

    // At start and for "login": the wizard when there is no user yet, the
    // only user directly, else a choice of the users.
    void LoginProcedure() override;
    void NewUser() override;
    void ChangeUser() override;
    void ChangePassword() override;
    bool isLoggedIn() const override { return users_.IsLoggedIn(); }
    void computeStatistics() override {
        users_.ComputeStatistics();
        users_.LoadHistory();
    }

private:
    void logOutTellingFailure();
    bool nameIsValid(const std::string& name) const;

    TXUserBase& users_;
    UserDialogs& dialogs_;
};

} // namespace qor
