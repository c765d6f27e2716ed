#include "editor/dialogs/Zufall.h"

#include "platform/QtDialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace qor {

namespace {

QSlider* trackBar(int minimum, int maximum, int value, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setMinimumWidth(240);
    return slider;
}

} // namespace

TZufall::TZufall(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("Zufällig erzeugen"));
    cSize = trackBar(40, 800, 40, this);
    cSize->setPageStep(40);
    lSize = new QLabel(this);
    lSize->setMinimumWidth(lSize->fontMetrics().horizontalAdvance(QStringLiteral("8888")));
    lSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cProzent = trackBar(0, 100, 50, this);
    cProzent->setPageStep(10);
    lDeutsch = new QLabel(this);
    lSpanisch = new QLabel(this);
    Redewendungen = new QCheckBox(QStringLiteral("Redewendungen"), this);
    Redewendungen->setChecked(true);
    Sortieren = new QCheckBox(QStringLiteral("Alphabetisch sortieren"), this);
    Sortieren->setChecked(true);
    connect(cSize, &QSlider::valueChanged, this, &TZufall::showValues);
    connect(cProzent, &QSlider::valueChanged, this, &TZufall::showValues);

    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnOK = buttons.ok;
    btnAbbrechen = buttons.cancel;
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromUtf8("Größe der Bibliothek"), this), 0, 0, 1, 3);
    grid->addWidget(cSize, 1, 0, 1, 2);
    grid->addWidget(lSize, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Deutsch"), this), 2, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Spanisch"), this), 2, 1, 1, 2, Qt::AlignRight);
    grid->addWidget(cProzent, 3, 0, 1, 3);
    grid->addWidget(lDeutsch, 4, 0, Qt::AlignLeft);
    grid->addWidget(lSpanisch, 4, 1, 1, 2, Qt::AlignRight);
    grid->setRowMinimumHeight(2, 24);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(Redewendungen);
    layout->addWidget(Sortieren);
    layout->addSpacing(8);
    layout->addWidget(buttons.box);
    showValues();
}

void TZufall::showValues() {
    lSize->setText(QString::number(cSize->value()));
    lDeutsch->setText(QStringLiteral("%1 %").arg(100 - cProzent->value()));
    lSpanisch->setText(QStringLiteral("%1 %").arg(cProzent->value()));
}

int TZufall::size() const {
    return cSize->value();
}

int TZufall::percent() const {
    return cProzent->value();
}

bool TZufall::phrases() const {
    return Redewendungen->isChecked();
}

bool TZufall::sortAlphabetically() const {
    return Sortieren->isChecked();
}

} // namespace qor
