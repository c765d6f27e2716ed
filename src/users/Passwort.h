#pragma once
// The password dialog: a user name from a drop-down list (or typed in) and
// the password. A fixed name is shown alone and cannot be changed; the
// password field then has the focus.

#include "users/UserDialogs.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qor {

class TXPasswort : public QDialog {
    Q_OBJECT

public:
    explicit TXPasswort(const PasswordRequest& request, QWidget* parent = nullptr);

    // What was entered, as program text.
    std::string name() const;
    std::string password() const;

    QComboBox* Name = nullptr;
    QLineEdit* Password = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbrechen = nullptr;

private:
    void createControls();
};

} // namespace qor
