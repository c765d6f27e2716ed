#include "users/ChangePW.h"

#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QLineEdit* passwordField(const char* toolTip, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setToolTip(QString::fromUtf8(toolTip));
    return field;
}

} // namespace

// Qt centres a dialog over its parent, or on the screen when it has none.
TXChangePW::TXChangePW(const std::string& caption, const std::string& name, QWidget* parent)
    : QDialog(parent) {
    createControls();
    setWindowTitle(caption.empty() ? QString::fromUtf8("Passwort ändern") : toQString(caption));
    Name->addItem(toQString(name));
    oPassword->setFocus();
}

void TXChangePW::createControls() {
    Name = new QComboBox(this);
    Name->setEnabled(false);
    oPassword = passwordField("Bisheriges Passwort eingeben", this);
    nPassword = passwordField("Neues Passwort eingeben", this);
    nPassword2 = passwordField("Neues Passwort zur Bestätigung eingeben", this);

    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnOK = buttons.ok;
    btnAbbrechen = buttons.cancel;
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name:"), Name);
    fields->addRow(QStringLiteral("Altes Passwort:"), oPassword);
    fields->addRow(QStringLiteral("Neues Passwort:"), nPassword);
    fields->addRow(QString::fromUtf8("Bestätigung:"), nPassword2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons.box);
    setMinimumWidth(320);
}

PasswordChange TXChangePW::change() const {
    return {fromQString(oPassword->text()), fromQString(nPassword->text()),
            fromQString(nPassword2->text())};
}

} // namespace qor
