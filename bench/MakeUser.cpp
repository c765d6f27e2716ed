// Writes a user who has answered many items, for the start-up benchmark:
//   qor-bench-user DIR NAME COUNT
// The user logs in without a password; every item gets one typed answer,
// right or wrong in turn.

#include "users/XUserBase.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: qor-bench-user DIR NAME COUNT\n");
        return 2;
    }
    qor::TXUserBase users(std::string(argv[1]) + "/");
    users.LogIn(argv[2], "");
    if (!users.IsLoggedIn())
        return 1;
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i)
        users.RecordAnswer("palabra" + std::to_string(i), i % 2 == 0, 'e', i % 3 == 0 ? -25 : 25,
                           i % 4 + 1);
    return users.LogOut() ? 0 : 1;
}
