#include "users/UserCommands.h"

namespace qor {

CommandBlock userCommands(UserCommandHost& host, CommandPage& page) {
    const auto thenShowLogin = [&host, &page](void (UserCommandHost::*procedure)()) {
        return [&host, &page, procedure](auto&, auto) {
            (host.*procedure)();
            page.setPageCondition("login", host.isLoggedIn());
            page.reloadPage();
        };
    };
    // One row per line, so the formatter leaves the table alone.
    // clang-format off
    return {
        {"chpw", CommandMatch::Exact, [&host](auto&, auto) { if (host.isLoggedIn()) host.ChangePassword(); }},
        {"stats", CommandMatch::Exact, [&host](auto&, auto) { if (host.isLoggedIn()) host.computeStatistics(); }},
        {"login", CommandMatch::Exact, thenShowLogin(&UserCommandHost::LoginProcedure)},
        {"newusr", CommandMatch::Exact, thenShowLogin(&UserCommandHost::NewUser)},
        {"chusr", CommandMatch::Exact, thenShowLogin(&UserCommandHost::ChangeUser)},
    };
    // clang-format on
}

} // namespace qor
