#include "users/QtUserDialogs.h"

#include "users/ChangePW.h"
#include "users/LogInWizard.h"
#include "users/Passwort.h"

namespace qor {

QtUserDialogs::QtUserDialogs(std::string pageFolder, QWidget* parent)
    : pageFolder_(std::move(pageFolder)), parent_(parent) {}

std::optional<Credentials> QtUserDialogs::askCredentials(const PasswordRequest& request) {
    TXPasswort dialog(request, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Credentials{dialog.name(), dialog.password()};
}

std::optional<PasswordChange> QtUserDialogs::askPasswordChange(const std::string& caption,
                                                               const std::string& name) {
    TXChangePW dialog(caption, name, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.change();
}

std::optional<Credentials> QtUserDialogs::runLogInWizard() {
    TXLogInWizard wizard(pageFolder_, parent_);
    wizard.setWindowTitle(QStringLiteral("*qor spanisch"));
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    return Credentials{wizard.name(), wizard.password()};
}

} // namespace qor
