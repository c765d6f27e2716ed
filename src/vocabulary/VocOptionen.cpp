#include "vocabulary/VocOptionen.h"

#include "controls/XListBox.h"
#include "controls/XRadioGroup.h"
#include "page/view/TXPage.h"
#include "platform/AppMessage.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/ActiveEntries.h"
#include "vocabulary/LearningPreCheck.h"
#include "vocabulary/RecentLibraryMenu.h"
#include "vocabulary/VocOptionenPictures.h"
#include "vocabulary/VocOptionenTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <algorithm>

namespace qor {

namespace {

constexpr int MaxRoundSize = 100;
constexpr int MinRoundSize = 5;
const QColor UsableColor(0xE8, 0xB5, 0x3A);
const QColor UnusableColor(0xFF, 0x4B, 0x3A);

void setTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void fillCombo(QComboBox* combo, const std::vector<std::string>& items) {
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(toQString(item));
}

} // namespace

TVocOptionen::TVocOptionen(VocOptionenContext context, QWidget* parent)
    : QMainWindow(parent), library_(context.library), settings_(context.settings),
      config_(context.config), registry_(context.registry),
      isLoggedIn_(std::move(context.isLoggedIn)), pageFolder_(std::move(context.pageFolder)),
      showRecordingSetup_(std::move(context.showRecordingSetup)),
      showWaveBase_(std::move(context.showWaveBase)),
      showSuperlearningSettings_(std::move(context.showSuperlearningSettings)),
      trainingPreCheck_(std::move(context.trainingPreCheck)) {
    setWindowTitle(toQString("qor spanisch - Einstellungen für den Vokabeltrainer"_cp));
    setFixedSize(800, 572);
    applyLook();
    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildContent(central);
    buildMenus();
    connectSettings();
    setOnlineHelp(config_.OnlineHelp);
    if (loggedIn())
        library_.LoadScores();
    if (settings_.NichtGelesen)
        settings_.ReadSettings(registry_);
    Zeigen();
}

TVocOptionen::~TVocOptionen() = default;

bool TVocOptionen::loggedIn() const {
    return isLoggedIn_ && isLoggedIn_();
}

void TVocOptionen::tip(QWidget* widget, const std::string& text) {
    const auto known = std::find_if(tips_.begin(), tips_.end(),
                                    [widget](const auto& entry) { return entry.first == widget; });
    if (known != tips_.end())
        known->second = toQString(text);
    else
        tips_.emplace_back(widget, toQString(text));
    widget->setToolTip(config_.OnlineHelp ? toQString(text) : QString());
}

void TVocOptionen::setOnlineHelp(bool on) {
    config_.OnlineHelp = on;
    const QSignalBlocker block(onlineHelp_);
    onlineHelp_->setChecked(on);
    for (const auto& [widget, text] : tips_)
        widget->setToolTip(on ? text : QString());
}

void TVocOptionen::connectSettings() {
    cModus->OnClick = [this](QWidget*) {
        settings_.Modus = static_cast<std::uint8_t>(cModus->Selected());
        showRoundSize();
        ShowAktiv();
    };
    cRichtung->OnClick = [this](QWidget*) {
        settings_.Richtung = static_cast<std::uint8_t>(cRichtung->Selected());
        ShowAktiv();
    };
    for (QComboBox* range : {cVon, cBis})
        connect(range, &QComboBox::currentIndexChanged, this, [this] { rangeChosen(); });
    connect(TrackProRunde, &QSlider::valueChanged, this, [this](int value) {
        LProRunde->setNum(value);
        if (!showing_ && TrackProRunde->isEnabled()) {
            settings_.ProRunde = value;
            ShowAktiv();
        }
    });
    connect(TrackMultiple, &QSlider::valueChanged, this, [this](int value) {
        showMultipleChoice(value);
        if (!showing_)
            settings_.MultipleChoice = value;
    });
    connect(TrackScore, &QSlider::valueChanged, this, [this](int value) {
        showScoreLimit(value);
        if (!showing_) {
            settings_.MaxScore = value;
            ShowAktiv();
        }
    });
    const auto filter = [this](QCheckBox* box, bool& setting) {
        connect(box, &QCheckBox::toggled, this, [this, &setting](bool on) {
            if (!showing_) {
                setting = on;
                ShowAktiv();
            }
        });
    };
    for (std::size_t i = 0; i < Schwer.size(); ++i)
        filter(Schwer[i], settings_.NichtZuSchwer[i]);
    filter(cRedewendungen, settings_.Redewendungen);
    filter(cKontext, settings_.Kontext);
}

void TVocOptionen::rangeChosen() {
    if (showing_)
        return;
    if (cBis->currentIndex() < cVon->currentIndex()) {
        const QSignalBlocker blockVon(cVon);
        const QSignalBlocker blockBis(cBis);
        const int von = cVon->currentIndex();
        cVon->setCurrentIndex(cBis->currentIndex());
        cBis->setCurrentIndex(von);
    }
    ShowAktiv();
}

void TVocOptionen::showMultipleChoice(int value) {
    lMultiple->setText(QStringLiteral("Multiple Choice %1%").arg(value));
    lEintippen->setText(QStringLiteral("%1% Eintippen").arg(100 - value));
}

void TVocOptionen::showScoreLimit(int value) {
    lMaxScore->setText(QStringLiteral("%1%").arg(value));
    lScoreExpl->setText(toQString(ScoreLimitExplanation(value)));
}

// The round size counts only in random order; its slider reaches as far as
// the library does, but at least to 6 and at most to 100.
void TVocOptionen::showRoundSize() {
    const int entries = library_.Count(false);
    const bool random = settings_.Modus == 2;
    {
        const QSignalBlocker block(TrackProRunde);
        TrackProRunde->setEnabled(random && entries > 0);
        TrackProRunde->setRange(MinRoundSize, std::min(std::max(entries, 6), MaxRoundSize));
        TrackProRunde->setValue(settings_.ProRunde);
        LProRunde->setNum(TrackProRunde->value());
    }
    if (TrackProRunde->isEnabled())
        settings_.ProRunde = TrackProRunde->value();
    const bool ranges = !random && cVon->count() > 0;
    cVon->setEnabled(ranges);
    cBis->setEnabled(ranges);
}

void TVocOptionen::showRange() {
    fillCombo(cVon, RangeItems(library_));
    fillCombo(cBis, RangeItems(library_));
    const int count = cVon->count();
    cVon->setCurrentIndex(settings_.Von >= 0 && settings_.Von < count ? settings_.Von : 0);
    const bool bisValid = settings_.Von < settings_.Bis && settings_.Bis < count;
    cBis->setCurrentIndex(bisValid ? settings_.Bis : count - 1);
}

void TVocOptionen::showSettings() {
    cModus->setSelected(settings_.Modus);
    cRichtung->setSelected(settings_.Richtung);
    TrackMultiple->setValue(settings_.MultipleChoice);
    showMultipleChoice(TrackMultiple->value());
    TrackScore->setValue(settings_.MaxScore);
    showScoreLimit(TrackScore->value());
    for (std::size_t i = 0; i < Schwer.size(); ++i)
        Schwer[i]->setChecked(settings_.NichtZuSchwer[i]);
    cRedewendungen->setChecked(settings_.Redewendungen);
    cKontext->setChecked(settings_.Kontext);
}

void TVocOptionen::Zeigen() {
    showing_ = true;
    const bool user = loggedIn();
    lbVokabeln->setItems(EntryListItems(library_, user));
    lDatei->setText(toQString(library_.DisplayName()));
    lAnzahl->setText(toQString(EntryCountText(library_, user)));
    showSettings();
    showRange();
    showing_ = false;
    showRoundSize();
    ShowAktiv();
}

void TVocOptionen::ShowAktiv() {
    settings_.Von = cVon->currentIndex();
    settings_.Bis = cBis->currentIndex();
    const int active = ActiveCount(library_, settings_, loggedIn());
    const bool usable = SettingsUsable(active, settings_);
    lMeldung->setText(toQString(std::to_string(active) + " davon aktiv"));
    setTextColor(lMeldung, usable ? UsableColor : UnusableColor);
    iStatus->setPixmap(SettingsMark(usable));
    tip(iStatus, usable ? "Einstellungen sind OK!" : "Einstellungen sind NICHT OK!");
}

void TVocOptionen::BenutzerFilter() {
    if (!loggedIn()) {
        AppMessage("Die Erfolgsanalyse erfordert eine Anmeldung als Benutzer!");
        return;
    }
    Seiten->setCurrentIndex(1);
    pHilfe->setXFile(pageFolder_ + "voc_opt1.htx");
}

void TVocOptionen::Home() {
    close();
}

void TVocOptionen::Abfragen() {
    if (!trainingPreCheck_ || !trainingPreCheck_())
        return;
    pendingCommand_ = "vabfrage";
    close();
}

void TVocOptionen::Editor() {
    editorRequested_ = true;
    close();
}

void TVocOptionen::Superlearning(int style) {
    if (!LearningPreCheck(library_, settings_))
        return;
    superlearningStyle_ = style;
    close();
}

void TVocOptionen::closeEvent(QCloseEvent* event) {
    if (!left_) {
        left_ = true;
        settings_.WriteSettings(registry_);
        if (OnHome)
            OnHome();
        deleteLater();
    }
    event->accept();
}

} // namespace qor
