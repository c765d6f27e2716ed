#include "shell/XPaths.h"

#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "shell/Program.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qor {
using namespace literals;

namespace {

QLabel* label(const char* utf8, QWidget* parent) {
    return new QLabel(QString::fromUtf8(utf8), parent);
}

// A folder as the settings keep it: with its '/' at the end. "-" (a
// recording folder that was configured but is missing) stays as it is.
std::string folderOf(const QLineEdit* field) {
    const std::string text = fromQString(field->text().trimmed());
    return text == "-" ? text : includeTrailingSeparator(text);
}

// One row of a tab: the caption above, then an optional alias label, the
// field and an optional browse button.
void addRow(QGridLayout* grid, int& row, const char* caption, const char* alias, QLineEdit* field,
            QPushButton* button) {
    if (caption)
        grid->addWidget(label(caption, grid->parentWidget()), row++, 0, 1, 3);
    if (alias)
        grid->addWidget(label(alias, grid->parentWidget()), row, 0);
    grid->addWidget(field, row, 1);
    if (button)
        grid->addWidget(button, row, 2);
    ++row;
}

} // namespace

TXPaths::TXPaths(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setWindowTitle(QStringLiteral("*qor spanisch Verzeichnisse"));
    createControls();
    const Configuration& config = program_.config;
    eInstall->setText(toQString(config.ProgramDir));
    eBenutzer->setText(toQString(config.UserDir));
    eWave->setText(toQString(config.WaveDir));
    eUser->setText(toQString(config.OwnWaveDir));
    eWi->setText(toQString(config.BusinessRecordingDir));
    eRE->setText(toQString(config.LawRecordingDir));
}

void TXPaths::createControls() {
    tabs = new QTabWidget(this);
    auto* programTab = new QWidget(tabs);
    auto* soundTab = new QWidget(tabs);
    tabs->addTab(programTab, QStringLiteral("Programm"));
    tabs->addTab(soundTab, QStringLiteral("Sprachaufnahmen"));

    eInstall = new QLineEdit(programTab);
    eInstall->setReadOnly(true);
    eBenutzer = new QLineEdit(programTab);
    eBenutzer->setToolTip(
        QStringLiteral("Verzeichnis, in dem sich die Daten der Benutzerverwaltung befinden"));
    btnBenutzer = new QPushButton(QStringLiteral("durchsuchen..."), programTab);
    auto* programGrid = new QGridLayout(programTab);
    int row = 0;
    addRow(programGrid, row, "Installationsverzeichnis:", nullptr, eInstall, nullptr);
    addRow(programGrid, row, "Benutzerverzeichnis:", nullptr, eBenutzer, btnBenutzer);
    programGrid->setRowStretch(row, 1);
    programGrid->setColumnStretch(1, 1);

    eWave = new QLineEdit(soundTab);
    eUser = new QLineEdit(soundTab);
    eUser->setToolTip(QStringLiteral("Definieren Sie hier den Alias XU:"));
    eWi = new QLineEdit(soundTab);
    eRE = new QLineEdit(soundTab);
    btnWave = new QPushButton(QStringLiteral("durchsuchen..."), soundTab);
    btnUser = new QPushButton(QStringLiteral("durchsuchen..."), soundTab);
    auto* soundGrid = new QGridLayout(soundTab);
    row = 0;
    addRow(soundGrid, row, "Sprachaufnahmen von *qor: (Verzeichnis Wave auf der CD):", "XS:", eWave,
           btnWave);
    addRow(soundGrid, row, "Eigene Sprachaufnahmen:", "XU:", eUser, btnUser);
    addRow(soundGrid, row, "*qor Erweiterungen:", "XW:", eWi, nullptr);
    addRow(soundGrid, row, nullptr, "XR:", eRE, nullptr);
    soundGrid->setRowStretch(row, 1);
    soundGrid->setColumnStretch(1, 1);

    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnOK = buttons.ok;
    btnAbbrechen = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons.box);
    resize(520, 300);

    connect(btnBenutzer, &QPushButton::clicked, this, [this] { btnBenutzerClick(); });
    connect(btnWave, &QPushButton::clicked, this, [this] { btnWaveClick(); });
    connect(btnUser, &QPushButton::clicked, this, [this] { btnUserClick(); });
    connect(btnOK, &QPushButton::clicked, this, [this] {
        btnOKClick();
        accept();
    });
}

std::optional<std::string> TXPaths::browse(QLineEdit* field, const std::string& proposal,
                                           const std::string& filter) const {
    const std::string path = folderOf(field) + proposal;
    FileDialogRequest request;
    request.directory = extractFileDir(path);
    request.fileName = extractFileName(path);
    request.filter = filter;
    std::optional<std::string> chosen = askOpenFileName(request);
    if (!chosen || toQString(*chosen) == field->text())
        return std::nullopt;
    return chosen;
}

void TXPaths::btnBenutzerClick() {
    if (const auto chosen = browse(eBenutzer, "*.txt", {}))
        if (directoryExists(extractFileDir(*chosen)))
            eBenutzer->setText(toQString(extractFileDir(*chosen)));
}

void TXPaths::btnWaveClick() {
    if (const auto chosen = browse(eWave, "QOR_S", {}))
        if (fileExists(extractFileDir(*chosen) + "QOR_S"))
            eWave->setText(toQString(extractFileDir(*chosen)));
}

void TXPaths::btnUserClick() {
    if (const auto chosen = browse(eUser, "*.wav", "Wav-Dateien (*.wav *.WAV)"))
        if (fileExists(*chosen) && lowerCase(extractFileExt(*chosen)) == ".wav")
            eUser->setText(toQString(extractFileDir(*chosen)));
}

unsigned TXPaths::btnOKClick() {
    Configuration& config = program_.config;
    unsigned bits = 0;
    const std::string ownWaves = folderOf(eUser);
    if (ownWaves != config.OwnWaveDir) {
        config.OwnWaveDir = ownWaves;
        TXWaveBase* base = program_.waveBase.get();
        if (base && !ownWaves.empty() && base->ReferencesDirectory(ownWaves) &&
            AppMessage("Sollen in der Verwaltung der Sprachaufnahmen alle Verknüpfungen\rmit "
                       "Dateien in dem Verzeichnis "_cp +
                           ownWaves + " durch den Alias \"XU:\"\rersetzt werden (empfohlen)?",
                       MessageStyle::OkCancel) == MessageResult::Ok) {
            const int changed = base->RebaseReferences(ownWaves);
            AppMessage(std::to_string(changed) + " Einträge wurden geändert."_cp);
        }
        bits = SaveBits::OwnWaveDir;
    }
    const std::string wave = folderOf(eWave);
    if (wave != config.WaveDir) {
        config.WaveDir = wave;
        bits |= SaveBits::WaveDir;
    }
    const std::string business = folderOf(eWi);
    if (business != config.BusinessRecordingDir) {
        config.BusinessRecordingDir = business;
        bits |= SaveBits::BusinessRecordingDir;
    }
    const std::string law = folderOf(eRE);
    if (law != config.LawRecordingDir) {
        config.LawRecordingDir = law;
        bits |= SaveBits::LawRecordingDir;
    }
    const std::string users = folderOf(eBenutzer);
    if (users != config.UserDir) {
        config.UserDir = users;
        AppMessage("Achtung: Das neue Benutzer-Verzeichnis ist erst ab dem nächsten "
                   "Programmstart aktiv!"_cp);
        bits |= SaveBits::UserDir;
    }
    if (bits)
        config.SaveDirectorySettings(bits);
    return bits;
}

} // namespace qor
