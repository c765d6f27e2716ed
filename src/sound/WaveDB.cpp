#include "sound/WaveDB.h"

#include "controls/AccentKey.h"
#include "controls/FormControls.h"
#include "core/Configuration.h"
#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"
#include "sound/WordRecordings.h"
#include "sound/WordSpeech.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace qor {
using namespace literals;

TWaveDB::TWaveDB(TXWaveBase& base, Configuration& config, QWidget* parent, MciSender sendMci)
    : QDialog(parent, Qt::Tool), base_(base), config_(config), sendMci_(std::move(sendMci)) {
    setWindowTitle(QStringLiteral("Verwaltung der Sprachaufnahmen"));
    createControls();
    base_.OnChange = [this] {
        Refresh();
    };
    Refresh();
}

TWaveDB::~TWaveDB() {
    base_.OnChange = nullptr;
    sendMci_("close satz", true);
}

void TWaveDB::createControls() {
    Suchen = new QLineEdit(this);
    eText = new QLineEdit(this);
    eDatei = new QLineEdit(this);
    lCount = new QLabel(this);
    lSynthetisch = new QLabel(QStringLiteral("synthetisch"), this);
    lSynthetisch->setToolTip(
        QStringLiteral("Keine Aufnahme: das Programm spricht den Text selbst"));
    btnFirst = toolButton("|◀", "Zum ersten Eintrag", this);
    btnPrevious = toolButton("◀", "Zum vorangehenden Eintrag", this);
    btnNext = toolButton("▶", "Zum nächsten Eintrag", this);
    btnLast = toolButton("▶|", "Zum letzten Eintrag", this);
    btnNew = toolButton("+", "Neuen Eintrag erzeugen", this);
    btnDelete = toolButton("–", "Aktuellen Eintrag löschen", this);
    btnBrowse = toolButton("...", "Durchsuchen...", this);
    btnPlay = toolButton("♪", "Vorlesen", this);
    btnSort = toolButton("abc", "Alphabetisch sortieren", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Suche: "), this), 0, 0);
    grid->addWidget(Suchen, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Text:"), this), 1, 0);
    grid->addWidget(eText, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Datei:"), this), 2, 0);
    grid->addWidget(eDatei, 2, 1);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(btnBrowse);
    fileButtons->addWidget(btnPlay);
    fileButtons->addWidget(lSynthetisch);
    grid->addLayout(fileButtons, 2, 2);
    auto* row = new QHBoxLayout;
    for (QToolButton* button :
         {btnFirst, btnPrevious, btnNext, btnLast, btnNew, btnDelete, btnSort})
        row->addWidget(button);
    row->addStretch();
    row->addWidget(lCount);
    grid->addLayout(row, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(460);

    for (QLineEdit* edit : {Suchen, eText, eDatei})
        installAccentKey(edit);

    connect(Suchen, &QLineEdit::textChanged, this, [this] { SuchenChange(); });
    connect(eText, &QLineEdit::textChanged, this, [this] { eTextChange(); });
    connect(eDatei, &QLineEdit::textChanged, this, [this] { eDateiChange(); });
    connect(btnFirst, &QToolButton::clicked, this,
            [this] { moveIfComplete([this] { base_.First(); }); });
    connect(btnPrevious, &QToolButton::clicked, this,
            [this] { moveIfComplete([this] { base_.Previous(); }); });
    connect(btnNext, &QToolButton::clicked, this,
            [this] { moveIfComplete([this] { base_.Next(); }); });
    connect(btnLast, &QToolButton::clicked, this,
            [this] { moveIfComplete([this] { base_.Last(); }); });
    connect(btnNew, &QToolButton::clicked, this, [this] {
        moveIfComplete([this] {
            base_.InsertNew();
            eText->setFocus();
        });
    });
    connect(btnDelete, &QToolButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnBrowse, &QToolButton::clicked, this, [this] { btnBrowseClick(); });
    connect(btnPlay, &QToolButton::clicked, this, [this] { btnPlayClick(); });
    connect(btnSort, &QToolButton::clicked, this, [this] { base_.Sort(); });
}

void TWaveDB::Refresh() {
    refreshing_ = true;
    showText(eText, base_.GetText());
    showText(eDatei, base_.GetDatei());
    refreshing_ = false;
    const bool synthetic = !spokenInstead().empty();
    lSynthetisch->setVisible(synthetic);
    btnPlay->setVisible(synthetic || !base_.Resolve(base_.GetDatei()).path.empty());
    const QString count = QString::number(base_.Count()) + QStringLiteral(" Einträge");
    if (lCount->text() != count)
        lCount->setText(count);
}

std::string TWaveDB::spokenInstead() const {
    if (!base_.SpeaksMissing() || !base_.Resolve(base_.GetDatei()).path.empty())
        return {};
    return SpokenText(base_.GetText());
}

void TWaveDB::moveIfComplete(const std::function<void()>& move) {
    if (base_.CheckCurrent())
        move();
}

void TWaveDB::SuchenChange() {
    base_.GoToText(fromQString(Suchen->text()));
}

void TWaveDB::eTextChange() {
    if (refreshing_)
        return;
    const std::string text = fromQString(eText->text());
    if (text != base_.GetText())
        base_.SetText(text);
}

void TWaveDB::eDateiChange() {
    if (refreshing_)
        return;
    const std::string reference = fromQString(eDatei->text());
    if (reference != base_.GetDatei())
        base_.SetDatei(reference);
}

void TWaveDB::btnDeleteClick() {
    if (AppMessage("Diesen Eintrag wirklich löschen?"_cp, MessageStyle::YesNo) != MessageResult::No)
        base_.DeleteCurrent();
}

void TWaveDB::btnPlayClick() {
    const std::string reference = fromQString(eDatei->text());
    const ResolvedSound sound = base_.Resolve(reference);
    if (const std::string spoken = spokenInstead(); sound.path.empty() && !spoken.empty()) {
        SpeakQuiet(spoken, SpeechRate::Normal, "satz");
        return;
    }
    if (sound.path.empty()) {
        AppMessage(reference +
                   " konnte nicht gefunden werden. Stellen Sie\nsicher, daß die CD-ROM eingelegt "
                   "ist und der korrekte Pfad eingestellt ist."_cp);
        return;
    }
    sendMci_("close satz", true);
    if (!IsMciError(sendMci_("open \"" + sound.path + "\" alias satz", false)))
        sendMci_("play satz from 0", false);
}

void TWaveDB::btnBrowseClick() {
    const std::optional<std::string> chosen = askOpenFileName({"", "", "*.wav", "Wave (*.wav)"});
    if (!chosen || !fileExists(*chosen))
        return;
    std::string path = *chosen;
    if (config_.OwnWaveDir.empty()) {
        const std::string dir = extractFileDir(path);
        if (AppMessage("Soll das Verzeichnis "_cp + dir +
                           " als Verzeichnis für eigene Sprachaufnahmen\rdefiniert werden "
                           "(empfohlen)? Bei einer späteren Änderung des Verzeichnisses muß\rdann "
                           "nicht jede einzelne Verknüpfung von Hand angepaßt werden."_cp,
                       MessageStyle::OkCancel) == MessageResult::Ok) {
            config_.OwnWaveDir = dir;
            config_.SaveDirectorySettings(SaveBits::OwnWaveDir);
        }
    }
    const std::string& own = config_.OwnWaveDir;
    if (!own.empty() && path.size() >= own.size() &&
        equalsIgnoreCase(std::string_view(path).substr(0, own.size()), own))
        path = "XU:" + path.substr(own.size() - 1);
    eDatei->setText(toQString(path));
}

} // namespace qor
