#include "editor/window/VocEditor.h"

#include "controls/XListBox.h"
#include "editor/window/EditorList.h"
#include "editor/window/EditorRules.h"
#include "editor/window/FrListe.h"
#include "editor/window/FrNavigation.h"
#include "editor/window/VokabelFrame.h"
#include "page/view/PageFonts.h"
#include "platform/AppMessage.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "sound/Recorder.h"
#include "sound/WordRecordings.h"
#include "vocabulary/LearningPreCheck.h"
#include "vocabulary/LibraryPrinting.h"
#include "vocabulary/RecentLibraryMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qor {
using namespace literals;

namespace {

// A recording stops after ten seconds.
constexpr int RecordingSeconds = 10;

} // namespace

TVocEditor::TVocEditor(VocEditorContext context, QWidget* parent)
    : QMainWindow(parent), library_(context.library), settings_(context.settings),
      config_(context.config), registry_(context.registry), dictionary_(context.dictionary),
      waveBase_(context.waveBase), trainingPreCheck_(std::move(context.trainingPreCheck)),
      watchDictionary_(std::move(context.watchDictionary)), sendMci_(std::move(context.sendMci)),
      eigenstaendig_(context.config.EditorMode) {
    setWindowTitle(QStringLiteral("qor spanisch - Vokabeleditor"));
    ReadScheme(SchemeFile(config_.ProgramDir, config_.EditorSchema), scheme_,
               [](const std::string& family) { return IsFontInstalled(family); });
    createParts();
    createMenus();
    connectParts();
    installKeys();
    recorder_ = std::make_unique<tWaveRec>(registry_);
    recorder_->SetLengthLimit(RecordingSeconds);
    if (watchDictionary_)
        watchDictionary_([this] { DictionaryShown(); });
    library_.setAktuell(0);
    Zeigen();
    DictionaryShown();
    VokabelFrame->eVokabel->setFocus();
    placeWindow();
    ApplyScheme();
}

TVocEditor::~TVocEditor() {
    if (watchDictionary_)
        watchDictionary_(nullptr);
    if (scheme_.SchemaGeaendert)
        WriteScheme(SchemeFile(config_.ProgramDir, DefaultSchemeName), scheme_);
}

void TVocEditor::createParts() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* sides = new QHBoxLayout;
    sides->setSpacing(0);
    FrListe = new TFrListe(central);
    FrListe->setAutoFillBackground(true);
    VokabelFrame = new TVokabelFrame(library_, dictionary_, waveBase_, central, sendMci_);
    sides->addWidget(FrListe);
    sides->addWidget(VokabelFrame, 1);
    layout->addLayout(sides, 1);
    FrNavigation = new TFrNavigation(central);
    layout->addWidget(FrNavigation);
    setCentralWidget(central);
}

void TVocEditor::connectParts() {
    FrListe->Liste->OnChange = [this](QWidget*) {
        ListeChange(FrListe->Liste->Selected());
    };
    FrListe->Liste->OnDblClick = [this](QWidget*) {
        const int selected = FrListe->Liste->Selected();
        if (waveBase_)
            PlayWordRecording(*waveBase_, library_.Vokabel(selected), !library_.Deutsch(selected));
    };
    connect(FrListe->bLaden, &QToolButton::clicked, this, [this] { Oeffnen(); });
    connect(FrListe->bDazuladen, &QToolButton::clicked, this, [this] { Hinzufuegen(); });
    connect(FrListe->bSpeichern, &QToolButton::clicked, this, [this] { Speichern(); });
    connect(FrListe->bNeu, &QToolButton::clicked, this, [this] { Neu(); });
    connect(FrListe->bInfo, &QToolButton::clicked, this, [this] { Info(); });
    connect(FrListe->bDrucken, &QToolButton::clicked, this,
            [this] { PrintList(library_, PrintTarget::Printer, this); });
    connect(FrListe->bUebernehmen, &QToolButton::clicked, this, [this] { Uebernehmen(); });
    connect(FrListe->bLoeschen, &QToolButton::clicked, this, [this] { VokabelLoeschen(); });
    connect(FrListe->bSortieren, &QToolButton::clicked, this, [this] { Sortieren(); });
    connect(FrListe->bWeiter, &QToolButton::clicked, this, [this] { ZurFolgenden(); });
    connect(FrListe->bZurueck, &QToolButton::clicked, this, [this] { ZurVorhergehenden(); });
    connect(FrListe->bAufnahme, &QToolButton::clicked, this,
            [this](bool on) { AufnahmeClick(on); });
    connect(FrListe->bAbspielen, &QToolButton::clicked, this,
            [this](bool on) { AbspielenClick(on); });
    connect(FrListe->bAufnahmeSpeichern, &QToolButton::clicked, this,
            [this] { AufnahmeSpeichern(); });
    connect(&recordingTimer_, &QTimer::timeout, this, [this] { RecordingTimer(); });
    VokabelFrame->OnWordChanged = [this] {
        wordChanged();
    };
    VokabelFrame->OnLookUpFieldChanged = [this] {
        lookUpFieldChanged();
    };
    connect(FrNavigation->bHome, &QPushButton::clicked, this, [this] { Home(); });
    connect(FrNavigation->bEinstellungen, &QPushButton::clicked, this, [this] { Einstellungen(); });
    connect(FrNavigation->bAbfragen, &QPushButton::clicked, this, [this] { Abfragen(); });
    for (int style = 0; style < static_cast<int>(FrNavigation->bSuper.size()); ++style)
        connect(FrNavigation->bSuper[static_cast<std::size_t>(style)], &QPushButton::clicked, this,
                [this, style] { Superlearning(style); });
}

// On its own the editor is a small window of a fixed size; in place of the
// main window it covers the screen.
void TVocEditor::placeWindow() {
    mBeenden->setVisible(eigenstaendig_);
    mFenstergroesse->menuAction()->setVisible(eigenstaendig_);
    FrNavigation->setVisible(!eigenstaendig_);
    if (eigenstaendig_) {
        mHome->setShortcut({});
        mBeenden->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
        SetWindowSize(640, 480);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
}

void TVocEditor::SetWindowSize(int width, int height) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, width, height);
    QSize client(width, height);
    // The whole screen: the size is the window's outer size.
    if (client == area.size())
        client -= frameGeometry().size() - geometry().size();
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    move(area.x() + (area.width() - frameGeometry().width()) / 2,
         area.y() + (area.height() - frameGeometry().height()) / 2);
}

void TVocEditor::refreshList() {
    FrListe->Liste->setItems(EditorListLines(library_));
    FrListe->Liste->setSelected(library_.Aktuell());
}

void TVocEditor::updateListLine() {
    const int current = library_.Aktuell();
    std::vector<std::string> lines = FrListe->Liste->Items();
    if (current >= static_cast<int>(lines.size()) || !library_.Entry(current)) {
        refreshList();
        return;
    }
    lines[static_cast<std::size_t>(current)] = EditorListLine(*library_.Entry(current));
    FrListe->Liste->setItems(std::move(lines));
    FrListe->Liste->setSelected(current);
}

void TVocEditor::showCounts() {
    FrListe->showCounts(library_.Aktuell() + 1, FilledEntryCount(library_));
}

void TVocEditor::ShowEntry(int entry) {
    library_.setAktuell(entry);
    if (static_cast<int>(FrListe->Liste->Items().size()) != library_.Count(true))
        refreshList();
    TXListBox* list = FrListe->Liste;
    list->setSelected(entry);
    const int rows = std::max(list->height() / list->ItemHeight(), 1);
    if (entry < list->Topline() || entry >= list->Topline() + rows)
        list->setTopline(std::max(entry - rows / 2, 0));
    showCounts();
    VokabelFrame->Zeigen();
}

void TVocEditor::Zeigen() {
    refreshList();
    ShowEntry(std::clamp(library_.Aktuell(), 0, std::max(library_.Count(true) - 1, 0)));
    FrListe->lDatei->setText(toQString(library_.DisplayName()));
}

void TVocEditor::ListeChange(int line) {
    if (line == library_.Aktuell() || line < 0)
        return;
    if (!MayLeaveCurrent(library_)) {
        FrListe->Liste->setSelected(library_.Aktuell());
        AppMessage("Die aktuelle Vokabel ist leer oder unvollständig!\nBitte vervollständigen "
                   "oder löschen Sie die Vokabel."_cp);
        return;
    }
    ShowEntry(line);
}

void TVocEditor::ZurFolgenden() {
    const int line = library_.Aktuell();
    switch (NextEntryStep(library_, line, static_cast<int>(FrListe->Liste->Items().size()))) {
    case NextStep::EndReached:
        AppMessage("Ende der Bibliothek erreicht!");
        return;
    case NextStep::Append:
        library_.AddEmpty();
        refreshList();
        break;
    case NextStep::Move:
        break;
    }
    ListeChange(line + 1);
    VokabelFrame->eVokabel->setFocus();
}

void TVocEditor::ZurVorhergehenden() {
    if (library_.Aktuell() <= 0) {
        AppMessage("Anfang der Bibliothek erreicht!");
        return;
    }
    ListeChange(library_.Aktuell() - 1);
}

void TVocEditor::EinfuegenVor() {
    if (!library_.InsertEmptyAtCurrent())
        return;
    refreshList();
    ShowEntry(library_.Aktuell());
    VokabelFrame->eVokabel->setFocus();
}

void TVocEditor::EinfuegenNach() {
    ZurFolgenden();
    EinfuegenVor();
}

void TVocEditor::VokabelLoeschen() {
    library_.DeleteCurrent();
    if (library_.Count(true) == 0)
        library_.AddEmpty();
    library_.setAktuell(std::min(library_.Aktuell(), library_.Count(true) - 1));
    Zeigen();
}

void TVocEditor::wordChanged() {
    updateListLine();
    showCounts();
    autoLookUp();
    VokabelFrame->ShowRecording();
}

void TVocEditor::lookUpFieldChanged() {
    updateListLine();
    autoLookUp();
}

void TVocEditor::autoLookUp() {
    if (mNachschlagen->isChecked() && !uebernahme_)
        Nachschlagen();
}

bool TVocEditor::mayLeave() {
    if (!beschaeftigt_)
        return true;
    AppMessage("Kann diese Seite noch nicht verlassen!");
    return false;
}

void TVocEditor::leave(EditorExit exit) {
    if (!mayLeave())
        return;
    exit_ = exit;
    close();
}

void TVocEditor::Home() {
    leave(EditorExit::Home);
}

void TVocEditor::Beenden() {
    leave(eigenstaendig_ ? EditorExit::Quit : EditorExit::Home);
}

void TVocEditor::Einstellungen() {
    leave(EditorExit::Settings);
}

void TVocEditor::Abfragen() {
    if (!mayLeave())
        return;
    if (settings_.NichtGelesen)
        settings_.ReadSettings(registry_);
    const bool ready = trainingPreCheck_ && trainingPreCheck_();
    leave(ready ? EditorExit::Training : EditorExit::Settings);
}

void TVocEditor::Superlearning(int style) {
    if (!mayLeave() || !LearningPreCheck(library_, settings_))
        return;
    settings_.WriteSettings(registry_);
    superlearningStyle_ = style;
    leave(EditorExit::Superlearning);
}

// Closing (the close box, "Beenden", "home") asks for unsaved changes; the
// other ways out keep the library open.
void TVocEditor::closeEvent(QCloseEvent* event) {
    if (left_) {
        event->accept();
        return;
    }
    const bool closing = exit_ == EditorExit::Home || exit_ == EditorExit::Quit;
    if (beschaeftigt_ || (closing && !askToSaveChanges(true))) {
        if (beschaeftigt_)
            AppMessage("Kann diese Seite noch nicht verlassen!");
        exit_ = eigenstaendig_ ? EditorExit::Quit : EditorExit::Home;
        event->ignore();
        return;
    }
    left_ = true;
    recordingTimer_.stop();
    recorder_.reset();
    event->accept();
    if (OnLeave)
        OnLeave(exit_);
    deleteLater();
}

void TVocEditor::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyLayoutRules();
}

// The panels share the width by the window's width; the font size follows
// the window's height.
void TVocEditor::applyLayoutRules() {
    QWidget* central = centralWidget();
    if (!central)
        return;
    FrListe->setFixedWidth(ListPanelWidth(width(), central->width()));
    QFont font = this->font();
    if (!scheme_.FontName.empty())
        font.setFamily(toQString(scheme_.FontName));
    font.setBold(scheme_.Bold);
    font.setPointSize(SchemeFontSize(scheme_, height()));
    if (font != central->font()) {
        central->setFont(font);
        VokabelFrame->fitFont(font);
    }
}

} // namespace qor
