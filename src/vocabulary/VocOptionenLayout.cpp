// The controls of the training settings window and where they stand: the
// library on the left, the settings on the right (the general ones, or the
// user's score limit), the status line at the bottom.

#include "controls/XListBox.h"
#include "controls/XRadioGroup.h"
#include "page/view/TXPage.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/VocOptionen.h"
#include "vocabulary/VocOptionenPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qor {

namespace {

const QColor Paper(0xFB, 0xF6, 0xEA);
const QColor Ink(0x2B, 0x26, 0x22);
const QColor Card(0xFF, 0xFF, 0xFF);
constexpr Color InkColor = rgbColor(0x2B, 0x26, 0x22);
constexpr Color AccentColor = rgbColor(0xB0, 0x41, 0x2E);

const char* const StyleSheet = R"(
QFrame#card { background: #FFFFFF; border: 1px solid #E6D8BC; border-radius: 8px; }
QPushButton { background: #FFFFFF; border: 1px solid #D9C7A3; border-radius: 5px;
              padding: 4px 8px; color: #2B2622; }
QPushButton:hover { border-color: #B0412E; color: #B0412E; }
QPushButton:disabled { color: #A89C8C; }
QPushButton#bHome, QPushButton#bAbfragen, QPushButton#bEditor, QPushButton#bBenutzer,
QPushButton#bAllgemein {
    background: #B0412E; border-color: #8E3222; color: #FFFFFF; font-weight: bold; }
QPushButton#bHome:hover, QPushButton#bAbfragen:hover, QPushButton#bEditor:hover,
QPushButton#bBenutzer:hover,
QPushButton#bAllgemein:hover {
    background: #C4533E; color: #FFFFFF; }
QSlider::groove:horizontal { height: 4px; background: #E6D8BC; border-radius: 2px; }
QSlider::sub-page:horizontal { background: #E8B53A; border-radius: 2px; }
QSlider::handle:horizontal { width: 12px; margin: -6px 0; border-radius: 6px;
                             background: #B0412E; }
QSlider::handle:horizontal:disabled { background: #C9BBA5; }
QSlider::sub-page:horizontal:disabled { background: #E6D8BC; }
QFrame#statusLine { background: #2B2622; }
QFrame#accentLine { background: #E8B53A; }
)";

QFrame* card(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("card"));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, Card);
    frame->setPalette(palette);
    return frame;
}

QLabel* label(const std::string& text, QWidget* parent) {
    return new QLabel(toQString(text), parent);
}

QPushButton* button(const char* name, const std::string& text, QWidget* parent) {
    auto* result = new QPushButton(toQString(text), parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setCursor(Qt::PointingHandCursor);
    return result;
}

tXRadioGroup* choice(const char* name, std::vector<std::string> items, int cellWidth,
                     QWidget* parent) {
    auto* group = new tXRadioGroup(parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setItems(std::move(items));
    group->setSpalten(1);
    group->setZeilen(3);
    group->setCellWidth(cellWidth);
    group->setCellHeight(22);
    group->setFontColor(InkColor);
    group->setFixedSize(cellWidth, 3 * 22);
    // The group fills its cells with the window colour; it sits on a card.
    QPalette palette = group->palette();
    palette.setColor(QPalette::Window, Card);
    group->setPalette(palette);
    return group;
}

QSlider* slider(const char* name, int minimum, int maximum, QWidget* parent) {
    auto* result = new QSlider(Qt::Horizontal, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setRange(minimum, maximum);
    return result;
}

} // namespace

void TVocOptionen::applyLook() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Paper);
    palette.setColor(QPalette::WindowText, Ink);
    palette.setColor(QPalette::Text, Ink);
    palette.setColor(QPalette::ButtonText, Ink);
    palette.setColor(QPalette::Base, Card);
    palette.setColor(QPalette::Highlight, QColor(0xB0, 0x41, 0x2E));
    setPalette(palette);
    if (QFontDatabase::families().contains(QStringLiteral("Verdana"))) {
        QFont verdana(QStringLiteral("Verdana"));
        verdana.setPointSize(font().pointSize());
        setFont(verdana);
    }
    setStyleSheet(QString::fromLatin1(StyleSheet));
}

void TVocOptionen::buildContent(QWidget* central) {
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* heading = label("Vokabeltrainer - Einstellungen", central);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 7);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::WindowText, QColor(0xB0, 0x41, 0x2E));
    heading->setPalette(headingPalette);
    heading->setContentsMargins(20, 10, 20, 6);
    outer->addWidget(heading);
    auto* accent = new QFrame(central);
    accent->setObjectName(QStringLiteral("accentLine"));
    accent->setFixedHeight(3);
    outer->addWidget(accent);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(20, 12, 20, 12);
    body->setSpacing(16);
    body->addWidget(buildLibraryColumn(central));
    Seiten = new QStackedWidget(central);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    Seiten->addWidget(buildGeneralPanel(Seiten));
    Seiten->addWidget(buildUserPanel(Seiten));
    body->addWidget(Seiten, 1);
    outer->addLayout(body, 1);
    outer->addWidget(buildStatusLine(central));
}

QWidget* TVocOptionen::buildLibraryColumn(QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setFixedWidth(300);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    lDatei = label("", column);
    QFont bold = lDatei->font();
    bold.setBold(true);
    lDatei->setFont(bold);
    layout->addWidget(lDatei);
    lbVokabeln = new TXListBox(column);
    lbVokabeln->setListenTyp(TListenTyp::ltViewOnly);
    lbVokabeln->setColor(rgbColor(0xFF, 0xFF, 0xFF));
    lbVokabeln->setFarbeAus(InkColor);
    lbVokabeln->setFarbeAn(AccentColor);
    lbVokabeln->setIcon1(DirectionMark(true, lbVokabeln->ItemHeight()));
    lbVokabeln->setIcon2(DirectionMark(false, lbVokabeln->ItemHeight()));
    layout->addWidget(lbVokabeln, 1);
    lAnzahl = label("", column);
    lAnzahl->setWordWrap(true);
    layout->addWidget(lAnzahl);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    bLaden = button("bLaden", "Bibliothek laden", column);
    bDazuladen = button("bDazuladen", "Bibliothek dazuladen", column);
    bSpeichern = button("bSpeichern", "Bibliothek speichern", column);
    bNeu = button("bNeu", "neue Bibliothek", column);
    bDrucken = button("bDrucken", "Bibliothek drucken", column);
    bInfo = button("bInfo", "Informationen zur Bibliothek", column);
    buttons->addWidget(bLaden, 0, 0);
    buttons->addWidget(bDazuladen, 0, 1);
    buttons->addWidget(bSpeichern, 1, 0);
    buttons->addWidget(bNeu, 1, 1);
    buttons->addWidget(bDrucken, 2, 0, 1, 2);
    buttons->addWidget(bInfo, 3, 0, 1, 2);
    layout->addLayout(buttons);
    connect(bLaden, &QPushButton::clicked, this, [this] { Oeffnen(); });
    connect(bDazuladen, &QPushButton::clicked, this, [this] { Hinzufuegen(); });
    connect(bSpeichern, &QPushButton::clicked, this, [this] { Speichern(); });
    connect(bNeu, &QPushButton::clicked, this, [this] { Neu(); });
    connect(bDrucken, &QPushButton::clicked, this, [this] { Drucken(); });
    connect(bInfo, &QPushButton::clicked, this, [this] { Info(); });
    return column;
}

QWidget* TVocOptionen::buildGeneralPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(buildOrderRow(panel));
    layout->addWidget(buildSliderRows(panel));
    layout->addWidget(buildFilterRows(panel));
    layout->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bBenutzer = button("bBenutzer", "benutzerabhängige Filter"_cp, panel);
    connect(bBenutzer, &QPushButton::clicked, this, [this] { BenutzerFilter(); });
    bottom->addWidget(bBenutzer);
    layout->addLayout(bottom);
    return panel;
}

QWidget* TVocOptionen::buildOrderRow(QWidget* parent) {
    auto* frame = card(parent);
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setHorizontalSpacing(16);
    cModus = choice("cModus", {"Vorwärts"_cp, "Rückwärts"_cp, "Kreuz-und-quer"}, 170, frame);
    tip(cModus, "Abfragerichtung");
    cRichtung = choice(
        "cRichtung", {"Deutsch - Spanisch", "Spanisch - Deutsch", "Beide Richtungen"}, 190, frame);
    layout->addWidget(cModus, 0, 0);
    layout->addWidget(cRichtung, 0, 1);
    cVon = new QComboBox(frame);
    cVon->setObjectName(QStringLiteral("cVon"));
    cBis = new QComboBox(frame);
    cBis->setObjectName(QStringLiteral("cBis"));
    for (QComboBox* range : {cVon, cBis}) {
        range->setMaxVisibleItems(15);
        range->setMinimumContentsLength(12);
        range->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        tip(range, "Vokabelauswahl begrenzen");
    }
    layout->addWidget(cVon, 1, 0);
    layout->addWidget(cBis, 1, 1);
    return frame;
}

QWidget* TVocOptionen::buildSliderRows(QWidget* parent) {
    auto* frame = card(parent);
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setHorizontalSpacing(12);
    TrackProRunde = slider("TrackProRunde", 5, 6, frame);
    LProRunde = label("", frame);
    LProRunde->setObjectName(QStringLiteral("LProRunde"));
    LProRunde->setMinimumWidth(28);
    layout->addWidget(label("Vokabeln pro Runde", frame), 0, 0);
    layout->addWidget(TrackProRunde, 0, 1);
    layout->addWidget(LProRunde, 0, 2);
    TrackMultiple = slider("TrackMultiple", 0, 100, frame);
    lMultiple = label("", frame);
    lEintippen = label("", frame);
    layout->addWidget(lMultiple, 1, 0);
    layout->addWidget(TrackMultiple, 1, 1);
    layout->addWidget(lEintippen, 1, 2);
    layout->setColumnStretch(1, 1);
    return frame;
}

QWidget* TVocOptionen::buildFilterRows(QWidget* parent) {
    auto* frame = card(parent);
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(14, 10, 14, 10);
    const char* const names[] = {"Baby", "Leicht", "Mittel", "Schwierig", "Tödlich"};
    for (std::size_t i = 0; i < Schwer.size(); ++i) {
        Schwer[i] = new QCheckBox(toQString(utf8ToCp1252(names[i])), frame);
        Schwer[i]->setObjectName(QStringLiteral("Schwer%1").arg(i + 1));
        tip(Schwer[i], "Schwierigkeitsgrade");
        layout->addWidget(Schwer[i], 0, static_cast<int>(i));
    }
    cRedewendungen = new QCheckBox(QStringLiteral("Redewendungen"), frame);
    tip(cRedewendungen, "Abfrage von Redewendungen");
    cKontext = new QCheckBox(QStringLiteral("Kontext"), frame);
    tip(cKontext, "Abfrage im Satzzusammenhang");
    layout->addWidget(cRedewendungen, 1, 0, 1, 2);
    layout->addWidget(cKontext, 1, 2, 1, 2);
    return frame;
}

QWidget* TVocOptionen::buildUserPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    auto* frame = card(panel);
    auto* limit = new QGridLayout(frame);
    limit->setContentsMargins(14, 10, 14, 10);
    TrackScore = slider("TrackScore", -100, 100, frame);
    lMaxScore = label("", frame);
    lMaxScore->setMinimumWidth(44);
    limit->addWidget(label("Grenzwert:", frame), 0, 0);
    limit->addWidget(TrackScore, 0, 1);
    limit->addWidget(lMaxScore, 0, 2);
    limit->addWidget(label("[Es werden keine Vokabeln über diesem Wert abgefragt.]"_cp, frame), 1,
                     0, 1, 3);
    lScoreExpl = label("", frame);
    lScoreExpl->setWordWrap(true);
    lScoreExpl->setMinimumHeight(lScoreExpl->fontMetrics().lineSpacing() * 3);
    lScoreExpl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    limit->addWidget(lScoreExpl, 2, 0, 1, 3);
    limit->setColumnStretch(1, 1);
    layout->addWidget(frame);
    pHilfe = new TXPage(panel);
    pHilfe->setFixedSize(360, 200);
    layout->addWidget(pHilfe, 0, Qt::AlignLeft);
    layout->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bAllgemein = button("bAllgemein", "Allgemein", panel);
    connect(bAllgemein, &QPushButton::clicked, this, [this] { Seiten->setCurrentIndex(0); });
    bottom->addWidget(bAllgemein);
    layout->addLayout(bottom);
    return panel;
}

QWidget* TVocOptionen::buildStatusLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("statusLine"));
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(20, 6, 20, 6);
    iStatus = new QLabel(line);
    iStatus->setFixedSize(16, 16);
    lMeldung = label("", line);
    QFont bold = lMeldung->font();
    bold.setBold(true);
    lMeldung->setFont(bold);
    bAbfragen = button("bAbfragen", "abfragen", line);
    connect(bAbfragen, &QPushButton::clicked, this, [this] { Abfragen(); });
    bHome = button("bHome", "home", line);
    connect(bHome, &QPushButton::clicked, this, [this] { Home(); });
    bEditor = button("bEditor", "editor", line);
    connect(bEditor, &QPushButton::clicked, this, [this] { Editor(); });
    // Superlearning with the library, one button a style.
    const char* const styles[] = {"klassisch", "abgedreht ", "techno", "super dd "};
    for (int style = 0; style < 4; ++style) {
        bSuper[static_cast<std::size_t>(style)] = button("bSuper", styles[style], line);
        connect(bSuper[static_cast<std::size_t>(style)], &QPushButton::clicked, this,
                [this, style] { Superlearning(style); });
    }
    layout->addWidget(iStatus);
    layout->addWidget(lMeldung, 1);
    for (QPushButton* superlearning : bSuper)
        layout->addWidget(superlearning);
    layout->addWidget(bEditor);
    layout->addWidget(bAbfragen);
    layout->addWidget(bHome);
    return line;
}

} // namespace qor
