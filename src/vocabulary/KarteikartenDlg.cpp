#include "vocabulary/KarteikartenDlg.h"

#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/PrintTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace qor {

TKarteikartenDlg::TKarteikartenDlg(const FlashCardChoice& choice, int sheetCount, QWidget* parent)
    : QDialog(parent), start_(choice) {
    setWindowTitle(QStringLiteral("Karteikarten drucken"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QHBoxLayout;
    eThema = new QLineEdit(toQString(choice.title), this);
    eThema->setObjectName(QStringLiteral("eThema"));
    auto* titleLabel = new QLabel(QStringLiteral("&Thema:"), this);
    titleLabel->setBuddy(eThema);
    title->addWidget(titleLabel);
    title->addWidget(eThema, 1);
    layout->addLayout(title);
    layout->addWidget(buildSheets(sheetCount));
    layout->addWidget(buildShift());
    const OkCancelButtons buttons = createOkCancelButtons(this);
    buttons.ok->setText(QStringLiteral("&OK"));
    buttons.cancel->setText(QStringLiteral("&Abbrechen"));
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons.box);
    eThema->setFocus();
}

QWidget* TKarteikartenDlg::buildSheets(int sheetCount) {
    auto* sheets = new QWidget(this);
    auto* grid = new QGridLayout(sheets);
    grid->setContentsMargins(0, 0, 0, 0);
    rbAlle = new QRadioButton(QStringLiteral("Alle Seiten"), sheets);
    rbSeiten = new QRadioButton(QStringLiteral("Seite(n) von:"), sheets);
    rbAlle->setChecked(true);
    cVon = new QComboBox(sheets);
    cBis = new QComboBox(sheets);
    for (QComboBox* list : {cVon, cBis}) {
        for (int sheet = 1; sheet <= sheetCount; ++sheet)
            list->addItem(QString::number(sheet));
        // Choosing a sheet means printing a range.
        connect(list, &QComboBox::activated, rbSeiten, [this] { rbSeiten->setChecked(true); });
    }
    cVon->setObjectName(QStringLiteral("cVon"));
    cBis->setObjectName(QStringLiteral("cBis"));
    cVon->setCurrentIndex(start_.firstSheet - 1);
    cBis->setCurrentIndex(start_.lastSheet - 1);
    grid->addWidget(rbAlle, 0, 0, 1, 4);
    grid->addWidget(rbSeiten, 1, 0);
    grid->addWidget(cVon, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("bis:"), sheets), 1, 2);
    grid->addWidget(cBis, 1, 3);
    grid->setColumnStretch(4, 1);
    return sheets;
}

QWidget* TKarteikartenDlg::buildShift() {
    auto* group = new QGroupBox(toQString(" Rückseite verschieben "_cp), this);
    auto* row = new QHBoxLayout(group);
    tbVerschieben = new QSlider(Qt::Horizontal, group);
    tbVerschieben->setObjectName(QStringLiteral("tbVerschieben"));
    tbVerschieben->setRange(-FlashCard::MaxShift, FlashCard::MaxShift);
    tbVerschieben->setTickPosition(QSlider::TicksBelow);
    tbVerschieben->setTickInterval(10);
    lVerschiebung = new QLabel(group);
    lVerschiebung->setMinimumWidth(lVerschiebung->fontMetrics().horizontalAdvance("-0,0 mm  "));
    lVerschiebung->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(tbVerschieben, &QSlider::valueChanged, lVerschiebung,
            [this](int value) { lVerschiebung->setText(toQString(ShiftText(value))); });
    tbVerschieben->setValue(start_.shift);
    lVerschiebung->setText(toQString(ShiftText(tbVerschieben->value())));
    row->addWidget(new QLabel(QStringLiteral("Links"), group));
    row->addWidget(tbVerschieben, 1);
    row->addWidget(new QLabel(QStringLiteral("Rechts"), group));
    row->addWidget(lVerschiebung);
    return group;
}

FlashCardChoice TKarteikartenDlg::Choice() const {
    FlashCardChoice choice = start_;
    choice.title = fromQString(eThema->text());
    choice.shift = tbVerschieben->value();
    if (rbSeiten->isChecked()) {
        choice.firstSheet = cVon->currentIndex() + 1;
        choice.lastSheet = cBis->currentIndex() + 1;
    }
    return choice;
}

} // namespace qor
