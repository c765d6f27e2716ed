#include "dictionary/XWb.h"

#include "controls/AccentKey.h"
#include "controls/FormControls.h"
#include "core/Configuration.h"
#include "dictionary/XDatabase.h"
#include "platform/QtText.h"
#include "platform/Registry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {

// The left side: the switching areas above the mode bar.
constexpr int LeftWidth = 240;

} // namespace

TXWb::TXWb(TXDatabase& dictionary, Configuration& config, const TXWaveBase* waveBase,
           QWidget* parent, MciSender sendMci)
    : QWidget(parent, Qt::Tool), dictionary_(dictionary), config_(config), waveBase_(waveBase),
      sendMci_(std::move(sendMci)) {
    setWindowTitle(QStringLiteral("qor spanisch"));
    createControls();
    createMenu();
    connectControls();
    setFixedHeight(FixedHeight + layout()->menuBar()->sizeHint().height());
    setMinimumWidth(MinimumWidth);
    setMaximumWidth(MaximumWidth);
    resize(MinimumWidth, height());
    dictionary_.OnChange = [this] {
        DBChanged();
    };
    DBChanged();
    goSuchen();
}

TXWb::~TXWb() {
    dictionary_.OnChange = nullptr;
    saveAtEnd();
    sendMci_("close wb", true);
}

void TXWb::saveAtEnd() {
    dictionary_.SaveIfChanged(config_.WriteProtected);
    static constexpr const char* values[] = {"Datenbank1", "Datenbank2"};
    for (int direction : {TXDatabase::SpanishGerman, TXDatabase::GermanSpanish}) {
        const std::string& saved = dictionary_.SavedFileName(direction);
        if (!saved.empty())
            config_.registry().writeString(RegistryKey::Directories, values[direction], saved);
    }
}

void TXWb::createControls() {
    areas_ = new QStackedWidget(this);
    searchArea_ = createSearchArea();
    editArea_ = createEditArea();
    browseArea_ = createBrowseArea();
    for (QWidget* area : {searchArea_, editArea_, browseArea_})
        areas_->addWidget(area);
    auto* left = new QVBoxLayout;
    left->addWidget(areas_, 1);
    left->addWidget(createModeBar());
    auto* leftSide = new QWidget(this);
    leftSide->setLayout(left);
    leftSide->setFixedWidth(LeftWidth);
    left->setContentsMargins(0, 0, 0, 0);

    auto* root = new QHBoxLayout(this);
    root->addWidget(leftSide);
    resultArea_ = createResultArea();
    root->addWidget(resultArea_, 1);
    Grid->installEventFilter(this);
    for (QWidget* edit :
         std::initializer_list<QWidget*>{Suchen, DBVokabel, DBBedeutung, Stichwort}) {
        installAccentKey(edit);
        edit->installEventFilter(this);
    }
}

QWidget* TXWb::createSearchArea() {
    auto* area = new QWidget(this);
    Suchen = new QLineEdit(area);
    SuchButton = new QPushButton(QStringLiteral("Suchen!"), area);
    SuchButton->setToolTip(QStringLiteral("Suche starten"));
    auto* language = new QGroupBox(QStringLiteral(" Sprache "), area);
    language->setToolTip(QStringLiteral("Sprache des Suchbegriffs"));
    SpracheSpanisch = new QRadioButton(QStringLiteral("Spanisch"), language);
    SpracheDeutsch = new QRadioButton(QStringLiteral("Deutsch"), language);
    SpracheSpanisch->setChecked(true);
    auto* languages = new QHBoxLayout(language);
    languages->addWidget(SpracheSpanisch);
    languages->addWidget(SpracheDeutsch);
    auto* options = new QGroupBox(QStringLiteral(" Optionen "), area);
    GanzeWoerter = new QCheckBox(QStringLiteral("Nur ganze Wörter"), options);
    (new QVBoxLayout(options))->addWidget(GanzeWoerter);

    auto* grid = new QGridLayout(area);
    grid->addWidget(new QLabel(QStringLiteral("Suchen nach:"), area), 0, 0, 1, 2);
    grid->addWidget(Suchen, 1, 0);
    grid->addWidget(SuchButton, 1, 1);
    grid->addWidget(language, 2, 0, 1, 2);
    grid->addWidget(options, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return area;
}

QWidget* TXWb::createEditArea() {
    auto* area = new QWidget(this);
    dFirst = toolButton("|◀", "Zum ersten Eintrag", area);
    dPrevious = toolButton("◀", "Zum vorangehenden Eintrag", area);
    dDirection = toolButton("", "Zur anderen Hälfte des Wörterbuchs", area);
    dNext = toolButton("▶", "Zum nächsten Eintrag", area);
    dLast = toolButton("▶|", "Zum letzten Eintrag", area);
    dAdd = toolButton("+", "Neuen Eintrag erzeugen", area);
    dDelete = toolButton("–", "Aktuellen Eintrag löschen", area);
    bPlay = toolButton("♪", "Sprachausgabe", area);
    DBVokabel = new QLineEdit(area);
    DBVokabel->setToolTip(QStringLiteral("Vokabel aus dem Wörterbuch"));
    DBWortart = new QComboBox(area);
    DBWortart->addItems({QStringLiteral("Nomen"), QStringLiteral("Verb"),
                         QStringLiteral("Adjektiv"), QStringLiteral("Kleines Wort"),
                         QStringLiteral("Rw. mit Verb"), QStringLiteral("Rw. ohne Verb")});
    DBBedeutung = new QPlainTextEdit(area);
    DBBedeutung->setToolTip(QStringLiteral("Doppelklick für Sprachausgabe (falls vorhanden)"));
    DBBedeutung->viewport()->installEventFilter(this);

    auto* moves = new QHBoxLayout;
    for (QToolButton* button : {dFirst, dPrevious, dDirection, dNext, dLast})
        moves->addWidget(button);
    auto* entry = new QHBoxLayout;
    entry->addWidget(DBWortart, 1);
    for (QToolButton* button : {dAdd, dDelete, bPlay})
        entry->addWidget(button);
    auto* column = new QVBoxLayout(area);
    column->addLayout(moves);
    column->addWidget(DBVokabel);
    column->addLayout(entry);
    column->addWidget(DBBedeutung, 1);
    return area;
}

QWidget* TXWb::createBrowseArea() {
    auto* area = new QWidget(this);
    Stichwort = new QLineEdit(area);
    auto* column = new QVBoxLayout(area);
    column->addWidget(new QLabel(QStringLiteral("Stichwort:"), area));
    column->addWidget(Stichwort);
    column->addStretch();
    return area;
}

QWidget* TXWb::createResultArea() {
    auto* area = new QWidget(this);
    Ergebnis = new QLabel(area);
    Grid = new QTableWidget(1, 4, area);
    Grid->setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("  Vokabel"),
                                     QStringLiteral("  Bedeutung(en)"),
                                     QStringLiteral("  Wortart")});
    Grid->horizontalHeader()->setFixedHeight(15 +
                                             Grid->horizontalHeader()->fontMetrics().height() / 2);
    Grid->verticalHeader()->hide();
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 4);
    auto* labels = new QHBoxLayout;
    labels->addWidget(new QLabel(QStringLiteral("Ergebnis:"), area));
    labels->addWidget(Ergebnis, 1);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(labels);
    column->addWidget(Grid, 1);
    return area;
}

QWidget* TXWb::createModeBar() {
    auto* bar = new QWidget(this);
    xSuchen = new QPushButton(QStringLiteral("Suchen"), bar);
    xBearbeiten = new QPushButton(QStringLiteral("Bearbeiten"), bar);
    xBlaettern = new QPushButton(QStringLiteral("Blättern"), bar);
    Direction = new QPushButton(bar);
    Direction->setToolTip(QStringLiteral("Zur anderen Hälfte des Wörterbuchs"));
    auto* grid = new QGridLayout(bar);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(xSuchen, 0, 0);
    grid->addWidget(xBearbeiten, 0, 1);
    grid->addWidget(xBlaettern, 0, 2);
    grid->addWidget(Direction, 1, 0, 1, 3);
    return bar;
}

void TXWb::connectControls() {
    connect(SuchButton, &QPushButton::clicked, this, [this] { SuchButtonClick(); });
    connect(Suchen, &QLineEdit::returnPressed, this, [this] { SuchButtonClick(); });
    connect(Stichwort, &QLineEdit::textChanged, this, [this] { StichwortChange(); });
    connect(Grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { GridSelectCell(row); });
    connect(Grid, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { GridDblClick(row); });
    connect(DBVokabel, &QLineEdit::textChanged, this, [this] { DBVokabelChange(); });
    connect(DBBedeutung, &QPlainTextEdit::textChanged, this, [this] { DBBedeutungChange(); });
    connect(DBWortart, &QComboBox::currentIndexChanged, this, [this] { DBWortartChange(); });
    connect(bPlay, &QToolButton::clicked, this, [this] { bPlayClick(); });
    connect(dFirst, &QToolButton::clicked, this, [this] { moveIfComplete(&TXDatabase::First); });
    connect(dPrevious, &QToolButton::clicked, this,
            [this] { moveIfComplete(&TXDatabase::Previous); });
    connect(dNext, &QToolButton::clicked, this, [this] { moveIfComplete(&TXDatabase::Next); });
    connect(dLast, &QToolButton::clicked, this, [this] { moveIfComplete(&TXDatabase::Last); });
    connect(dAdd, &QToolButton::clicked, this, [this] { dAddClick(); });
    connect(dDelete, &QToolButton::clicked, this, [this] { dDeleteClick(); });
    connect(dDirection, &QToolButton::clicked, this, [this] { DirectionClick(); });
    connect(Direction, &QPushButton::clicked, this, [this] { DirectionClick(); });
    connect(xSuchen, &QPushButton::clicked, this, [this] { goSuchen(); });
    connect(xBearbeiten, &QPushButton::clicked, this, [this] { goBearbeiten(); });
    connect(xBlaettern, &QPushButton::clicked, this, [this] { xBlaetternClick(); });
}

void TXWb::DBChanged() {
    const QString title = QStringLiteral("qor spanisch (%1)").arg(dictionary_.Count());
    if (windowTitle() != title)
        setWindowTitle(title);
    refreshing_ = true;
    showText(DBVokabel, dictionary_.GetWord());
    showText(DBBedeutung, dictionary_.GetMeaning());
    DBWortart->setCurrentIndex(dictionary_.GetClass() - 1);
    refreshing_ = false;
    const QString shortName = toQString(dictionary_.DirectionShortName());
    if (dDirection->text() != shortName)
        dDirection->setText(shortName);
    const QString longName = toQString(dictionary_.DirectionName());
    if (Direction->text() != longName)
        Direction->setText(longName);
    lookUpRecording();
    if (OnDictionaryShown)
        OnDictionaryShown();
}

void TXWb::showMode(QWidget* area, QPushButton* modeButton) {
    areas_->setCurrentWidget(area);
    for (QPushButton* button : {xSuchen, xBearbeiten, xBlaettern})
        button->setEnabled(button != modeButton);
}

void TXWb::goSuchen() {
    showMode(searchArea_, xSuchen);
}

void TXWb::goBearbeiten() {
    showMode(editArea_, xBearbeiten);
    DBVokabel->setFocus();
}

void TXWb::xBlaetternClick() {
    showMode(browseArea_, xBlaettern);
    if (!Stichwort->text().isEmpty())
        Stichwort->setSelection(1, Stichwort->text().size());
    Stichwort->setFocus();
}

void TXWb::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (areas_->currentWidget() == searchArea_) {
        Suchen->selectAll();
        Suchen->setFocus();
    }
}

void TXWb::resizeGridColumns() {
    // 20 pixels stay for the grid's scroll bar.
    const int textWidth = Grid->width() - 97;
    const int wordWidth = textWidth * 10 / 24;
    Grid->setColumnWidth(0, 20);
    Grid->setColumnWidth(1, wordWidth);
    Grid->setColumnWidth(2, textWidth - wordWidth);
    Grid->setColumnWidth(3, 57);
}

// Closing only hides: the window lives as long as the dictionary.
void TXWb::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace qor
