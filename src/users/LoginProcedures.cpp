#include "users/LoginProcedures.h"

#include "core/SharedRoutines.h"
#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace qor {
using namespace literals;

UserAccounts::UserAccounts(TXUserBase& users, UserDialogs& dialogs)
    : users_(users), dialogs_(dialogs) {
    users_.AskPassword = [this](const std::string& name) -> std::optional<std::string> {
        const auto entered = dialogs_.askCredentials({"Passwort", {name}, false});
        if (!entered)
            return std::nullopt;
        return entered->password;
    };
}

void UserAccounts::logOutTellingFailure() {
    const std::string user = users_.User();
    if (!users_.LogOut())
        AppMessage(user + " konnte nicht gespeichert werden!", MessageStyle::Default);
}

bool UserAccounts::nameIsValid(const std::string& name) const {
    if (!HasInvalidFileNameChar(name))
        return true;
    AppMessage("Der Name darf keines der folgenden Zeichen enthalten: "_cp + InvalidFileNameChars,
               MessageStyle::Default);
    return false;
}

void UserAccounts::LoginProcedure() {
    logOutTellingFailure();
    users_.ListUsers();
    const std::vector<std::string>& names = users_.UserNames();
    if (names.empty()) {
        if (const auto wizard = dialogs_.runLogInWizard())
            users_.LogIn(wizard->name, wizard->password);
    } else if (names.size() == 1) {
        users_.LogIn(names.front(), {});
    } else if (const auto chosen = dialogs_.askCredentials({"*qor spanisch", names, true});
               chosen && !chosen->name.empty()) {
        users_.LogIn(chosen->name, chosen->password);
    }
}

void UserAccounts::NewUser() {
    const auto entered = dialogs_.askCredentials({"Neuen Benutzer anlegen", {}, true});
    // An empty name would make a file of no one's name.
    if (!entered || entered->name.empty() || !nameIsValid(entered->name))
        return;
    if (fileExists(users_.UserFilePath(entered->name))) {
        AppMessage(entered->name + " existiert bereits!", MessageStyle::Default);
        return;
    }
    users_.LogIn(entered->name, entered->password);
}

void UserAccounts::ChangeUser() {
    users_.ListUsers();
    const std::size_t count = users_.UserNames().size();
    if (count == 0 || (count == 1 && users_.IsLoggedIn())) {
        NewUser();
        return;
    }
    const auto chosen = dialogs_.askCredentials({"qor spanisch", users_.UserNames(), true});
    // The name becomes a file name: one that leads elsewhere is refused.
    if (!chosen || chosen->name.empty() || !nameIsValid(chosen->name))
        return;
    if (!fileExists(users_.UserFilePath(chosen->name)) &&
        AppMessage(chosen->name + " existiert noch nicht! Neu anlegen?", MessageStyle::OkCancel) !=
            MessageResult::Ok)
        return;
    users_.LogIn(chosen->name, chosen->password);
}

void UserAccounts::ChangePassword() {
    if (!users_.IsLoggedIn()) {
        AppMessage("Nur angemeldete Benutzer können Passwörter ändern!"_cp, MessageStyle::Stop);
        return;
    }
    const auto change =
        dialogs_.askPasswordChange("qor spanisch - Passwort ändern"_cp, users_.User());
    if (!change)
        return;
    if (change->oldPassword != users_.Password()) {
        AppMessage("Das alte Passwort stimmt nicht!", MessageStyle::Stop);
    } else if (change->newPassword != change->confirmation) {
        AppMessage("Das neue Passwort und die Bestätigung stimmen nicht überein!"_cp,
                   MessageStyle::Stop);
    } else if (change->newPassword == change->oldPassword) {
        AppMessage("Das Passwort wurde nicht geändert."_cp, MessageStyle::Information);
    } else {
        users_.setPassword(change->newPassword);
        AppMessage(change->newPassword.empty() ? "Das Passwort wurde deaktiviert."
                                               : "Das Passwort wurde geändert."_cp,
                   MessageStyle::Information);
    }
}

} // namespace qor
