// The controls of the superlearning settings dialog and where they stand:
// the mode above, one tab per presentation and the music, the buttons below.

#include "page/view/TXPage.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "superlearning/ColorField.h"
#include "superlearning/SuperSettingsDialog.h"
#include "superlearning/SuperSettingsTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
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

using namespace literals;

namespace {

QLabel* label(const std::string& text, QWidget* parent) {
    return new QLabel(toQString(text), parent);
}

QLabel* valueLabel(const char* name, QWidget* parent) {
    auto* result = new QLabel(parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setMinimumWidth(result->fontMetrics().horizontalAdvance(QStringLiteral("00:00 min")));
    return result;
}

QSlider* slider(const char* name, int minimum, int maximum, QWidget* parent) {
    auto* result = new QSlider(Qt::Horizontal, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setRange(minimum, maximum);
    return result;
}

// A slider with the words at its ends and its value behind it.
QHBoxLayout* sliderRow(QSlider* control, const std::string& low, const std::string& high,
                       QLabel* value) {
    auto* row = new QHBoxLayout;
    QWidget* parent = control->parentWidget();
    if (!low.empty())
        row->addWidget(label(low, parent));
    row->addWidget(control, 1);
    if (!high.empty())
        row->addWidget(label(high, parent));
    if (value)
        row->addWidget(value);
    return row;
}

QGroupBox* group(const std::string& title, QWidget* parent) {
    return new QGroupBox(toQString(title), parent);
}

template <typename Control> Control* named(const char* name, Control* control) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QCheckBox* checkBox(const char* name, const std::string& text, QWidget* parent) {
    return named(name, new QCheckBox(toQString(text), parent));
}

QRadioButton* radio(const char* name, const std::string& text, QWidget* parent) {
    return named(name, new QRadioButton(toQString(text), parent));
}

QPushButton* button(const char* name, const std::string& text, QWidget* parent) {
    return named(name, new QPushButton(toQString(text), parent));
}

QComboBox* fontList(const char* name, QWidget* parent) {
    auto* list = named(name, new QComboBox(parent));
    list->addItems(QFontDatabase::families());
    list->setMaxVisibleItems(16);
    return list;
}

QLabel* note(const std::string& text, QWidget* parent) {
    QLabel* result = label(text, parent);
    result->setWordWrap(true);
    return result;
}

QWidget* tabPage(QWidget* parent) {
    return new QWidget(parent);
}

} // namespace

QWidget* TSuperSettingsDialog::buildModeGroup() {
    QGroupBox* box = group("Modus", this);
    SuperModus = named("SuperModus", new QButtonGroup(box));
    auto* row = new QHBoxLayout(box);
    SuperModus->addButton(radio("Klassisch", "klassisch", box), 0);
    SuperModus->addButton(radio("Abgedreht", "abgedreht", box), 1);
    row->addWidget(SuperModus->button(0));
    row->addSpacing(12);
    row->addWidget(SuperModus->button(1));
    row->addStretch();
    return box;
}

QWidget* TSuperSettingsDialog::buildClassicTab() {
    QWidget* page = tabPage(this);
    QGroupBox* fade = group(" Überblendung "_cp, page);
    TrackBar = slider("TrackBar", 20, 500, fade);
    lblSteps = valueLabel("lblSteps", fade);
    auto* fadeRow = new QVBoxLayout(fade);
    fadeRow->addLayout(sliderRow(TrackBar, "langsam", "schnell", lblSteps));

    Schriften = fontList("Schriften", page);
    cKlassikBW = checkBox("cKlassikBW", "Schwarz-Weiß"_cp, page);
    cKlassikNoBGR = checkBox("cKlassikNoBGR", "ohne Hintergrund", page);
    auto* font = new QHBoxLayout;
    font->addWidget(label("Schrift:", page));
    font->addWidget(Schriften, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fade);
    layout->addLayout(font);
    layout->addWidget(cKlassikBW);
    layout->addWidget(cKlassikNoBGR);
    layout->addStretch();
    return page;
}

QWidget* TSuperSettingsDialog::buildCrazyTab() {
    QWidget* page = tabPage(this);
    QGroupBox* pause = group(" Geschwindigkeit ", page);
    trPause = slider("trPause", 50, 300, pause);
    lblPause = valueLabel("lblPause", pause);
    (new QVBoxLayout(pause))->addLayout(sliderRow(trPause, "", "", lblPause));
    QGroupBox* delay = group(" Textverzögerung "_cp, page);
    trTextDelay = slider("trTextDelay", 0, 100, delay);
    lblTextdelay = valueLabel("lblTextdelay", delay);
    (new QVBoxLayout(delay))->addLayout(sliderRow(trTextDelay, "keine", "viel", lblTextdelay));
    QGroupBox* madness = group(" Abgedrehtheit ", page);
    trMadness = slider("trMadness", 1, 10, madness);
    lblMadness = valueLabel("lblMadness", madness);
    (new QVBoxLayout(madness))->addLayout(sliderRow(trMadness, "minimal", "maximal", lblMadness));

    QGroupBox* colours = group(" Farben ", page);
    CarsonBGR = new ColorField("CarsonBGR", QStringLiteral("Hintergrund"), colours);
    CarsonTXT = new ColorField("CarsonTXT", QStringLiteral("Text"), colours);
    auto* colourGrid = new QGridLayout(colours);
    colourGrid->addWidget(label("Hintergrund", colours), 0, 0);
    colourGrid->addWidget(CarsonBGR, 0, 1);
    colourGrid->addWidget(label("Text", colours), 1, 0);
    colourGrid->addWidget(CarsonTXT, 1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(pause);
    left->addWidget(delay);
    left->addWidget(madness);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(note("Der Text erscheint Buchstabe für Buchstabe, in wechselnden Schriften, "
                          "Größen und Lagen. Je abgedrehter, desto wilder springen die "
                          "Buchstaben."_cp,
                          page));
    right->addWidget(colours);
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    return page;
}

QWidget* TSuperSettingsDialog::buildTechnoLookTab() {
    QWidget* page = tabPage(this);
    eTechnoDir = named("eTechnoDir", new QLineEdit(page));
    Button5 = button("Button5", "Durchsuchen...", page);
    trTransparenz = slider("trTransparenz", 0, 100, page);
    lblTransparenz = valueLabel("lblTransparenz", page);
    trRand = slider("trRand", 0, 200, page);
    lblRand = valueLabel("lblRand", page);
    TransparenzModus = named("TransparenzModus", new QComboBox(page));
    for (const char* effect : {"Normal", "Schwarz 1", "Schwarz 2", "Weiß 1", "Weiß 2", "Monochome ",
                               "Monochrome Neg.", "Farbe", "Farbe Neg."})
        TransparenzModus->addItem(QString::fromUtf8(effect));
    TechnoSchriften = fontList("TechnoSchriften", page);

    auto* folder = new QHBoxLayout;
    folder->addWidget(label("Bilder:", page));
    folder->addWidget(eTechnoDir, 1);
    folder->addWidget(Button5);
    auto* form = new QGridLayout;
    form->addWidget(label("Transparenz: ", page), 0, 0);
    form->addLayout(sliderRow(trTransparenz, "", "", lblTransparenz), 0, 1);
    form->addWidget(label("Rand: ", page), 1, 0);
    form->addLayout(sliderRow(trRand, "", "", lblRand), 1, 1);
    form->addWidget(label("Effekt: ", page), 2, 0);
    form->addWidget(TransparenzModus, 2, 1);
    form->addWidget(label("Schrift:", page), 3, 0);
    form->addWidget(TechnoSchriften, 3, 1);
    form->setRowStretch(4, 1);

    XPreview = named("XPreview", new TXPage(page));
    XPreview->setFixedSize(TechnoPreviewWidth, TechnoPreviewHeight);
    QGroupBox* colours = group("Farben", page);
    colorBGR = new ColorField("colorBGR", QStringLiteral("Hintergrund"), colours);
    colorBGR->setToolTip(QStringLiteral("Nur relevant wenn Transparenz kleiner als 100%"));
    colorText = new ColorField("colorText", QStringLiteral("Text"), colours);
    colorBMP = new ColorField("colorBMP", QString::fromUtf8("Färbung"), colours);
    colorBMP->setToolTip(QStringLiteral("nur relevant in einem Farb-Modus"));
    auto* colourGrid = new QGridLayout(colours);
    colourGrid->addWidget(label("Hintergrund", colours), 0, 0);
    colourGrid->addWidget(colorBGR, 0, 1);
    colourGrid->addWidget(label("Text", colours), 1, 0);
    colourGrid->addWidget(colorText, 1, 1);
    colourGrid->addWidget(label("Färbung"_cp, colours), 2, 0);
    colourGrid->addWidget(colorBMP, 2, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(XPreview, 0, Qt::AlignHCenter);
    right->addWidget(colours);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addSpacing(8);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(folder);
    layout->addLayout(columns, 1);
    return page;
}

QWidget* TSuperSettingsDialog::buildTechnoAnimationTab() {
    QWidget* page = tabPage(this);
    QGroupBox* pictures = group("Bildwechsel", page);
    cFading = radio("cFading", "Überblendung"_cp, pictures);
    cHardCut = radio("cHardCut", "harter Schnitt", pictures);
    trSpeed = slider("trSpeed", -23, 25, pictures);
    trFrameDelay =
        slider("trFrameDelay", FrameDelayFirstPosition, FrameDelayLastPosition, pictures);
    lblFrameDelay = valueLabel("lblFrameDelay", pictures);
    auto* pictureGrid = new QGridLayout(pictures);
    pictureGrid->addWidget(cFading, 0, 0);
    pictureGrid->addLayout(sliderRow(trSpeed, "langsam", "schnell", nullptr), 0, 1);
    pictureGrid->addWidget(cHardCut, 1, 0);
    pictureGrid->addLayout(sliderRow(trFrameDelay, "", "", lblFrameDelay), 1, 1);

    QGroupBox* texts = group("Texte", page);
    cTechnoScroll = radio("cTechnoScroll", "bewegt", texts);
    cTechnoFix = radio("cTechnoFix", "statisch", texts);
    cTextDelay = named("cTextDelay", new QComboBox(texts));
    cTextDelay->setEditable(true);
    for (const std::string& item : TextDelayItems())
        cTextDelay->addItem(toQString(item));
    auto* textRow = new QHBoxLayout(texts);
    textRow->addWidget(cTechnoScroll);
    textRow->addWidget(cTechnoFix);
    textRow->addStretch();
    textRow->addWidget(label("Anzeigedauer:", texts));
    textRow->addWidget(cTextDelay);
    textRow->addWidget(label("Sekunden", texts));

    QLabel* warning =
        note("Achtung: Harte, kurze Schnitte können bei empfindlichen Personen (Epileptikern) zu "
             "gesundheitlichen Problemen führen! Benutzung auf eigene Verantwortung!!!"_cp,
             page);
    warning->setObjectName(QStringLiteral("lWarnung"));
    warning->setStyleSheet(QStringLiteral("color: #B0412E;"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pictures);
    layout->addWidget(texts);
    layout->addWidget(warning);
    layout->addStretch();
    return page;
}

QWidget* TSuperSettingsDialog::buildDDTab() {
    QWidget* page = tabPage(this);
    trDDTextDelay = slider("trDDTextDelay", 10, 100, page);
    lDDText = valueLabel("lDDText", page);
    trDDCharDelay = slider("trDDCharDelay", 0, 100, page);
    lDDChar = valueLabel("lDDChar", page);
    auto* times = new QGridLayout;
    times->addWidget(label("Anzeigedauer eines Textes:", page), 0, 0);
    times->addLayout(sliderRow(trDDTextDelay, "", "", lDDText), 0, 1);
    times->addWidget(label("Zeit pro Buchstabe:", page), 1, 0);
    times->addLayout(sliderRow(trDDCharDelay, "", "", lDDChar), 1, 1);

    QGroupBox* background = group("Hintergrund", page);
    cDDFile = named("cDDFile", new QComboBox(background));
    cDDAutomatic = checkBox("cDDAutomatic", "automatisch abwechseln:", background);
    cDDBGRDelay = named("cDDBGRDelay", new QComboBox(background));
    for (const std::string& item : BackgroundDelayItems())
        cDDBGRDelay->addItem(toQString(item));
    auto* backgroundGrid = new QGridLayout(background);
    backgroundGrid->addWidget(label("Seite:", background), 0, 0);
    backgroundGrid->addWidget(cDDFile, 0, 1);
    backgroundGrid->addWidget(cDDAutomatic, 1, 0);
    backgroundGrid->addWidget(cDDBGRDelay, 1, 1);
    backgroundGrid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(times);
    layout->addWidget(background);
    layout->addStretch();
    return page;
}

QWidget* TSuperSettingsDialog::buildVegasTab() {
    QWidget* page = tabPage(this);
    tVegasFaktor = slider("tVegasFaktor", 20, 180, page);
    lVegasFaktor = valueLabel("lVegasFaktor", page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label("Geschwindigkeit des Vokabel-Bingos:", page));
    layout->addLayout(sliderRow(tVegasFaktor, "langsam", "schnell", lVegasFaktor));
    layout->addStretch();
    return page;
}

QWidget* TSuperSettingsDialog::buildAudioTab() {
    QWidget* page = tabPage(this);
    QGroupBox* music = group("Musik", page);
    bNone = radio("bNone", "Keine", music);
    bCD = radio("bCD", "Audio-CD ", music);
    bMP3 = radio("bMP3", "MP3", music);
    MP3Dir = named("MP3Dir", new QLineEdit(music));
    Button1 = button("Button1", "Durchsuchen...", music);
    MP3Test = button("MP3Test", "Testen", music);
    MP3Info = named("MP3Info", new QLabel(music));
    auto* sources = new QHBoxLayout;
    sources->addWidget(bNone);
    sources->addWidget(bCD);
    sources->addWidget(bMP3);
    sources->addStretch();
    auto* folder = new QHBoxLayout;
    folder->addWidget(label("MP3-Verzeichnis:", music));
    folder->addWidget(MP3Dir, 1);
    folder->addWidget(Button1);
    folder->addWidget(MP3Test);
    auto* musicLayout = new QVBoxLayout(music);
    musicLayout->addLayout(sources);
    musicLayout->addLayout(folder);
    musicLayout->addWidget(MP3Info);

    bSpeech = checkBox("bSpeech", "Sprachausgabe (CD-ROM erforderlich)", page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(music);
    layout->addWidget(bSpeech);
    layout->addStretch();
    return page;
}

QWidget* TSuperSettingsDialog::buildButtons() {
    auto* box = new QDialogButtonBox(this);
    bOK = named("bOK", box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole));
    bAbbrechen = named("bAbbrechen",
                       box->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole));
    bZuruecksetzen = named("bZuruecksetzen", box->addButton(QString::fromUtf8("&Zurücksetzen"),
                                                            QDialogButtonBox::ResetRole));
    bOK->setDefault(true);
    return box;
}

} // namespace qor
