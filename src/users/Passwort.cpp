#include "users/Passwort.h"

#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

// Qt centres a dialog over its parent, or on the screen when it has none.
TXPasswort::TXPasswort(const PasswordRequest& request, QWidget* parent) : QDialog(parent) {
    createControls();
    setWindowTitle(request.caption.empty() ? QStringLiteral("Passwort")
                                           : toQString(request.caption));
    if (request.nameEditable) {
        for (const std::string& name : request.names)
            Name->addItem(toQString(name)); // the first one added shows
        Name->setFocus();
    } else {
        if (!request.names.empty())
            Name->addItem(toQString(request.names.front()));
        Name->setEnabled(false);
        Password->setFocus();
    }
}

void TXPasswort::createControls() {
    Name = new QComboBox(this);
    Name->setEditable(true);
    // A typed name is an answer, not a new entry of the list.
    Name->setInsertPolicy(QComboBox::NoInsert);
    Password = new QLineEdit(this);
    Password->setEchoMode(QLineEdit::Password);

    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnOK = buttons.ok;
    btnAbbrechen = buttons.cancel;
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name:"), Name);
    fields->addRow(QStringLiteral("Passwort:"), Password);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons.box);
    setMinimumWidth(300);
}

std::string TXPasswort::name() const {
    return fromQString(Name->currentText());
}

std::string TXPasswort::password() const {
    return fromQString(Password->text());
}

} // namespace qor
