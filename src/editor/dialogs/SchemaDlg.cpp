#include "editor/dialogs/SchemaDlg.h"

#include "core/SharedRoutines.h"
#include "platform/AppMessage.h"
#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TSchemaDlg::TSchemaDlg(const std::string& name, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Schema speichern"));
    auto* label = new QLabel(QStringLiteral("Farbschema speichern"), this);
    SchemaName = new QLineEdit(toQString(name), this);
    label->setBuddy(SchemaName);
    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnOK = buttons.ok;
    btnAbbrechen = buttons.cancel;
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(SchemaName);
    layout->addSpacing(8);
    layout->addWidget(buttons.box);
    setMinimumWidth(300);
}

std::string TSchemaDlg::name() const {
    // Blanks around a file name only hide it.
    return std::string(TrimBlanks(fromQString(SchemaName->text())));
}

void TSchemaDlg::accept() {
    const std::string entered = name();
    if (entered.empty()) {
        AppMessage("Bitte einen Namen eingeben", MessageStyle::Stop);
    } else if (HasInvalidFileNameChar(entered)) {
        AppMessage(std::string("Der Name darf keines der folgenden Zeichen enthalten: ") +
                       InvalidFileNameChars,
                   MessageStyle::Stop);
    } else {
        QDialog::accept();
        return;
    }
    SchemaName->setFocus();
}

void TSchemaDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SchemaName->setFocus();
    SchemaName->selectAll();
}

} // namespace qor
