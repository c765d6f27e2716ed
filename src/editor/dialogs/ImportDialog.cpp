#include "editor/dialogs/ImportDialog.h"

#include "editor/model/ImportSettings.h"
#include "page/view/TXPage.h"
#include "platform/AppMessage.h"
#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QComboBox* choiceBox(const std::vector<std::string>& choices, const std::string& text,
                     QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& choice : choices)
        box->addItem(toQString(choice));
    box->setEditText(toQString(text));
    return box;
}

} // namespace

TImport::TImport(Registry& registry, const std::string& pageDir, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import-Assistent"));
    const ImportSettings last = ReadImportSettings(registry);
    Separator = choiceBox(SeparatorChoices(), last.Separator, this);
    Struktur = choiceBox(StructureChoices(), last.Structure, this);
    Seite = new TXPage(this);
    Seite->setFixedSize(480, 262);
    Seite->setXPath(pageDir);
    Seite->setXFile(pageDir + "_import.htx");

    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnOK = buttons.ok;
    btnAbbrechen = buttons.cancel;
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Die einzelnen Werte sind getrennt durch:"), this));
    layout->addWidget(Separator);
    layout->addSpacing(6);
    layout->addWidget(
        new QLabel(QStringLiteral("Eine Zeile der Datei hat folgende Struktur:"), this));
    layout->addWidget(Struktur);
    layout->addSpacing(6);
    layout->addWidget(Seite);
    layout->addWidget(buttons.box);
    Separator->setFocus();
}

std::string TImport::separatorText() const {
    return fromQString(Separator->currentText());
}

std::string TImport::structureText() const {
    return fromQString(Struktur->currentText());
}

void TImport::accept() {
    // A separator of several characters cannot split a line.
    if (ImportSeparator(separatorText()) == '\0') {
        AppMessage("Bitte als Trennzeichen genau ein Zeichen angeben\r\n"
                   "(oder TAB für den Tabulator)."_cp);
        Separator->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace qor
