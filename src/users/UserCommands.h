#pragma once
// The users' page commands: "chpw" changes the password, "stats" computes
// the statistics, "login", "newusr" and "chusr" log a user in; after these
// three the page learns whether someone is logged in and is shown again.

#include "core/CommandPage.h"
#include "core/CommandTable.h"

namespace qor {

// What the rows need: the login procedures and the user base's state.
class UserCommandHost {
public:
    virtual ~UserCommandHost() = default;
    virtual bool isLoggedIn() const = 0;
    virtual void computeStatistics() = 0;
    virtual void LoginProcedure() = 0;
    virtual void NewUser() = 0;
    virtual void ChangeUser() = 0;
    virtual void ChangePassword() = 0;
};

CommandBlock userCommands(UserCommandHost& host, CommandPage& page);

} // namespace qor
