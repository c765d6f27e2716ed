#include "superlearning/SuperSettingsDialog.h"

#include "graphics/QtGraphics.h"
#include "page/view/TXPage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "superlearning/ColorField.h"
#include "superlearning/SuperOptions.h"
#include "superlearning/SuperSettingsTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qor {

using namespace literals;

namespace {

constexpr int TechnoLookTab = 2;
const char* const RandomPage = "<nach Zufallsprinzip>";

// The Techno colours are kept as red, green, blue.
QColor fromRedGreenBlue(std::uint32_t value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

std::uint32_t redGreenBlue(const QColor& color) {
    return color.rgb() & 0xFFFFFFu;
}

Color platformColor(const QColor& color) {
    return rgbColor(color.red(), color.green(), color.blue());
}

std::string text(const QLineEdit* edit) {
    return fromQString(edit->text().trimmed());
}

std::string text(const QComboBox* list) {
    return fromQString(list->currentText());
}

// Selects a font by name, in any case; one that is not installed is added so
// that the setting stays as it is.
void selectFont(QComboBox* list, const std::string& font) {
    int index = list->findText(toQString(font), Qt::MatchFixedString);
    if (index < 0) {
        list->insertItem(0, toQString(font));
        index = 0;
    }
    list->setCurrentIndex(index);
}

// Keeps label showing the slider's value as text makes it.
template <typename Text> void showValue(QSlider* slider, QLabel* label, Text text) {
    const auto update = [label, text](int value) {
        label->setText(toQString(text(value)));
    };
    QObject::connect(slider, &QSlider::valueChanged, label, update);
    update(slider->value());
}

} // namespace

TSuperSettingsDialog::TSuperSettingsDialog(TSuperOptions& options, std::string programDir,
                                           QWidget* parent)
    : QDialog(parent), options_(options), programDir_(std::move(programDir)) {
    setWindowTitle(QStringLiteral("QOR Superlearning - Einstellungen"));
    Seiten = new QTabWidget(this);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    Seiten->addTab(buildClassicTab(), QStringLiteral("klassisch"));
    Seiten->addTab(buildCrazyTab(), QStringLiteral("abgedreht"));
    Seiten->addTab(buildTechnoLookTab(), QStringLiteral("techno - optik"));
    Seiten->addTab(buildTechnoAnimationTab(), QStringLiteral("techno - animation"));
    Seiten->addTab(buildDDTab(), QStringLiteral("DD"));
    Seiten->addTab(buildVegasTab(), QStringLiteral("las vegas"));
    Seiten->addTab(buildAudioTab(), QStringLiteral("audio"));
    // Every tab in sight at the dialog's width.
    Seiten->setUsesScrollButtons(false);
    Seiten->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 7px; }"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildModeGroup());
    layout->addWidget(Seiten, 1);
    layout->addWidget(buildButtons());

    cDDFile->addItem(QString::fromLatin1(RandomPage));
    for (const std::string& page : options_.DDPages())
        cDDFile->addItem(toQString(page));
    connectControls();
    showSettings();

    resize(560, 440);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void TSuperSettingsDialog::connectControls() {
    connect(SuperModus, &QButtonGroup::idClicked, Seiten, &QTabWidget::setCurrentIndex);

    showValue(TrackBar, lblSteps, [](int value) { return std::to_string(value); });
    showValue(trPause, lblPause, [](int value) { return std::to_string(value); });
    showValue(trTextDelay, lblTextdelay, [](int value) { return std::to_string(value); });
    showValue(trMadness, lblMadness, [](int value) { return std::to_string(value); });
    showValue(trTransparenz, lblTransparenz, [](int value) { return std::to_string(value); });
    showValue(trRand, lblRand, [](int value) { return std::to_string(value); });
    showValue(trFrameDelay, lblFrameDelay,
              [](int position) { return FrameDelayText(FrameDelayMilliseconds(position)); });
    showValue(trDDTextDelay, lDDText, [](int tenths) { return SecondsText(tenths / 10.0) + " s"; });
    showValue(trDDCharDelay, lDDChar,
              [](int milliseconds) { return std::to_string(milliseconds) + " ms"; });
    showValue(tVegasFaktor, lVegasFaktor, [](int value) { return std::to_string(value) + "%"; });

    // Moving a slider of the pictures chooses what it sets.
    connect(trSpeed, &QSlider::valueChanged, this, [this] {
        if (!showing_)
            cFading->setChecked(true);
    });
    connect(trFrameDelay, &QSlider::valueChanged, this, [this] {
        if (!showing_)
            cHardCut->setChecked(true);
    });

    // The preview follows every change of the Techno look.
    connect(Seiten, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == TechnoLookTab)
            showPreview();
    });
    connect(trTransparenz, &QSlider::valueChanged, this, [this] { showPreview(); });
    connect(trRand, &QSlider::valueChanged, this, [this] { showPreview(); });
    connect(TransparenzModus, &QComboBox::currentIndexChanged, this, [this] { showPreview(); });
    connect(TechnoSchriften, &QComboBox::currentIndexChanged, this, [this] { showPreview(); });
    connect(eTechnoDir, &QLineEdit::editingFinished, this, [this] { showPreview(); });
    for (ColorField* field : {colorBGR, colorText, colorBMP})
        field->OnChange = [this] {
            showPreview();
        };

    connect(cDDAutomatic, &QCheckBox::toggled, this, [this](bool on) {
        cDDBGRDelay->setEnabled(on);
        if (on && cDDBGRDelay->currentIndex() < 0)
            cDDBGRDelay->setCurrentIndex(0);
    });

    // The audio CD and the speech recordings share the drive.
    connect(bCD, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !showing_)
            bSpeech->setChecked(false);
    });
    connect(bSpeech, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !showing_ && bCD->isChecked())
            bNone->setChecked(true);
    });

    connect(Button5, &QPushButton::clicked, this, [this] { browsePictures(); });
    connect(Button1, &QPushButton::clicked, this, [this] { browseMusic(); });
    connect(MP3Test, &QPushButton::clicked, this, [this] { testMusic(); });
    connect(bOK, &QPushButton::clicked, this, [this] { ok(); });
    connect(bAbbrechen, &QPushButton::clicked, this, [this] { reject(); });
    connect(bZuruecksetzen, &QPushButton::clicked, this, [this] { reset(); });
}

void TSuperSettingsDialog::showSettings() {
    showing_ = true;
    const SuperSettings& s = options_.Settings();
    SuperModus->button(s.Modus == 1 ? 1 : 0)->setChecked(true);
    Seiten->setCurrentIndex(SuperModus->checkedId());

    TrackBar->setValue(s.KlassikFaktor);
    selectFont(Schriften, s.Schrift);
    cKlassikBW->setChecked(s.SchwarzWeiss);
    cKlassikNoBGR->setChecked(s.OhneHintergrund);

    trPause->setValue(s.Faktor);
    trTextDelay->setValue(s.TextDelay);
    trMadness->setValue(s.Madness);
    CarsonBGR->setColor(toQColor(s.CarsonBGRColor));
    CarsonTXT->setColor(toQColor(s.CarsonTXTColor));

    eTechnoDir->setText(toQString(s.TechnoPhotoDir));
    trTransparenz->setValue(s.TechnoTransparenz);
    selectFont(TechnoSchriften, s.TechnoSchrift);
    trRand->setValue(s.TechnoRand);
    TransparenzModus->setCurrentIndex(s.TechnoMode);
    colorBGR->setColor(fromRedGreenBlue(s.TechnoBGRColor));
    colorText->setColor(fromRedGreenBlue(s.TechnoTextColor));
    colorBMP->setColor(fromRedGreenBlue(s.TechnoBMPColor));

    trSpeed->setValue(s.TechnoSpeed);
    trFrameDelay->setValue(FrameDelayPosition(s.TechnoFrameDelay));
    (s.TechnoFading ? cFading : cHardCut)->setChecked(true);
    (s.TechnoScrolling ? cTechnoScroll : cTechnoFix)->setChecked(true);
    const QString textDelay = toQString(TextDelayText(s.TechnoTextDelay));
    const int listed = cTextDelay->findText(textDelay);
    if (listed >= 0)
        cTextDelay->setCurrentIndex(listed);
    else
        cTextDelay->setEditText(textDelay);

    trDDTextDelay->setValue(s.DDTextDelay / 100);
    trDDCharDelay->setValue(s.DDCharDelay);
    const int page = s.DD.empty() ? 0 : cDDFile->findText(toQString(s.DD), Qt::MatchExactly);
    cDDFile->setCurrentIndex(std::max(page, 0));
    cDDAutomatic->setChecked(s.DDBGRDelay > 0);
    cDDBGRDelay->setEnabled(s.DDBGRDelay > 0);
    cDDBGRDelay->setCurrentIndex(
        cDDBGRDelay->findText(toQString(BackgroundDelayText(s.DDBGRDelay))));

    tVegasFaktor->setValue(s.VegasFaktor);

    MP3Dir->setText(toQString(s.MP3));
    bSpeech->setChecked(s.Sprachausgabe);
    const bool music = !options_.MusicFiles().empty();
    QRadioButton* source = s.Musik == MusicSource::AudioCd        ? bCD
                           : s.Musik == MusicSource::Mp3 && music ? bMP3
                                                                  : bNone;
    source->setChecked(true);
    showMusicFiles();
    showing_ = false;
    showPreview();
}

void TSuperSettingsDialog::showMusicFiles() {
    const bool music = !options_.MusicFiles().empty();
    MP3Info->setText(QString::number(options_.MusicFiles().size()) +
                     QStringLiteral(" MP3-Dateien"));
    bMP3->setEnabled(music);
    if (!music && bMP3->isChecked())
        bNone->setChecked(true);
}

void TSuperSettingsDialog::showPreview() {
    if (showing_)
        return;
    TechnoPreviewLook look;
    look.background = redGreenBlue(colorBGR->color());
    look.text = redGreenBlue(colorText->color());
    look.tint = redGreenBlue(colorBMP->color());
    const std::string picture = includeTrailingSeparator(text(eTechnoDir)) + "vorschau.jpg";
    if (fileExists(picture))
        look.picture = picture;
    look.effect = TransparenzModus->currentIndex();
    look.transparency = trTransparenz->value();
    look.border = trRand->value();
    look.font = text(TechnoSchriften);
    previewPage_ = TechnoPreviewPage(look);
    XPreview->ShowText(previewPage_);
}

void TSuperSettingsDialog::applySettings() {
    const auto set = [this](auto field, auto value) {
        options_.Set(field, std::move(value));
    };
    set(&SuperSettings::Modus, SuperModus->checkedId());

    set(&SuperSettings::KlassikFaktor, TrackBar->value());
    set(&SuperSettings::Schrift, text(Schriften));
    set(&SuperSettings::SchwarzWeiss, cKlassikBW->isChecked());
    set(&SuperSettings::OhneHintergrund, cKlassikNoBGR->isChecked());

    set(&SuperSettings::Faktor, trPause->value());
    set(&SuperSettings::TextDelay, trTextDelay->value());
    set(&SuperSettings::Madness, trMadness->value());
    set(&SuperSettings::CarsonBGRColor, platformColor(CarsonBGR->color()));
    set(&SuperSettings::CarsonTXTColor, platformColor(CarsonTXT->color()));

    set(&SuperSettings::TechnoTransparenz, trTransparenz->value());
    set(&SuperSettings::TechnoMode, TransparenzModus->currentIndex());
    set(&SuperSettings::TechnoRand, trRand->value());
    set(&SuperSettings::TechnoSchrift, text(TechnoSchriften));
    set(&SuperSettings::TechnoBGRColor, redGreenBlue(colorBGR->color()));
    set(&SuperSettings::TechnoTextColor, redGreenBlue(colorText->color()));
    set(&SuperSettings::TechnoBMPColor, redGreenBlue(colorBMP->color()));

    set(&SuperSettings::TechnoSpeed, trSpeed->value());
    set(&SuperSettings::TechnoFrameDelay, FrameDelayMilliseconds(trFrameDelay->value()));
    set(&SuperSettings::TechnoFading, cFading->isChecked());
    set(&SuperSettings::TechnoScrolling, cTechnoScroll->isChecked());
    set(&SuperSettings::TechnoTextDelay, TextDelayMilliseconds(text(cTextDelay)));

    set(&SuperSettings::DDTextDelay, trDDTextDelay->value() * 100);
    set(&SuperSettings::DDCharDelay, trDDCharDelay->value());
    set(&SuperSettings::DD, cDDFile->currentIndex() > 0 ? text(cDDFile) : std::string());
    set(&SuperSettings::DDBGRDelay,
        cDDAutomatic->isChecked() ? BackgroundDelaySeconds(text(cDDBGRDelay)) : 0);

    set(&SuperSettings::VegasFaktor, tVegasFaktor->value());

    options_.SetSprachausgabe(bSpeech->isChecked());
    const MusicSource music = bCD->isChecked()    ? MusicSource::AudioCd
                              : bMP3->isChecked() ? MusicSource::Mp3
                                                  : MusicSource::None;
    if (!options_.SetMusik(music))
        options_.SetMusik(MusicSource::None);
}

void TSuperSettingsDialog::ok() {
    // An empty field means no music folder; only a named one that is not
    // there is worth a message.
    const std::string musicFolder = text(MP3Dir);
    if (musicFolder.empty())
        options_.Set(&SuperSettings::MP3, std::string());
    else
        options_.SetMP3Folder(musicFolder);
    options_.SetTechnoPhotoDir(text(eTechnoDir));
    if (!musicFolder.empty() && options_.Settings().MP3.empty())
        return;
    stopTestMusic();
    applySettings();
    accept();
}

void TSuperSettingsDialog::reject() {
    stopTestMusic();
    QDialog::reject();
}

void TSuperSettingsDialog::reset() {
    options_.Reset();
    showSettings();
}

void TSuperSettingsDialog::browsePictures() {
    FileDialogRequest request;
    request.directory = programDir_;
    request.filter = "Bilder (800 x 534 Pixel - JPG/BMP) (*.jpg *.JPG *.bmp *.BMP)";
    if (const std::optional<std::string> chosen = askOpenFileName(request)) {
        eTechnoDir->setText(toQString(extractFileDir(*chosen)));
        showPreview();
    }
}

void TSuperSettingsDialog::browseMusic() {
    FileDialogRequest request;
    request.directory =
        MP3Dir->text().trimmed().isEmpty() ? programDir_ : includeTrailingSeparator(text(MP3Dir));
    request.filter = "MP3-Dateien (*.mp3 *.MP3)";
    if (const std::optional<std::string> chosen = askOpenFileName(request)) {
        options_.SetMP3Folder(extractFileDir(*chosen));
        MP3Dir->setText(toQString(options_.Settings().MP3));
        showMusicFiles();
    }
}

// A first click plays a track of the folder in the field; a second one
// stops it.
void TSuperSettingsDialog::testMusic() {
    if (MP3Test->text() == QStringLiteral("Stop")) {
        MP3Test->setText(QStringLiteral("Testen"));
        showMusicFiles();
    }
    if (options_.SendMci("Status MP3 mode", true).starts_with("play")) {
        stopTestMusic();
        return;
    }
    options_.SetMP3Folder(text(MP3Dir));
    MP3Dir->setText(toQString(options_.Settings().MP3));
    showMusicFiles();
    if (options_.MusicFiles().empty())
        return;
    options_.PlayNextMusicFile();
    MP3Test->setText(QStringLiteral("Stop"));
    MP3Info->setText(toQString("Es sollte nun Musik zu hören sein."_cp));
}

void TSuperSettingsDialog::stopTestMusic() {
    options_.SendMci("stop mp3", true);
    options_.SendMci("close mp3", true);
}

} // namespace qor
