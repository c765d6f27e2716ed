#include "editor/window/VokabelFrame.h"

#include "controls/AccentKey.h"
#include "controls/FormControls.h"
#include "dictionary/XDatabase.h"
#include "editor/window/EditorPictures.h"
#include "editor/window/EditorRules.h"
#include "platform/QtText.h"
#include "sound/WaveBase.h"
#include "sound/WordRecordings.h"
#include "sound/WordSpeech.h"
#include "vocabulary/Bibliothek.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {

const QSize FlagSize(30, 20);

QToolButton* flagButton(bool german, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(QPixmap::fromImage(FlagPicture(german, FlagSize))));
    button->setIconSize(FlagSize);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(german ? QStringLiteral("Deutsch") : QStringLiteral("Spanisch"));
    return button;
}

constexpr int MemoLines = 2;

void fitHeight(QPlainTextEdit* field) {
    field->setFixedHeight(MemoLines * field->fontMetrics().lineSpacing() + 10);
}

QPlainTextEdit* memo(QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setTabChangesFocus(true);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    fitHeight(field);
    return field;
}

std::string memoText(const QPlainTextEdit* field) {
    return fromQString(field->toPlainText());
}

} // namespace

TVokabelFrame::TVokabelFrame(TBibliothek& library, TXDatabase& dictionary,
                             const TXWaveBase* waveBase, QWidget* parent, MciSender sendMci)
    : QWidget(parent), library_(library), dictionary_(dictionary), waveBase_(waveBase),
      sendMci_(std::move(sendMci)) {
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    layout->addWidget(createWordRow());
    layout->addWidget(createEntryGrid());
    layout->addStretch(1);
    layout->addWidget(createDictionaryPanel());
    connectEntryFields();
    connectDictionaryPanel();
    for (QWidget* field :
         {static_cast<QWidget*>(eVokabel), static_cast<QWidget*>(eBedeutung0),
          eBedeutung1->viewport(), static_cast<QWidget*>(DBVokabel), DBBedeutung->viewport()})
        field->installEventFilter(this);
    for (QWidget* field : {static_cast<QWidget*>(eVokabel), static_cast<QWidget*>(eBedeutung0),
                           static_cast<QWidget*>(eBedeutung1), static_cast<QWidget*>(eKontext0),
                           static_cast<QWidget*>(eKontext1), static_cast<QWidget*>(DBVokabel),
                           static_cast<QWidget*>(DBBedeutung)})
        installAccentKey(field);
    placeMarks(false);
    bPlay->hide();
    fitFont(font());
}

void TVokabelFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setSecondContextShown(SecondContextShown(height()));
}

QWidget* TVokabelFrame::createWordRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* marks = new QWidget(row);
    marks_ = new QVBoxLayout(marks);
    marks_->setContentsMargins(0, 0, 0, 0);
    marks_->setSpacing(1);
    iFremd = flagButton(false, marks);
    iDeutsch = flagButton(true, marks);
    layout->addWidget(marks);
    eVokabel = new QLineEdit(row);
    eVokabel->setToolTip(QStringLiteral("Vokabel"));
    layout->addWidget(eVokabel, 1);
    bPlay = new QToolButton(row);
    bPlay->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    bPlay->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(bPlay);
    return row;
}

QWidget* TVokabelFrame::createEntryGrid() {
    auto* grid = new QWidget(this);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    EWortart = new QComboBox(grid);
    for (int wordClass = 0; wordClass < WordClass::Count; ++wordClass)
        EWortart->addItem(toQString(WordClassName(wordClass)));
    Schwierigkeit = new QComboBox(grid);
    for (int difficulty = 0; difficulty < Difficulties; ++difficulty)
        Schwierigkeit->addItem(toQString(DifficultyName(difficulty)));
    layout->addWidget(new QLabel(QStringLiteral("Wortart:"), grid), 0, 0);
    layout->addWidget(EWortart, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Schwierigkeit:"), grid), 0, 2);
    layout->addWidget(Schwierigkeit, 0, 3);
    eBedeutung0 = new QLineEdit(grid);
    const QString hint = QStringLiteral("Bedeutung(en) - Mit Semikolon + Leerzeichen trennen!");
    eBedeutung0->setToolTip(hint);
    eBedeutung0->setPlaceholderText(hint);
    layout->addWidget(new QLabel(QStringLiteral("Bedeutung:"), grid), 1, 0);
    layout->addWidget(eBedeutung0, 1, 1, 1, 3);
    eBedeutung1 = memo(grid);
    eBedeutung1->setToolTip(QStringLiteral("Weitere Bedeutungen"));
    layout->addWidget(new QLabel(QStringLiteral("Weitere:"), grid), 2, 0, Qt::AlignTop);
    layout->addWidget(eBedeutung1, 2, 1, 1, 3);
    lKontext1 = new QLabel(QStringLiteral("1. Kontext:"), grid);
    eKontext0 = memo(grid);
    Ktx_dazu1 = new QCheckBox(QStringLiteral("Bedeutung anzeigen"), grid);
    lKontext2 = new QLabel(QStringLiteral("2. Kontext:"), grid);
    eKontext1 = memo(grid);
    Ktx_dazu2 = new QCheckBox(QStringLiteral("Bedeutung anzeigen"), grid);
    layout->addWidget(lKontext1, 3, 0, Qt::AlignTop);
    layout->addWidget(eKontext0, 3, 1, 1, 3);
    layout->addWidget(Ktx_dazu1, 4, 1, 1, 3);
    layout->addWidget(lKontext2, 5, 0, Qt::AlignTop);
    layout->addWidget(eKontext1, 5, 1, 1, 3);
    layout->addWidget(Ktx_dazu2, 6, 1, 1, 3);
    return grid;
}

void TVokabelFrame::connectEntryFields() {
    connect(eVokabel, &QLineEdit::textChanged, this, [this] {
        if (showing_)
            return;
        library_.setVokabel(-1, SingleLine(fromQString(eVokabel->text())));
        if (OnWordChanged)
            OnWordChanged();
    });
    connect(eBedeutung0, &QLineEdit::textChanged, this, [this] {
        if (!showing_)
            library_.setBedeutung(-1, 0, SingleLine(fromQString(eBedeutung0->text())));
    });
    writeMemo(eBedeutung1, [this](const std::string& text) { library_.setBedeutung(-1, 1, text); });
    writeMemo(eKontext0, [this](const std::string& text) { library_.setKontext(-1, 0, text); });
    writeMemo(eKontext1, [this](const std::string& text) { library_.setKontext(-1, 1, text); });
    connect(EWortart, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_ || index < 0)
            return;
        library_.setWortart(-1, index);
        if (OnLookUpFieldChanged)
            OnLookUpFieldChanged();
    });
    connect(Schwierigkeit, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0)
            library_.setSchwierigkeit(-1, index);
    });
    connect(Ktx_dazu1, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_)
            library_.setKtxDazu(-1, 0, on);
    });
    connect(Ktx_dazu2, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_)
            library_.setKtxDazu(-1, 1, on);
    });
    connect(iFremd, &QToolButton::clicked, this, [this] { DirectionMarkClick(); });
    connect(iDeutsch, &QToolButton::clicked, this, [this] { DirectionMarkClick(); });
    connect(bPlay, &QToolButton::clicked, this, [this] { bPlayClick(); });
}

// A memo shows a line break the user pasted only until it is stored: the
// library's file holds each field on one line.
void TVokabelFrame::writeMemo(QPlainTextEdit* field,
                              const std::function<void(const std::string&)>& store) {
    connect(field, &QPlainTextEdit::textChanged, this, [this, field, store] {
        if (showing_)
            return;
        const std::string text = memoText(field);
        const std::string line = SingleLine(text);
        if (line != text) {
            field->setPlainText(toQString(line));
            field->moveCursor(QTextCursor::End);
            return;
        }
        store(line);
    });
}

void TVokabelFrame::placeMarks(bool germanAbove) {
    germanAbove_ = germanAbove;
    marks_->removeWidget(iFremd);
    marks_->removeWidget(iDeutsch);
    marks_->addWidget(germanAbove ? iDeutsch : iFremd);
    marks_->addWidget(germanAbove ? iFremd : iDeutsch);
}

void TVokabelFrame::DirectionMarkClick() {
    placeMarks(!germanAbove_);
    library_.setDeutsch(-1, germanAbove_);
    if (OnLookUpFieldChanged)
        OnLookUpFieldChanged();
}

void TVokabelFrame::Zeigen() {
    const std::string shownWord = word();
    const int shownClass = wordClass();
    const bool shownGerman = germanAbove_;
    showing_ = true;
    showText(eVokabel, library_.Vokabel(-1));
    showText(eBedeutung0, library_.Bedeutung(-1, 0));
    showText(eBedeutung1, library_.Bedeutung(-1, 1));
    showText(eKontext0, library_.Kontext(-1, 0));
    showText(eKontext1, library_.Kontext(-1, 1));
    Ktx_dazu1->setChecked(library_.KtxDazu(-1, 0));
    Ktx_dazu2->setChecked(library_.KtxDazu(-1, 1));
    const int entryClass = library_.Wortart(-1);
    EWortart->setCurrentIndex(entryClass < EWortart->count() ? entryClass : -1);
    Schwierigkeit->setCurrentIndex(library_.Schwierigkeit(-1));
    if (germanAbove_ != library_.Deutsch(-1))
        placeMarks(library_.Deutsch(-1));
    showing_ = false;
    if (word() != shownWord) {
        if (OnWordChanged)
            OnWordChanged();
    } else if (wordClass() != shownClass || germanAbove_ != shownGerman) {
        if (OnLookUpFieldChanged)
            OnLookUpFieldChanged();
    }
}

void TVokabelFrame::setWord(const std::string& text) {
    showText(eVokabel, text);
}

void TVokabelFrame::setMeanings(const std::string& first, const std::string& further) {
    showText(eBedeutung0, first);
    showText(eBedeutung1, further);
}

void TVokabelFrame::setWordClass(int index) {
    EWortart->setCurrentIndex(index);
}

void TVokabelFrame::setContexts(const std::string& first, const std::string& second) {
    showText(eKontext0, first);
    showText(eKontext1, second);
}

std::string TVokabelFrame::word() const {
    return fromQString(eVokabel->text());
}

std::string TVokabelFrame::firstMeaning() const {
    return fromQString(eBedeutung0->text());
}

std::string TVokabelFrame::furtherMeanings() const {
    return memoText(eBedeutung1);
}

std::string TVokabelFrame::context(int k) const {
    return memoText(k == 0 ? eKontext0 : eKontext1);
}

int TVokabelFrame::wordClass() const {
    return EWortart->currentIndex();
}

void TVokabelFrame::fitFont(const QFont& font) {
    setFont(font);
    QFont word = font;
    word.setPointSize(font.pointSize() + 3);
    word.setBold(true);
    eVokabel->setFont(word);
    for (QPlainTextEdit* field : {eBedeutung1, eKontext0, eKontext1, DBBedeutung})
        fitHeight(field);
}

void TVokabelFrame::setSecondContextShown(bool shown) {
    for (QWidget* part : {static_cast<QWidget*>(lKontext2), static_cast<QWidget*>(eKontext1),
                          static_cast<QWidget*>(Ktx_dazu2)})
        part->setVisible(shown);
}

std::vector<QWidget*> TVokabelFrame::EntryFields() const {
    return {eVokabel, EWortart, Schwierigkeit, eBedeutung0, eBedeutung1, eKontext0, eKontext1};
}

std::vector<QWidget*> TVokabelFrame::DictionaryFields() const {
    return {DBVokabel, DBWortart, DBBedeutung};
}

void TVokabelFrame::ShowRecording() {
    recordingPath_.clear();
    if (waveBase_ && !dictionary_.IsGermanSpanish())
        recordingPath_ = waveBase_->Resolve(waveBase_->LookUp(library_.Vokabel(-1), false)).path;
    bPlay->setToolTip(toQString(recordingPath_));
    bPlay->setVisible(!recordingPath_.empty() || speaksWord());
}

// A Spanish word without a recording is spoken, if the user wants that.
bool TVokabelFrame::speaksWord() const {
    return waveBase_ && !dictionary_.IsGermanSpanish() && recordingPath_.empty() &&
           !library_.Deutsch(-1) && waveBase_->SpeaksMissing() &&
           !SpokenText(library_.Vokabel(-1)).empty();
}

void TVokabelFrame::bPlayClick() {
    if (speaksWord()) {
        SpeakQuiet(SpokenText(library_.Vokabel(-1)), SpeechRate::Normal, "wb");
        return;
    }
    sendMci_("close wb", true);
    if (!IsMciError(sendMci_("open \"" + recordingPath_ + "\" alias wb", true)))
        sendMci_("play wb from 0", false);
}

// A double click plays the recording of the meaning under the caret, once
// the field has selected the word under the mouse.
bool TVokabelFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* field = qobject_cast<QWidget*>(watched);
        if (field && !qobject_cast<QLineEdit*>(field))
            field = field->parentWidget(); // the viewport of a memo
        QMetaObject::invokeMethod(
            this, [this, field] { playRecordingAt(field); }, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void TVokabelFrame::playRecordingAt(QWidget* field) {
    if (!waveBase_)
        return;
    // Which side is Spanish: the entry's direction, the dictionary's.
    const bool spanish = field == eVokabel                              ? !germanAbove_
                         : field == eBedeutung0 || field == eBedeutung1 ? germanAbove_
                         : field == DBVokabel ? !dictionary_.IsGermanSpanish()
                                              : dictionary_.IsGermanSpanish();
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        PlayRecordingAt(*waveBase_, fromQString(line->text()), start,
                        static_cast<int>(line->selectedText().size()), spanish);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
        const QTextCursor cursor = text->textCursor();
        PlayRecordingAt(*waveBase_, fromQString(text->toPlainText()), cursor.selectionStart(),
                        cursor.selectionEnd() - cursor.selectionStart(), spanish);
    }
}

} // namespace qor
