#include "editor/window/FrListe.h"

#include "controls/FormControls.h"
#include "controls/XListBox.h"
#include "editor/window/EditorPictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QToolButton* iconButton(const char* text, const char* hint, QStyle::StandardPixmap icon,
                        QWidget* parent) {
    QToolButton* button = toolButton(text, hint, parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

QIcon recordIcon() {
    QPixmap dot(12, 12);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x20, 0x20));
    painter.drawEllipse(1, 1, 10, 10);
    return QIcon(dot);
}

QHBoxLayout* row(QWidget* widget) {
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    return layout;
}

} // namespace

TFrListe::TFrListe(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    layout->addWidget(createFileButtons());
    Liste = new TXListBox(this);
    Liste->setListenTyp(TListenTyp::ltSelect);
    Liste->setIcon1(ListFlag(true, Liste->ItemHeight()));
    Liste->setIcon2(ListFlag(false, Liste->ItemHeight()));
    Liste->setFocusPolicy(Qt::StrongFocus);
    auto* inner = new QVBoxLayout;
    inner->setContentsMargins(6, 0, 6, 0);
    inner->setSpacing(4);
    inner->addWidget(Liste, 1);
    inner->addWidget(createCounts());
    inner->addWidget(createEntryButtons());
    inner->addWidget(createRecordingButtons());
    lDatei = new QLabel(this);
    lDatei->setToolTip(QStringLiteral("Datei der Bibliothek"));
    inner->addWidget(lDatei);
    layout->addLayout(inner, 1);
}

QWidget* TFrListe::createFileButtons() {
    Knopfleiste = new QFrame(this);
    Knopfleiste->setAutoFillBackground(true);
    QHBoxLayout* layout = row(Knopfleiste);
    layout->setContentsMargins(6, 4, 6, 4);
    bLaden = toolButton("Laden", "Bibliothek laden", Knopfleiste);
    bDazuladen = toolButton("Dazu", "Bibliothek dazuladen", Knopfleiste);
    bSpeichern = toolButton("Speichern", "Bibliothek speichern", Knopfleiste);
    bNeu = toolButton("Neu", "neue Bibliothek", Knopfleiste);
    bInfo = toolButton("Info", "Informationen zur Bibliothek", Knopfleiste);
    bDrucken = toolButton("Drucken", "Bibliothek drucken", Knopfleiste);
    for (QToolButton* button : {bLaden, bDazuladen, bSpeichern, bNeu, bInfo, bDrucken})
        layout->addWidget(button);
    layout->addStretch(1);
    return Knopfleiste;
}

QWidget* TFrListe::createCounts() {
    auto* counts = new QWidget(this);
    QHBoxLayout* layout = row(counts);
    lPosition = new QLabel(counts);
    lPosition->setToolTip(QStringLiteral("Aktuelle Position in der Bibliothek"));
    lGroesse = new QLabel(counts);
    lGroesse->setToolTip(QString::fromUtf8("Größe der Bibliothek"));
    lGroesse->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(lPosition);
    layout->addStretch(1);
    layout->addWidget(lGroesse);
    return counts;
}

QWidget* TFrListe::createEntryButtons() {
    auto* buttons = new QWidget(this);
    QHBoxLayout* layout = row(buttons);
    bUebernehmen = toolButton("Übernehmen", "Vokabel aus dem Wörterbuch übernehmen", buttons);
    bLoeschen = iconButton("Löschen", "Aktuelle Vokabel löschen", QStyle::SP_TrashIcon, buttons);
    bSortieren = toolButton("A-Z", "Alphabetisch sortieren", buttons);
    bZurueck = iconButton("", "Zur vorhergehenden Vokabel", QStyle::SP_ArrowUp, buttons);
    bWeiter = iconButton("", "Zur folgenden Vokabel", QStyle::SP_ArrowDown, buttons);
    for (QToolButton* button : {bZurueck, bWeiter})
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QToolButton* button : {bUebernehmen, bLoeschen, bSortieren, bZurueck, bWeiter})
        layout->addWidget(button);
    layout->addStretch(1);
    return buttons;
}

QWidget* TFrListe::createRecordingButtons() {
    auto* buttons = new QWidget(this);
    QHBoxLayout* layout = row(buttons);
    bAufnahme = toolButton("Aufnahme", "Aufnahme starten", buttons);
    bAufnahme->setIcon(recordIcon());
    bAufnahme->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bAbspielen = iconButton("Abspielen", "Aufnahme abspielen", QStyle::SP_MediaPlay, buttons);
    bAufnahmeSpeichern = toolButton("Sichern", "Aufnahme speichern", buttons);
    for (QToolButton* toggle : {bAufnahme, bAbspielen})
        toggle->setCheckable(true);
    for (QToolButton* button : {bAufnahme, bAbspielen, bAufnahmeSpeichern})
        layout->addWidget(button);
    layout->addStretch(1);
    return buttons;
}

void TFrListe::showCounts(int position, int filled) {
    lPosition->setText(QStringLiteral("Position: %1").arg(position));
    lGroesse->setText(QStringLiteral("Vokabeln: %1").arg(filled));
}

} // namespace qor
