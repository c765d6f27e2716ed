// The dictionary panel of the entry frame: the dictionary's current entry,
// edited in place, and the buttons that move through the dictionary.

#include "controls/FormControls.h"
#include "dictionary/XDatabase.h"
#include "editor/window/EditorRules.h"
#include "editor/window/VokabelFrame.h"
#include "platform/AppMessage.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/Bibliothek.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace qor {
using namespace literals;

QFrame* TVokabelFrame::createDictionaryPanel() {
    WP = new QFrame(this);
    WP->setAutoFillBackground(true);
    WP->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(WP);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setHorizontalSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto* title = new QLabel(QString::fromUtf8("Wörterbuch:"), WP);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    buttons->addWidget(title);
    dFirst = toolButton("|<", "Zum ersten Eintrag", WP);
    dPrevious = toolButton("<", "Zum vorangehenden Eintrag", WP);
    Direction = toolButton("", "Zur anderen Hälfte des Wörterbuchs", WP);
    dNext = toolButton(">", "Zum nächsten Eintrag", WP);
    dLast = toolButton(">|", "Zum letzten Eintrag", WP);
    dDelete = toolButton("-", "Aktuellen Eintrag löschen", WP);
    dAdd = toolButton("+", "Neuen Eintrag erzeugen", WP);
    for (QToolButton* button : {dFirst, dPrevious, Direction, dNext, dLast, dDelete, dAdd})
        buttons->addWidget(button);
    buttons->addStretch(1);
    layout->addLayout(buttons, 0, 0, 1, 2);
    DBVokabel = new QLineEdit(WP);
    DBVokabel->setToolTip(QString::fromUtf8("Vokabel aus dem Wörterbuch"));
    DBWortart = new QComboBox(WP);
    for (int wordClass = 0; wordClass < WordClass::Count; ++wordClass)
        DBWortart->addItem(toQString(WordClassName(wordClass)));
    DBBedeutung = new QPlainTextEdit(WP);
    DBBedeutung->setTabChangesFocus(true);
    DBBedeutung->setToolTip(QStringLiteral("Doppelklick für Sprachausgabe (falls vorhanden)"));
    layout->addWidget(DBVokabel, 1, 0);
    layout->addWidget(DBWortart, 1, 1);
    layout->addWidget(DBBedeutung, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    return WP;
}

void TVokabelFrame::connectDictionaryPanel() {
    connect(DBVokabel, &QLineEdit::textChanged, this, [this] {
        const std::string word = SingleLine(fromQString(DBVokabel->text()));
        if (!showingPanel_ && word != dictionary_.GetWord())
            dictionary_.SetWord(word);
    });
    connect(DBBedeutung, &QPlainTextEdit::textChanged, this, [this] {
        const std::string meaning = SingleLine(fromQString(DBBedeutung->toPlainText()));
        if (!showingPanel_ && meaning != dictionary_.GetMeaning())
            dictionary_.SetMeaning(meaning);
    });
    connect(DBWortart, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showingPanel_ && index >= 0 && index + 1 != dictionary_.GetClass())
            dictionary_.SetClass(index + 1);
    });
    connect(dFirst, &QToolButton::clicked, this, [this] { moveIfComplete(&TXDatabase::First); });
    connect(dPrevious, &QToolButton::clicked, this,
            [this] { moveIfComplete(&TXDatabase::Previous); });
    connect(dNext, &QToolButton::clicked, this, [this] { moveIfComplete(&TXDatabase::Next); });
    connect(dLast, &QToolButton::clicked, this, [this] { moveIfComplete(&TXDatabase::Last); });
    connect(dAdd, &QToolButton::clicked, this, [this] { dAddClick(); });
    connect(dDelete, &QToolButton::clicked, this, [this] { dDeleteClick(); });
    connect(Direction, &QToolButton::clicked, this, [this] { DirectionClick(); });
}

void TVokabelFrame::ShowDictionaryEntry() {
    showingPanel_ = true;
    showText(DBVokabel, dictionary_.GetWord());
    showText(DBBedeutung, dictionary_.GetMeaning());
    DBWortart->setCurrentIndex(dictionary_.GetClass() - 1);
    showingPanel_ = false;
    const std::string name =
        longDirectionName_ ? dictionary_.DirectionName() : dictionary_.DirectionShortName();
    if (Direction->text() != toQString(name))
        Direction->setText(toQString(name));
}

void TVokabelFrame::moveIfComplete(void (TXDatabase::*step)()) {
    if (dictionary_.CheckCurrent())
        (dictionary_.*step)();
    ShowDictionaryEntry();
}

void TVokabelFrame::dAddClick() {
    if (dictionary_.CheckCurrent()) {
        dictionary_.InsertEmpty();
        ShowDictionaryEntry();
        DBVokabel->setFocus();
    }
}

void TVokabelFrame::dDeleteClick() {
    if (AppMessage("Eintrag des Wörterbuchs wirklich löschen?"_cp, MessageStyle::YesNo) !=
        MessageResult::No)
        dictionary_.DeleteCurrent();
    ShowDictionaryEntry();
}

void TVokabelFrame::DirectionClick() {
    dictionary_.SelectDirection(!dictionary_.IsGermanSpanish());
    ShowDictionaryEntry();
    ShowRecording();
}

} // namespace qor
