#include "shell/ShellWindows.h"

#include "shell/Backdrop.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "sound/RecSetup.h"
#include "sound/Recorder.h"
#include "sound/WaveDB.h"
#include "sound/WordRecordings.h"
#include "verbs/VerbenAuswahl.h"
#include "vocabulary/VocOptionen.h"

#include <QApplication>
#include <QScreen>

namespace qor {

namespace {

// What the training needs of the program: the user base and the recordings.
TrainingServices trainingServices(Program& program) {
    TrainingServices services;
    services.isLoggedIn = [&program] {
        return program.userBase && program.userBase->IsLoggedIn();
    };
    services.recordAnswer = [&program](const std::string& word, bool german, char mode, int value,
                                       int wordClass) {
        program.userBase->RecordAnswer(word, german, mode, value, wordClass);
    };
    services.soundTarget = [&program](const std::string& word, bool spanish) {
        if (!program.waveBase)
            return std::string();
        const WordSound sound = FindWordSound(*program.waveBase, word, spanish);
        return sound.recording.empty() && !sound.speech.empty() ? SpeechLinkTarget(sound.speech)
                                                                : sound.recording;
    };
    services.accentHints = [&program] {
        return program.config.Extras.AccentHints;
    };
    return services;
}

// Where a window of this size stands centred on the screen.
QPoint centredOnScreen(QSize size) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect area = screen->geometry();
    return {area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2};
}

} // namespace

ShellWindows::ShellWindows(Program& program, UserDialogs* userDialogs)
    : program_(program), ownUserDialogs_(program.config.PageRoot + "hqor/"),
      userDialogs_(userDialogs ? *userDialogs : ownUserDialogs_) {
    program_.windows = this;
}

ShellWindows::~ShellWindows() {
    delete editor_;
    delete main_;
    delete backdrop_;
    program_.windows = nullptr;
}

void ShellWindows::OpenAtStart(bool showBackdrop) {
    accounts().LoginProcedure();
    createMainWindow();
    CreateBackdrop(showBackdrop);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { ShowMainWindow(); }, Qt::QueuedConnection);
}

TMain* ShellWindows::createMainWindow() {
    auto* window = new TMain(*this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    main_ = window;
    return window;
}

TMain* ShellWindows::ShowMainWindow() {
    TMain* window = main_ ? main_.data() : createMainWindow();
    window->show();
    window->raise();
    window->activateWindow();
    if (!window->FormShow())
        return nullptr;
    return window;
}

TMain* ShellWindows::ShowMainWindowAt(QPoint position) {
    TMain* window = main_ ? main_.data() : createMainWindow();
    window->move(position);
    return ShowMainWindow();
}

void ShellWindows::OpenOptionsWindow(QPoint position) {
    Program& program = program_;
    VocOptionenContext context{
        *program.library,
        *program.settings,
        program.config,
        program.registry,
        [&program] { return program.userBase && program.userBase->IsLoggedIn(); },
        program.config.PageRoot + "hqor/",
        [&program](QWidget* parent) { TRecSetup(program.registry, parent).exec(); },
        [&program](QWidget* parent) {
            if (program.waveBase)
                TWaveDB(*program.waveBase, program.config, parent).exec();
        },
        [this](QWidget* parent) { showSuperlearningSettings(parent); },
        [&program] {
            return program.training && program.training->PreCheck();
        }};
    auto* options = new TVocOptionen(context);
    options->move(position);
    options->OnHome = [this, options] {
        if (options->EditorRequested()) {
            OpenEditor();
            return;
        }
        if (const int style = options->SuperlearningStyle();
            style != TVocOptionen::NoSuperlearning) {
            startSuperlearning("Opts", style, options->pos());
            return;
        }
        program_.mainState.PendingCommand = options->PendingCommand();
        ShowMainWindowAt(options->pos());
    };
    options->show();
    releaseMainWindow();
}

// The main window gives way to another full window; its page may still be
// handling the click that brought that window.
void ShellWindows::releaseMainWindow() {
    if (main_) {
        main_->hide();
        main_->deleteLater();
        main_ = nullptr;
    }
}

void ShellWindows::ensureTrainingObjects() {
    Program& program = program_;
    if (!program.settings)
        program.settings = std::make_unique<TVocEinstellungen>();
    if (!program.library->Einstellungen())
        program.library->setEinstellungen(program.settings.get());
    // Wrong choices of multiple-choice questions come from here when the
    // library has too few.
    if (!program.reserve)
        program.reserve = std::make_unique<TRes>();
    if (!program.training)
        program.training = std::make_unique<VocabularyTraining>(
            *program.library, *program.settings, program.reserve.get(), trainingServices(program));
}

void ShellWindows::OpenEditorAtStart() {
    TVocEditor* editor = createEditor();
    CreateBackdrop(false);
    createDictionaryWindow();
    editor->show();
}

void ShellWindows::OpenEditor() {
    if (editor_) {
        editor_->raise();
        editor_->activateWindow();
        return;
    }
    if (dictionaryWindow_ && dictionaryWindow_->isVisible())
        dictionaryWindow_->hide();
    program_.mainState.ReturnPage.clear();
    createEditor()->show();
    releaseMainWindow();
}

TVocEditor* ShellWindows::createEditor() {
    ensureTrainingObjects();
    Program& program = program_;
    VocEditorContext context{
        *program.library,
        *program.settings,
        program.config,
        program.registry,
        program.Dictionary(),
        program.waveBase.get(),
        [&program] { return program.training && program.training->PreCheck(); },
        [this](std::function<void()> shown) {
            watchDictionary(std::move(shown));
        }};
    auto* editor = new TVocEditor(context);
    editor->OnLeave = [this, editor](EditorExit exit) {
        editorLeft(exit, editor->pos());
    };
    editor_ = editor;
    return editor;
}

void ShellWindows::editorLeft(EditorExit exit, QPoint position) {
    if (exit == EditorExit::Quit) {
        // Once the editor's close is over: the editor goes first, then the run ends.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this] {
                delete editor_;
                Beenden();
            },
            Qt::QueuedConnection);
        return;
    }
    program_.config.EditorMode = false;
    if (exit == EditorExit::Superlearning) {
        if (backdrop_)
            backdrop_->show();
        startSuperlearning("Editor", editor_ ? editor_->SuperlearningStyle() : 0, position);
        return;
    }
    if (exit == EditorExit::Settings) {
        OpenOptionsWindow(centredOnScreen({TMain::Width, TMain::Height}));
        return;
    }
    if (exit == EditorExit::Training)
        program_.mainState.PendingCommand = "vabfrage";
    if (backdrop_)
        backdrop_->show();
    ShowMainWindowAt(position);
}

void ShellWindows::watchDictionary(std::function<void()> shown) {
    if (shown && !dictionaryWindow_)
        createDictionaryWindow();
    if (dictionaryWindow_)
        dictionaryWindow_->OnDictionaryShown = std::move(shown);
}

void ShellWindows::createDictionaryWindow() {
    if (!dictionaryWindow_)
        dictionaryWindow_ =
            std::make_unique<TXWb>(program_.Dictionary(), program_.config, program_.waveBase.get());
}

void ShellWindows::WBzeigen() {
    if (!dictionaryWindow_)
        createDictionaryWindow();
    if (!dictionaryWindow_)
        return;
    dictionaryWindow_->show();
    dictionaryWindow_->raise();
    dictionaryWindow_->activateWindow();
}

void ShellWindows::OpenVerbSelection(QPoint position) {
    auto* selection = new T_F_VerbenAuswahl(*program_.verben);
    selection->move(position);
    selection->OnLeave = [this, selection](const std::string& command, bool cancelled) {
        MainWindowState& state = program_.mainState;
        state.PendingCommand = command;
        if (cancelled)
            state.ReturnPage = "verben.htx";
        ShowMainWindowAt(selection->pos());
    };
    selection->show();
    releaseMainWindow();
}

TBackdrop* ShellWindows::CreateBackdrop(bool showIt) {
    backdrop_ = new TBackdrop(program_.config.BackdropColor);
    backdrop_->ShowColor();
    if (showIt) {
        backdrop_->show();
        if (main_)
            main_->raise();
    }
    return backdrop_;
}

UserAccounts& ShellWindows::accounts() {
    if (!accounts_)
        accounts_ = std::make_unique<UserAccounts>(*program_.userBase, userDialogs_);
    return *accounts_;
}

void ShellWindows::setDialogParent(QWidget* parent) {
    ownUserDialogs_.setParent(parent);
}

bool ShellWindows::backdropVisible() const {
    return backdrop_ && backdrop_->isVisible();
}

bool ShellWindows::ScreenWantsBackdrop(int width, int height) {
    return width > 800 || height > 600;
}

void ShellWindows::setPresentationRunning(bool running) {
    program_.mainState.PresentationRunning = running;
    screenSaver_.setInhibited(running);
}

void ShellWindows::Beenden() {
    if (!terminating_)
        QCoreApplication::processEvents();
    ShutDown(program_);
}

std::optional<Color> ShellWindows::backdropColor() const {
    if (!backdrop_)
        return std::nullopt;
    return backdrop_->color();
}

void ShellWindows::freeRecorder() {
    FreeSharedRecorder();
}

void ShellWindows::freeBackdrop() {
    if (backdropVisible())
        delete backdrop_;
}

void ShellWindows::freeDictionaryWindow() {
    // The window saves what the run changed, even where only the editor or
    // a page used the dictionary.
    if (program_.dictionary)
        createDictionaryWindow();
    dictionaryWindow_.reset();
    program_.dictionary.reset();
}

void ShellWindows::terminate() {
    terminating_ = true;
    screenSaver_.setInhibited(false);
    // Quits once the running event is handled, also when the event loop has
    // not started yet.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

void ShellWindows::processPendingMessages() {
    QCoreApplication::processEvents();
}

} // namespace qor
