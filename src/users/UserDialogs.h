#pragma once
// The dialogues of logging in, as the login procedures see them: the
// password dialog, the password change dialog and the first-login wizard.
// The windows implement this seam; tests answer it from a script.

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct Credentials {
    std::string name;
    std::string password;
};

// What the password dialog shows: its caption, the names offered in its
// drop-down list (the first one selected) and whether the name can be
// changed (a fixed name is the only one, filled in).
struct PasswordRequest {
    std::string caption;
    std::vector<std::string> names;
    bool nameEditable = true;
};

// What the password change dialog returns.
struct PasswordChange {
    std::string oldPassword;
    std::string newPassword;
    std::string confirmation;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // The password dialog; nothing when it is cancelled.
    virtual std::optional<Credentials> askCredentials(const PasswordRequest& request) = 0;
    // The password change dialog for the user name; nothing when cancelled.
    virtual std::optional<PasswordChange> askPasswordChange(const std::string& caption,
                                                            const std::string& name) = 0;
    // The first-login wizard; nothing when it is cancelled or the user
    // chose not to log in. The name it returns is valid for a file name.
    virtual std::optional<Credentials> runLogInWizard() = 0;
};

} // namespace qor
