#pragma once
// The dialogues of logging in as Qt dialogs: TXPasswort, TXChangePW and the
// first-login wizard TXLogInWizard, each run modally over the parent.
//
//   QtUserDialogs dialogs(config.PageRoot + "hqor/");   // before any window
//   ...
//   dialogs.setParent(mainWindow);                       // once it exists

#include "users/UserDialogs.h"

#include <QPointer>
#include <QWidget>
#include <string>

namespace qor {

class QtUserDialogs : public UserDialogs {
public:
    // pageFolder: the folder of the wizard's pages, ending in '/'.
    explicit QtUserDialogs(std::string pageFolder, QWidget* parent = nullptr);

    // The window the dialogs open over (none: centred on the screen).
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<Credentials> askCredentials(const PasswordRequest& request) override;
    std::optional<PasswordChange> askPasswordChange(const std::string& caption,
                                                    const std::string& name) override;
    std::optional<Credentials> runLogInWizard() override;

private:
    std::string pageFolder_;
    // The main window is destroyed and created again while the user base lives on.
    QPointer<QWidget> parent_;
};

} // namespace qor
