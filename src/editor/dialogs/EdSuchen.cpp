#include "editor/dialogs/EdSuchen.h"

#include "controls/AccentKey.h"
#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TEdSuchen::TEdSuchen(const std::string& lastText, bool caseSensitive, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("In Bibliothek suchen"));
    Begriff = new QLineEdit(toQString(lastText), this);
    Begriff->selectAll();
    installAccentKey(Begriff);
    CaseBox = new QCheckBox(QString::fromUtf8("&Groß-/Kleinschreibung"), this);
    CaseBox->setChecked(!lastText.empty() && caseSensitive);

    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnSuchen = buttons.ok;
    btnSuchen->setText(QStringLiteral("&Suchen"));
    btnAbbrechen = buttons.cancel;
    connect(btnSuchen, &QPushButton::clicked, this, &QDialog::accept);
    // Nothing to look for, nothing to start.
    const auto enableSearch = [this] {
        btnSuchen->setEnabled(!Begriff->text().isEmpty());
    };
    connect(Begriff, &QLineEdit::textChanged, this, enableSearch);
    enableSearch();

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Suchen nach:"), Begriff);
    fields->addRow(QString(), CaseBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons.box);
    setMinimumWidth(340);
}

std::string TEdSuchen::text() const {
    return fromQString(Begriff->text());
}

bool TEdSuchen::caseSensitive() const {
    return CaseBox->isChecked();
}

} // namespace qor
