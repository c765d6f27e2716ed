#pragma once
// The password change dialog: the user's name (fixed), the old password and
// the new one twice. It only collects the three; whether the old one is right
// and the new ones agree is for the caller to judge.

#include "users/UserDialogs.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qor {

class TXChangePW : public QDialog {
    Q_OBJECT

public:
    // An empty caption gives "Passwort ändern".
    TXChangePW(const std::string& caption, const std::string& name, QWidget* parent = nullptr);

    // The three fields as entered, as program text.
    PasswordChange change() const;

    QComboBox* Name = nullptr;
    QLineEdit* oPassword = nullptr;
    QLineEdit* nPassword = nullptr;
    QLineEdit* nPassword2 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbrechen = nullptr;

private:
    void createControls();
};

} // namespace qor
